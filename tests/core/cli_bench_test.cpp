// hoopvale-cli bench: reproducible checksums, the report, the throwaway league, --save and its refusals.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "cli/cli_app.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

class CliBench : public ::testing::Test {
  protected:
    void SetUp() override { home.CopyInstalledData(); }
    int Bench(std::vector<std::string> extra, std::string* out = nullptr, std::string* err = nullptr) {
        std::vector<std::string> args{"--home", home.path().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        std::ostringstream o, e;
        const int rc = RunCli(args, o, e, HOOPVALE_CLI_PATH);
        if (out) *out = o.str();
        if (err) *err = e.str();
        return rc;
    }
    static std::string Checksum(const std::string& report) {
        std::smatch m;
        static const std::regex line("Checksum: ([0-9a-f]{16})\n");
        return std::regex_search(report, m, line) ? m[1].str() : std::string();
    }
    test::TempHome home;
};

// The same seed (the command's or the program's) plays the same games, with or without play-by-play.
TEST_F(CliBench, TheSameSeedGivesTheSameChecksum) {
    std::string a, b, c, d;
    ASSERT_EQ(Bench({"bench", "--games", "6", "--seed", "5"}, &a), kExitOk);
    ASSERT_EQ(Bench({"--seed", "5", "bench", "--games", "6", "--pbp"}, &b), kExitOk);
    ASSERT_EQ(Bench({"bench", "--games", "6", "--seed", "6"}, &c), kExitOk);
    ASSERT_FALSE(Checksum(a).empty()) << a;
    EXPECT_EQ(Checksum(a), Checksum(b));
    EXPECT_NE(Checksum(a), Checksum(c));
    for (const char* line : {"Games: 6\n", "Games per second: ", "Home wins: "})
        EXPECT_NE(a.find(line), std::string::npos) << line;
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench")) << "the throwaway league leaves nothing behind";
    EXPECT_FALSE(fs::exists(home / "save" / "bench.sav"));
}

TEST_F(CliBench, SaveKeepsTheLeagueWithItsGamesAndFiles) {
    ASSERT_EQ(Bench({"bench", "--games", "3", "--pbp", "--save", "Bench Test"}), kExitOk);
    const fs::path folder = home / "leaguedata" / "Bench Test";
    for (const char* file : {"box/1-3.txt", "pbp/1-3.txt"})
        EXPECT_TRUE(fs::exists(folder / file)) << file;
    EXPECT_FALSE(fs::exists(folder / "box" / "1-4.txt"));
    League loaded;
    loaded.programFolder = home.path();
    ScriptedHost host;
    ASSERT_TRUE(LoadLeague(loaded, "Bench Test.sav", host));
    int wins = 0, losses = 0;
    for (int t = 1; t <= kLeagueTeams; ++t)
        wins += loaded.team(t).Wins(), losses += loaded.team(t).Losses();
    EXPECT_EQ(std::make_pair(wins, losses), std::make_pair(3, 3));
}

// Bad names, an existing league of the name, and a file that cannot be written exit 1 and write nothing;
// a game count out of range is a usage error.
TEST_F(CliBench, RefusalsExitOneAndUsageErrorsTwo) {
    home.Write("save/Mine.sav", "someone's league");
    fs::create_directories(home / "leaguedata" / "bench" / "box" / "1-2.txt"); // a folder in the file's place
    const std::pair<std::vector<std::string>, const char*> refused[] = {
        {{"--save", "../escape"}, "league name"},
        {{"--save", "a/b"}, "league name"},
        {{"--save", ""}, "league name"},
        {{"--save", "Mine"}, "saved league named \"Mine\""},
        {{}, "1-2.txt"}};
    for (const auto& [extra, message] : refused) {
        std::vector<std::string> args{"bench", "--games", "3"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::string out, err;
        EXPECT_EQ(Bench(args, &out, &err), kExitRefused) << message;
        EXPECT_NE(err.find(message), std::string::npos) << err;
        EXPECT_EQ(out.find("Games:"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(home / "escape.sav"));
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench")) << "no throwaway folder is left";
    for (const char* count : {"0", "40000", "x"})
        EXPECT_EQ(Bench({"bench", "--games", count}), kExitUsage) << count;
}

} // namespace
} // namespace hv
