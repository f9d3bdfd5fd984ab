// hoopvale-cli sim-seasons and bench --seasons: the refusals leave the league as it was; a one-season bench
// runs the whole cycle and reports its line.
#include <gtest/gtest.h>

#include <regex>

#include "season/sim_seasons.h"
#include "support/trim_a_cli.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

class CliSimSeasons : public test::CliTest {
  protected:
    void SetUp() override { home.CopyInstalledData(); }
};

TEST_F(CliSimSeasons, RefusalsExitOneAndChangeNothing) {
    ASSERT_EQ(Run({"new", "Decades"}).status, kExitOk);
    ExpectRefusals("Decades",
                   {{{"sim-seasons", "Decades", "many"}, 1, std::string("Error: ") + kSeasonValueInvalid},
                    {{"sim-seasons", "Decades", "0"}, 1, std::string("Error: ") + kSeasonValueTooSmall},
                    {{"sim-seasons", "Nowhere", "2"}, 1, "Nowhere.sav"},
                    {{"sim-seasons", "Decades"}, 2, "N"}});
}

TEST_F(CliSimSeasons, BenchOfOneSeasonReportsItsLineAndLeavesNothing) {
    const test::CliResult r = Run({"bench", "--seasons", "1", "--seed", "5"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    // Season, the two times, a champion, nine averages, the checksum and the census, then the total.
    static const std::regex season(
        R"(\n +[0-9]{4} +[0-9.]+ +[0-9.]+ +[A-Z][A-Za-z. ]+( +[0-9]+\.[0-9]){9} +[0-9]+ +[0-9]+ +[0-9]+ +0 +1[2-5]- ?1[2-5] +[0-9.]+ +[0-9.]+ +[0-9]+\n)");
    EXPECT_TRUE(std::regex_search(r.out, season)) << r.out;
    EXPECT_NE(r.out.find("Total: 1 seasons"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench"));
    EXPECT_FALSE(fs::exists(home / "save" / "bench.sav"));
    EXPECT_EQ(Run({"bench", "--seasons", "0"}).status, kExitUsage);
}

} // namespace
} // namespace hv
