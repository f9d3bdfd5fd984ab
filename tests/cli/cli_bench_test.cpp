// hoopvale-cli bench and sim-seasons (bench --save is used by the season command tests).
#include <gtest/gtest.h>

#include <regex>

#include "season/sim_seasons.h"
#include "support/cli_test.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

class CliBench : public test::CliTest {
  protected:
    void SetUp() override { home.CopyInstalledData(); }
    std::string Checksum(std::vector<std::string> args) {
        const test::CliResult r = Run(args);
        EXPECT_EQ(r.status, kExitOk) << r.err;
        std::smatch m;
        static const std::regex line("Checksum: ([0-9a-f]{16})\n");
        return std::regex_search(r.out, m, line) ? m[1].str() : std::string();
    }
};

// With or without play-by-play; the throwaway league leaves nothing behind.
TEST_F(CliBench, TheSameSeedGivesTheSameChecksum) {
    const std::string a = Checksum({"bench", "--games", "6", "--seed", "5"});
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(Checksum({"--seed", "5", "bench", "--games", "6", "--pbp"}), a);
    EXPECT_NE(Checksum({"bench", "--games", "6", "--seed", "6"}), a);
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench"));
    EXPECT_FALSE(fs::exists(home / "save" / "bench.sav"));
}

// Bad names, an existing league of the name and a file that cannot be written exit 1 and write nothing.
TEST_F(CliBench, RefusalsExitOneAndUsageErrorsTwo) {
    home.Write("save/Mine.sav", "someone's league");
    fs::create_directories(home / "leaguedata" / "bench" / "box" / "1-2.txt"); // a folder in the file's place
    const std::pair<const char*, const char*> refused[] = {{"../escape", "league name"},
                                                           {"", "league name"},
                                                           {"Mine", "saved league named \"Mine\""},
                                                           {nullptr, "1-2.txt"}};
    for (const auto& [name, message] : refused) {
        std::vector<std::string> args{"bench", "--games", "3"};
        if (name) args.insert(args.end(), {"--save", name});
        const test::CliResult r = Run(args);
        EXPECT_EQ(r.status, kExitRefused) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(home / "escape.sav"));
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench")) << "no throwaway folder is left";
    EXPECT_EQ(Run({"bench", "--games", "0"}).status, kExitUsage);
    EXPECT_EQ(Run({"bench", "--seasons", "0"}).status, kExitUsage);
}

TEST_F(CliBench, SimSeasonsRefusalsExitOneAndChangeNothing) {
    ASSERT_EQ(Run({"new", "Decades"}).status, kExitOk);
    ExpectRefusals(
        "Decades",
        {{{"sim-seasons", "Decades", "many"},
          1,
          std::string("Error: ") + kSeasonValueInvalid + " Give a whole number of seasons from 1 to 1000."},
         {{"sim-seasons", "Decades", "0"}, 1, std::string("Error: ") + kSeasonValueTooSmall},
         {{"sim-seasons", "Nowhere", "2"}, 1, "Nowhere.sav"},
         {{"sim-seasons", "Decades"}, 2, "N"}});
}

} // namespace
} // namespace hv
