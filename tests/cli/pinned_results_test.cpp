// The engine's results for fixed seeds, pinned. A change that is meant to keep every result (a faster engine,
// a tidier file writer) must leave these exactly as they are. A change that is meant to alter play updates
// them deliberately: run `hoopvale-cli --home COPY_OF_HOME bench --games 1189 --seed S` for each seed below
// and `bench --seasons 3 --seed 7`, and paste the new lines here in the same commit, saying why they moved.
#include <gtest/gtest.h>

#include <regex>

#include "support/cli_test.h"

namespace hv {
namespace {

class PinnedResults : public test::CliTest {
  protected:
    void SetUp() override { home.CopyInstalledData(); }
    // The lines from "Averages per team and game:" to the checksum.
    std::string Averages(unsigned seed) {
        const test::CliResult r = Run({"bench", "--games", "1189", "--seed", std::to_string(seed)});
        EXPECT_EQ(r.status, kExitOk) << r.err;
        const auto at = r.out.find("Averages per team and game:");
        return at == std::string::npos ? r.out : r.out.substr(at);
    }
};

TEST_F(PinnedResults, ARegularSeasonOfGamesForThreeSeeds) {
    EXPECT_EQ(Averages(1), "Averages per team and game:\n"
                           "  Points     112.7\n"
                           "  FGM        47.6\n"
                           "  FGA        109.3\n"
                           "  FG%        0.436\n"
                           "  3PM        4.6\n"
                           "  3PA        12.6\n"
                           "  3P%        0.367\n"
                           "  FTM        12.9\n"
                           "  FTA        17.2\n"
                           "  FT%        0.749\n"
                           "  Rebounds   64.1\n"
                           "  Assists    39.7\n"
                           "  Steals     11.3\n"
                           "  Blocks     6.7\n"
                           "  Turnovers  17.4\n"
                           "  Fouls      14.6\n"
                           "  Possessions 119.0\n"
                           "Overtime games: 0.026\n"
                           "Home wins: 0.590\n"
                           "Checksum: 81fea9f0c7c10a42\n");
    EXPECT_EQ(Averages(2), "Averages per team and game:\n"
                           "  Points     112.5\n"
                           "  FGM        47.5\n"
                           "  FGA        108.7\n"
                           "  FG%        0.437\n"
                           "  3PM        4.6\n"
                           "  3PA        12.2\n"
                           "  3P%        0.374\n"
                           "  FTM        12.9\n"
                           "  FTA        17.3\n"
                           "  FT%        0.742\n"
                           "  Rebounds   63.6\n"
                           "  Assists    39.7\n"
                           "  Steals     11.2\n"
                           "  Blocks     6.9\n"
                           "  Turnovers  17.3\n"
                           "  Fouls      14.6\n"
                           "  Possessions 118.5\n"
                           "Overtime games: 0.021\n"
                           "Home wins: 0.587\n"
                           "Checksum: f1bf93b763d44d05\n");
    EXPECT_EQ(Averages(3), "Averages per team and game:\n"
                           "  Points     112.5\n"
                           "  FGM        47.4\n"
                           "  FGA        108.9\n"
                           "  FG%        0.435\n"
                           "  3PM        4.5\n"
                           "  3PA        12.4\n"
                           "  3P%        0.367\n"
                           "  FTM        13.1\n"
                           "  FTA        17.5\n"
                           "  FT%        0.748\n"
                           "  Rebounds   63.9\n"
                           "  Assists    39.6\n"
                           "  Steals     11.4\n"
                           "  Blocks     7.0\n"
                           "  Turnovers  17.2\n"
                           "  Fouls      14.7\n"
                           "  Possessions 118.7\n"
                           "Overtime games: 0.018\n"
                           "Home wins: 0.603\n"
                           "Checksum: 613764e2ecef40bb\n");
}

// Three whole seasons with their off-seasons: the checksum of each season's final scores.
TEST_F(PinnedResults, ThreeSeasonsOfTheDefaultLeague) {
    const test::CliResult r = Run({"bench", "--seasons", "3", "--seed", "7"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    std::vector<std::string> checksums;
    static const std::regex number(R"( ([0-9]{8,20}) +[0-9]+ +[0-9]+ +[0-9]+ +1[2-5]-)");
    for (std::sregex_iterator it(r.out.begin(), r.out.end(), number), end; it != end; ++it)
        checksums.push_back((*it)[1].str());
    const std::vector<std::string> expected = {"2538714953997202253", "16253084183332763103",
                                               "1093632065661640917"};
    EXPECT_EQ(checksums, expected) << r.out;

    // Each season's line: season, the two times, a champion, nine averages, the checksum, the census and the
    // milliseconds of the save and of loading it back; then the total and the summary a script reads.
    static const std::regex season(
        R"(\n +[0-9]{4} +[0-9.]+ +[0-9.]+ +[A-Z][A-Za-z. ]+( +[0-9]+\.[0-9]){9} +[0-9]+ +[0-9]+ +[0-9]+ +0 +1[2-5]- ?1[2-5] +[0-9.]+ +[0-9.]+ +[0-9]+ +[0-9]+\.[0-9] +[0-9]+\.[0-9](?=\n))");
    EXPECT_EQ(std::distance(std::sregex_iterator(r.out.begin(), r.out.end(), season), std::sregex_iterator()),
              3)
        << r.out;
    EXPECT_NE(r.out.find("Total: 3 seasons"), std::string::npos) << r.out;
    static const std::regex summary(
        R"(\nSummary: games_cpu_s=[0-9.]+ games_wall_s=[0-9.]+ offseason_cpu_s=[0-9.]+ offseason_wall_s=[0-9.]+ save_cpu_s=[0-9.]+ save_wall_s=[0-9.]+ load_cpu_s=[0-9.]+ load_wall_s=[0-9.]+ games=[0-9]{4} games_per_cpu_s=[0-9.]+ games_per_wall_s=[0-9.]+ peak_memory_kb=[0-9]+ last_to_first=[0-9.]+\n)");
    EXPECT_TRUE(std::regex_search(r.out, summary)) << r.out;
    EXPECT_FALSE(std::filesystem::exists(home / "leaguedata" / "bench"));
    EXPECT_FALSE(std::filesystem::exists(home / "save" / "bench.sav"));
}

} // namespace
} // namespace hv
