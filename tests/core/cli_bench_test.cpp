// hoopvale-cli bench: reproducible checksums, the report, the throwaway league and --save.
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

struct BenchRun {
    int rc = -1;
    std::string out, err;
};

BenchRun Bench(const test::TempHome& home, std::vector<std::string> extra) {
    std::vector<std::string> args{"--home", home.path().string(), "bench"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::ostringstream out, err;
    BenchRun r;
    r.rc = RunCli(args, out, err, HOOPVALE_CLI_PATH);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::string Checksum(const std::string& report) {
    std::smatch m;
    static const std::regex line("Checksum: ([0-9a-f]{16})\n");
    return std::regex_search(report, m, line) ? m[1].str() : std::string();
}

double Value(const std::string& report, const std::string& label) {
    std::smatch m;
    std::regex line(label + " *([0-9.]+)\n");
    return std::regex_search(report, m, line) ? std::stod(m[1].str()) : -1.0;
}

class CliBench : public ::testing::Test {
  protected:
    void SetUp() override { home.CopyInstalledData(); }
    test::TempHome home;
};

TEST_F(CliBench, SameSeedSameChecksumOtherSeedOtherChecksum) {
    BenchRun a = Bench(home, {"--games", "12", "--seed", "5"});
    ASSERT_EQ(a.rc, kExitOk) << a.err;
    BenchRun b = Bench(home, {"--games", "12", "--seed", "5"});
    ASSERT_EQ(b.rc, kExitOk) << b.err;
    BenchRun c = Bench(home, {"--games", "12", "--seed", "6"});
    ASSERT_EQ(c.rc, kExitOk) << c.err;
    ASSERT_FALSE(Checksum(a.out).empty()) << a.out;
    EXPECT_EQ(Checksum(a.out), Checksum(b.out));
    EXPECT_NE(Checksum(a.out), Checksum(c.out));
    // The program's global seed serves when the command has none of its own.
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--home", home.path().string(), "--seed", "5", "bench", "--games", "12"}, out, err,
                     HOOPVALE_CLI_PATH),
              kExitOk)
        << err.str();
    EXPECT_EQ(Checksum(out.str()), Checksum(a.out));
    // Play-by-play only adds output; the games stay the same.
    BenchRun d = Bench(home, {"--games", "12", "--seed", "5", "--pbp"});
    ASSERT_EQ(d.rc, kExitOk) << d.err;
    EXPECT_EQ(Checksum(a.out), Checksum(d.out));
}

TEST_F(CliBench, ReportsGamesSpeedAveragesAndShares) {
    BenchRun r = Bench(home, {"--games", "20"});
    ASSERT_EQ(r.rc, kExitOk) << r.err;
    EXPECT_NE(r.out.find("Games: 20\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Seconds: "), std::string::npos);
    EXPECT_NE(r.out.find("Games per second: "), std::string::npos);
    double points = Value(r.out, "Points");
    EXPECT_GT(points, 40.0);
    EXPECT_LT(points, 200.0);
    double fgPct = Value(r.out, "FG%");
    EXPECT_GT(fgPct, 0.2);
    EXPECT_LT(fgPct, 0.8);
    // Made never exceeds attempted.
    EXPECT_LE(Value(r.out, "FGM"), Value(r.out, "FGA"));
    EXPECT_LE(Value(r.out, "3PM"), Value(r.out, "3PA"));
    EXPECT_LE(Value(r.out, "FTM"), Value(r.out, "FTA"));
    double home = Value(r.out, "Home wins:");
    EXPECT_GE(home, 0.0);
    EXPECT_LE(home, 1.0);
    EXPECT_GE(Value(r.out, "Overtime games:"), 0.0);
    // The throwaway league leaves nothing behind.
    EXPECT_FALSE(fs::exists(this->home / "leaguedata" / "bench"));
    EXPECT_FALSE(fs::exists(this->home / "save" / "bench.sav"));
}

TEST_F(CliBench, SaveKeepsTheLeagueItsBoxScoresAndPlayByPlay) {
    BenchRun r = Bench(home, {"--games", "6", "--pbp", "--save", "Bench Test"});
    ASSERT_EQ(r.rc, kExitOk) << r.err;
    EXPECT_TRUE(fs::exists(home / "save" / "Bench Test.sav"));
    fs::path folder = home / "leaguedata" / "Bench Test";
    for (int g = 1; g <= 6; ++g) {
        EXPECT_TRUE(fs::exists(folder / "box" / ("1-" + std::to_string(g) + ".txt"))) << g;
        EXPECT_TRUE(fs::exists(folder / "pbp" / ("1-" + std::to_string(g) + ".txt"))) << g;
    }
    EXPECT_FALSE(fs::exists(folder / "box" / "1-7.txt"));

    // The saved league holds the games: six wins and six losses, and the players' minutes.
    League loaded;
    loaded.programFolder = home.path();
    ScriptedHost host;
    ASSERT_TRUE(LoadLeague(loaded, "Bench Test.sav", host));
    EXPECT_EQ(loaded.state.LeagueName, "Bench Test");
    int wins = 0, losses = 0, minutes = 0;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        wins += loaded.team(t).Wins();
        losses += loaded.team(t).Losses();
    }
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        minutes += loaded.player(id).SeasonStats.Minutes;
    EXPECT_EQ(wins, 6);
    EXPECT_EQ(losses, 6);
    EXPECT_NEAR(minutes, 6 * 2 * 5 * 48, 6 * 2 * 5 * 48 / 10);
}

TEST_F(CliBench, BadSaveNameIsRefusedAndWritesNothing) {
    for (std::string name : std::vector<std::string>{"../escape", "a/b", "back\\slash", "..", "", "bell\a"}) {
        BenchRun r = Bench(home, {"--games", "2", "--save", name});
        EXPECT_EQ(r.rc, kExitRefused) << name;
        EXPECT_NE(r.err.find("league name"), std::string::npos) << name << ": " << r.err;
        EXPECT_EQ(r.out.find("Games:"), std::string::npos) << name;
    }
    EXPECT_FALSE(fs::exists(home / "escape.sav"));
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench"));
}

TEST_F(CliBench, SaveNeverOverwritesASavedLeague) {
    home.Write("save/Mine.sav", "someone's league");
    BenchRun r = Bench(home, {"--games", "2", "--save", "Mine"});
    EXPECT_EQ(r.rc, kExitRefused);
    EXPECT_NE(r.err.find("saved league named \"Mine\""), std::string::npos) << r.err;
    std::ifstream in(home / "save" / "Mine.sav");
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "someone's league");
}

TEST_F(CliBench, AFileErrorStopsTheBenchAndLeavesNoThrowawayFolder) {
    // A folder where the second game's box score should go: it cannot be written.
    fs::create_directories(home / "leaguedata" / "bench" / "box" / "1-2.txt");
    BenchRun r = Bench(home, {"--games", "3"});
    EXPECT_EQ(r.rc, kExitRefused);
    EXPECT_NE(r.err.find("1-2.txt"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("Games:"), std::string::npos);
    EXPECT_FALSE(fs::exists(home / "leaguedata" / "bench"));
}

TEST_F(CliBench, GameCountOutsideItsRangeIsAUsageError) {
    for (const char* count : {"0", "40000", "x"}) {
        BenchRun r = Bench(home, {"--games", count});
        EXPECT_EQ(r.rc, kExitUsage) << count;
        EXPECT_NE(r.err.find("--games"), std::string::npos) << count << ": " << r.err;
    }
}

TEST_F(CliBench, AnExistingSavedLeagueNamedBenchIsLeftAlone) {
    home.Write("save/bench.sav", "someone's league");
    home.Write("leaguedata/bench/box/1-1.txt", "someone's box score");
    BenchRun r = Bench(home, {"--games", "2"});
    EXPECT_EQ(r.rc, kExitRefused);
    EXPECT_NE(r.err.find("saved league named \"bench\""), std::string::npos) << r.err;
    EXPECT_TRUE(fs::exists(home / "leaguedata" / "bench" / "box" / "1-1.txt"));
    EXPECT_EQ(r.out.find("Games:"), std::string::npos);
}

} // namespace
} // namespace hv
