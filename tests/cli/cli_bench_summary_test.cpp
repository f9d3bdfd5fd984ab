// The timing and summary of hoopvale-cli bench: the phases on both clocks, the summary line a script reads,
// and the run of the engine alone without box files.
#include <gtest/gtest.h>

#include <regex>

#include "cli/bench_season.h"
#include "support/cli_test.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

// The KEY=VALUE fields of the summary line of a run's output; empty when there is none.
std::map<std::string, std::string> SummaryFields(const std::string& out) {
    std::map<std::string, std::string> fields;
    std::smatch line;
    if (!std::regex_search(out, line, std::regex("\nSummary:((?: [a-z_]+=[0-9.]+)+)\n"))) return fields;
    const std::string text = line[1].str();
    static const std::regex field(" ([a-z_]+)=([0-9.]+)");
    for (std::sregex_iterator it(text.begin(), text.end(), field), end; it != end; ++it)
        fields[(*it)[1].str()] = (*it)[2].str();
    return fields;
}

std::vector<std::string> BoxFiles(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(BenchPhases, PhasesOfOneNameAddUpAndTheSummaryNamesEachOnceInOrder) {
    PhaseTimer timer;
    timer.EndPhase("setup");
    const BenchPhase lap = timer.EndPhase("games", 5);
    timer.EndPhase("setup");
    timer.EndPhase("games", 7);
    EXPECT_EQ(lap.games, 5);
    ASSERT_EQ(timer.Phases().size(), 2u);
    EXPECT_EQ(timer.Phases()[0].name, "setup");
    EXPECT_EQ(timer.Phases()[1].games, 12);
    const auto fields = SummaryFields("\n" + timer.SummaryLine() + "\n");
    for (const char* key : {"setup_cpu_s", "setup_wall_s", "games_cpu_s", "games_wall_s", "games",
                            "games_per_cpu_s", "games_per_wall_s", "peak_memory_kb"})
        EXPECT_EQ(fields.count(key), 1u) << key;
    EXPECT_EQ(fields.at("games"), "12");
    EXPECT_LT(timer.SummaryLine().find("setup_cpu_s"), timer.SummaryLine().find("games_cpu_s"));
    EXPECT_GT(PeakMemoryKB(), 1000); // a program with a C++ runtime holds more than a megabyte
}

class CliBenchSummary : public test::CliTest {
  protected:
    void SetUp() override { home.CopyInstalledData(); }
};

// Without files the games are the same (the checksum) and no box score is written; the summary counts them.
TEST_F(CliBenchSummary, TheEngineAloneWritesNoFilesAndPlaysTheSameGames) {
    const test::CliResult with = Run({"bench", "--games", "4", "--seed", "3", "--save", "Filed"});
    const test::CliResult without =
        Run({"bench", "--games", "4", "--seed", "3", "--save", "Bare", "--no-files"});
    ASSERT_EQ(with.status, kExitOk) << with.err;
    ASSERT_EQ(without.status, kExitOk) << without.err;
    EXPECT_EQ(BoxFiles(home / "leaguedata/Filed/box"),
              (std::vector<std::string>{"1-1.txt", "1-2.txt", "1-3.txt", "1-4.txt"}));
    EXPECT_TRUE(BoxFiles(home / "leaguedata/Bare/box").empty());
    EXPECT_TRUE(BoxFiles(home / "leaguedata/Bare/html/boxes").empty());
    const auto checksum = [](const std::string& out) {
        const size_t at = out.find("Checksum: ");
        return at == std::string::npos ? out : out.substr(at, out.find('\n', at) - at);
    };
    EXPECT_EQ(checksum(without.out), checksum(with.out));
    EXPECT_NE(without.out.find("Games: 4, no files\n"), std::string::npos) << without.out;
    const auto fields = SummaryFields(without.out);
    ASSERT_FALSE(fields.empty()) << without.out;
    EXPECT_EQ(fields.at("games"), "4");
    EXPECT_GT(std::stod(fields.at("games_per_cpu_s")), 0);
    EXPECT_EQ(Run({"bench", "--games", "4", "--no-files", "--pbp"}).status, kExitUsage);
    EXPECT_EQ(Run({"bench", "--season", "--no-files"}).status, kExitUsage);
}

// A whole season: the phases of the cycle, the off-season included, with the games of both game phases.
TEST_F(CliBenchSummary, ASeasonIsTimedPhaseByPhaseThroughTheOffSeason) {
    const test::CliResult r = Run({"bench", "--season", "--seed", "2"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    std::smatch regular, playoffs;
    ASSERT_TRUE(std::regex_search(r.out, regular, std::regex("Regular season: ([0-9]+) games")));
    ASSERT_TRUE(std::regex_search(r.out, playoffs, std::regex("Playoffs: ([0-9]+) games")));
    EXPECT_EQ(regular[1].str(), "1189");
    EXPECT_NE(r.out.find("Off-season: "), std::string::npos);
    const auto fields = SummaryFields(r.out);
    for (const char* phase : {"begin", "regular", "playoffs", "offseason"})
        EXPECT_EQ(fields.count(std::string(phase) + "_cpu_s"), 1u) << phase << "\n" << r.out;
    EXPECT_EQ(std::stoi(fields.at("games")), 1189 + std::stoi(playoffs[1].str()));
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench"));
    EXPECT_FALSE(fs::exists(home / "save" / "bench.sav"));
}

} // namespace
} // namespace hv
