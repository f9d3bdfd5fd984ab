// The league commands of hoopvale-cli, run in-process on a fresh program folder: one case per command, the
// refusals that exit 1 and change nothing, usage errors, and a save that fails.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <memory>
#include <sstream>

#include "cli/cli_app.h"
#include "core/sample_league.h"
#include "league/league_options.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

struct CliResult {
    int status;
    std::string out, err;
};

class CliLeague : public ::testing::Test {
  protected:
    void SetUp() override {
        home.WriteMinimalData();
        League league;
        league.programFolder = home.path();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        league.state.Password = kNoPassword;
        league.player(1).Name = "Bob \"The, Rock\"";
        ScriptedHost host;
        ASSERT_TRUE(SaveLeague(league, "Test League", host));
        league.state.Password = "Sésame";
        ASSERT_TRUE(SaveLeague(league, "Locked", host));
    }
    CliResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string()});
        std::ostringstream out, err;
        const int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }
    std::string FileBytes(const std::string& league) {
        std::ifstream in(home / "save" / (league + ".sav"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    // On the heap: a league is large, and the command run beside it holds one of its own.
    std::unique_ptr<League> Load(const std::string& name) {
        auto league = std::make_unique<League>();
        league->programFolder = home.path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(*league, name + ".sav", host)) << host.LastMessage();
        return league;
    }
    test::TempHome home;
};

TEST_F(CliLeague, LeaguesListsEachSaveWithItsStatusLineOrSaysThereAreNone) {
    home.Write("save/broken.sav", "not a league");
    CliResult r = Run({"leagues"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "League       Season  Phase\nLocked         2004  Day 45\nTest League    2004  Day 45\n"
                     "broken               (not a valid saved game)\n");
    fs::remove_all(home / "save");
    EXPECT_EQ(Run({"leagues"}).out, "No saved leagues.\n");
}

// A valid file that a save would write differently (values written but not read back): any rewrite shows.
TEST_F(CliLeague, ShowPrintsStatusAndOptionsAndDoesNotRewriteTheFile) {
    const auto league = Load("Test League");
    league->team(1).Reserved = {5, 6};
    const std::string distinct = EncodeLeague(*league, "Test League");
    home.Write("save/Test League.sav", distinct);
    CliResult r = Run({"show", "Test League"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "League: Test League\nSeason 2004 - Day 45\nInjuries: off\nSave box scores: on\n"
                     "Lock simulation: on\nLock end of season: off\nSalary cap: $43,210,987\nPassword: none\n"
                     "Commissioner rights: yes\n");
    EXPECT_TRUE(FileBytes("Test League") == distinct);
}

TEST_F(CliLeague, PlayersAsATableOrCsvForTheLeagueOrOneTeam) {
    CliResult r = Run({"players", "Test League"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind(" ID  Name", 0), 0u) << r.out.substr(0, 80);
    EXPECT_NE(r.out.find("\n  2  Marcus Müller  "), std::string::npos);
    const auto league = Load("Test League");
    const std::string team = league->team(3).Name;
    CliResult csv = Run({"players", "Test League", "--csv", "--team", team});
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream lines(csv.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("ID,Name,Team,DefaultPosition,Age,Height,Weight,Experience,InsideScoring,", 0), 0u);
    int rows = 0, expected = 0;
    for (; std::getline(lines, line); ++rows)
        EXPECT_NE(line.find("," + team + ","), std::string::npos) << line;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        expected += !league->player(id).IsEmpty() && league->player(id).Team == team;
    EXPECT_EQ(rows, expected);
    EXPECT_NE(Run({"players", "Test League", "--csv"}).out.find("\n1,\"Bob \"\"The, Rock\"\"\","),
              std::string::npos);
}

TEST_F(CliLeague, OptionsAndPasswordChangeAndSaveTheLeagueOnlyWhenAsked) {
    const std::string before = FileBytes("Test League");
    ASSERT_EQ(Run({"options", "Test League"}).status, 0);
    EXPECT_TRUE(FileBytes("Test League") == before) << "nothing changed, nothing saved";
    CliResult r = Run({"options", "Test League", "--injuries", "on", "--lock-sim", "off", "--save-boxes",
                       "off", "--lock-end", "on", "--salary-cap", "$50,000,000"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Salary cap: $50,000,000"), std::string::npos);
    const SeasonState s = Load("Test League")->state;
    EXPECT_EQ(std::make_tuple(s.LeagueInjuries, s.LockSimulation, s.SaveBoxScores, s.LockEndSeason,
                              s.SalaryCapDollars()),
              std::make_tuple(true, false, false, true, 50000000));
    ASSERT_EQ(Run({"password", "Test League", "--set", "hoops"}).status, 0);
    EXPECT_EQ(Load("Test League")->state.Password, "hoops");
    EXPECT_EQ(FileBytes("Test League").find("hoops"), std::string::npos) << "stored scrambled";
    CliResult ok = Run({"--commish", "Sésame", "options", "Locked", "--injuries", "on"});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.err.find("Login Complete"), std::string::npos);
    EXPECT_EQ(std::make_tuple(Load("Locked")->state.LeagueInjuries, Load("Locked")->state.CommissionerRights),
              std::make_tuple(true, false))
        << "rights are never saved";
    ASSERT_EQ(Run({"--commish", "hoops", "password", "Test League", "--none"}).status, 0);
    EXPECT_EQ(Load("Test League")->state.Password, "N/A");
}

// Every refusal exits 1 with its message and leaves the saved leagues as they were.
TEST_F(CliLeague, RefusalsExitOneAndChangeNothing) {
    home.Write("save/Bad.sav", std::string(5000, '\x01'));
    home.Write("outside.sav", "x");
    const std::string test = FileBytes("Test League"), locked = FileBytes("Locked");
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--no", "delete", "Locked"}, "Are you sure you want to delete Locked.sav? [no]"},
        {{"delete", "../outside"}, "Error: "},
        {{"show", "Nope"}, "File Not Found: The file Nope.sav was not found."},
        {{"show", "Bad"}, "Error: The file Bad.sav is not a valid saved game."},
        {{"options", "Locked", "--injuries", "on"},
         "League Options: Only the league commissioner may change"},
        {{"--commish", "sésame", "options", "Locked", "--injuries", "on"}, "Login Failed"},
        {{"options", "Test League", "--injuries", "on", "--salary-cap", "-5"},
         "League Options: The salary cap must be between $0 and $2,147,483,647."},
        {{"password", "Locked", "--none"}, "Set/Change League Password: Only the league commissioner"},
        {{"password", "Test League", "--set", "N/A"}, "Invalid Password"}};
    for (const auto& [args, message] : cases) {
        CliResult r = Run(args);
        EXPECT_EQ(r.status, kExitRefused) << args[1];
        EXPECT_NE(r.err.find(message), std::string::npos) << args[1] << ": " << r.err;
    }
    EXPECT_TRUE(FileBytes("Test League") == test && FileBytes("Locked") == locked);
    EXPECT_TRUE(fs::exists(home / "outside.sav"));
    for (const std::vector<std::string>& usage : {std::vector<std::string>{"show"},
                                                  {"options", "Test League", "--injuries", "maybe"},
                                                  {"password", "Test League"},
                                                  {"password", "Test League", "--set", "a", "--none"}})
        EXPECT_EQ(Run(usage).status, kExitUsage) << usage[0];
    CliResult yes = Run({"delete", "Locked"});
    EXPECT_EQ(yes.status, kExitOk) << yes.err;
    EXPECT_FALSE(fs::exists(home / "save/Locked.sav"));
}

// A save that cannot be written (files limited to half the league's size, a limit that binds even the
// super-user) exits 1 and keeps the previous file.
TEST_F(CliLeague, AFailedSaveExitsOneAndKeepsThePreviousFile) {
    const std::string before = FileBytes("Test League");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = before.size() / 2;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    CliResult r = Run({"options", "Test League", "--injuries", "on"});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(r.status, kExitRefused);
    EXPECT_NE(r.err.find("Error: The league could not be saved to Test League.sav"), std::string::npos)
        << r.err;
    EXPECT_TRUE(FileBytes("Test League") == before);
    for (const auto& entry : fs::directory_iterator(home / "save"))
        EXPECT_NE(entry.path().extension(), ".tmp") << "no temporary file is left";
}

} // namespace
} // namespace hv
