// The league commands of hoopvale-cli: one case per command, refusals, usage errors and a failed save.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "league/league_options.h"
#include "support/cli_test.h"
#include "support/sample_league.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

class CliLeague : public test::CliTest {
  protected:
    void SetUp() override {
        home.WriteMinimalData();
        League league;
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        league.state.Password = kNoPassword;
        league.player(1).Name = "Bob \"The, Rock\"";
        Save(league, "Test League");
        league.state.Password = "Sésame";
        Save(league, "Locked");
    }
};

TEST_F(CliLeague, LeaguesListsEachSaveWithItsStatusLineOrSaysThereAreNone) {
    home.Write("save/broken.sav", "not a league");
    EXPECT_EQ(Run({"leagues"}).out,
              "League       Season  Phase\nLocked         2004  Day 45\n"
              "Test League    2004  Day 45\nbroken               (not a valid saved game)\n");
    fs::remove_all(home / "save");
    EXPECT_EQ(Run({"leagues"}).out, "No saved leagues.\n");
}

// A valid file that a save would write differently (values written but not read back): any rewrite shows.
TEST_F(CliLeague, ShowPrintsStatusAndOptionsAndDoesNotRewriteTheFile) {
    const auto league = Load("Test League");
    league->team(1).Reserved = {5, 6};
    const std::string distinct = EncodeLeague(*league, "Test League");
    home.Write("save/Test League.sav", distinct);
    const test::CliResult r = Run({"show", "Test League"});
    EXPECT_EQ(
        r.out,
        "League: Test League\nSeason 2004 - Day 45\nInjuries: off\nSave box scores: on\n"
        "Lock simulation: on\nLock end of season: off\nSalary cap: $43,210,987\nGame engine: As specified\n"
        "Trade judgement: As specified\nPassword: none\n"
        "Commissioner rights: yes\n");
    EXPECT_TRUE(Bytes("Test League") == distinct);
}

TEST_F(CliLeague, OptionsAndPasswordChangeAndSaveTheLeagueOnlyWhenAsked) {
    const std::string before = Bytes("Test League");
    ASSERT_EQ(Run({"options", "Test League"}).status, 0);
    EXPECT_TRUE(Bytes("Test League") == before) << "nothing changed, nothing saved";
    const test::CliResult r = Run({"options", "Test League", "--injuries", "on", "--lock-sim", "off",
                                   "--save-boxes", "off", "--lock-end", "on", "--salary-cap", "$50,000,000"});
    ASSERT_EQ(r.status, 0) << r.err;
    const SeasonState s = Load("Test League")->state;
    EXPECT_EQ(std::make_tuple(s.LeagueInjuries, s.LockSimulation, s.SaveBoxScores, s.LockEndSeason,
                              s.SalaryCapDollars()),
              std::make_tuple(true, false, false, true, 50000000));
    ASSERT_EQ(Run({"password", "Test League", "--set", "hoops"}).status, 0);
    EXPECT_EQ(Load("Test League")->state.Password, "hoops");
    const test::CliResult ok = Run({"--commish", "Sésame", "options", "Locked", "--injuries", "on"});
    EXPECT_EQ(ok.status, 0) << ok.err;
    const auto locked = Load("Locked");
    EXPECT_EQ(std::make_tuple(locked->state.LeagueInjuries, locked->state.CommissionerRights),
              std::make_tuple(true, false))
        << "rights are never saved";
}

// The game engine and the trade judgement: set, saved and shown; in a season under way only the
// commissioner may change them.
TEST_F(CliLeague, EngineAndTradeJudgementAreTheCommissionersOnceTheSeasonHasBegun) {
    const test::CliResult r = Run({"options", "Test League", "--engine", "calibrated", "--trades", "shrewd"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.Says("Game engine: Calibrated\nTrade judgement: Shrewd\n"));
    EXPECT_EQ(std::make_pair(Load("Test League")->state.Engine, Load("Test League")->state.Trades),
              std::make_pair(GameEngine::Calibrated, TradeJudgement::Shrewd));
    EXPECT_TRUE(Run({"show", "Test League"}).Says("Game engine: Calibrated\nTrade judgement: Shrewd\n"));
    ExpectRefusals(
        "Locked",
        {{{"options", "Locked", "--engine", "calibrated"},
          1,
          "League Options: Only the league commissioner may change the league options"},
         {{"options", "Locked", "--trades", "shrewd"}, 1, "League Options: Only the league commissioner"},
         {{"options", "Locked", "--engine", "fast"}, 2, "--engine"}});
    ASSERT_EQ(Run({"--commish", "Sésame", "options", "Locked", "--trades", "shrewd"}).status, 0);
    EXPECT_EQ(Load("Locked")->state.Trades, TradeJudgement::Shrewd);
}

TEST_F(CliLeague, RefusalsExitOneAndChangeNothing) {
    home.Write("save/Bad.sav", std::string(5000, '\x01'));
    home.Write("outside.sav", "x");
    fs::create_directories(home / "save/Folder.sav");
    const std::string locked = Bytes("Locked");
    ExpectRefusals(
        "Test League",
        {{{"--no", "delete", "Locked"}, 1, "Are you sure you want to delete Locked.sav? [no]"},
         {{"delete", "../outside"}, 1, "Error: "},
         {{"show", "Bad"}, 1, "Error: The file Bad.sav is not a valid saved game."},
         {{"options", "Locked", "--injuries", "on"}, 1, "League Options: Only the league commissioner"},
         {{"options", "Test League", "--salary-cap", "-5"}, 1, "League Options: The salary cap must be"},
         {{"options", "Test League", "--salary-cap", "$1,2,3"}, 1, "commas may only separate thousands"},
         {{"--lock-wait", "nan", "options", "Test League", "--injuries", "on"}, 2, "Not a number of seconds"},
         {{"show", "Folder"}, 1, "Error: The file Folder.sav is a folder, not a saved game."},
         {{"new", ".hidden"}, 1, "must not begin with \".\""},
         {{"new", " "}, 1, "more than blanks"},
         {{"options", "Test League", "--injuries", "maybe"}, 2, ""},
         {{"password", "Test League", "--set", "N/A"}, 1, "Invalid Password"},
         {{"password", "Test League", "--set", "a", "--none"}, 2, ""}});
    EXPECT_TRUE(Bytes("Locked") == locked);
    EXPECT_TRUE(fs::exists(home / "outside.sav"));
    EXPECT_EQ(Run({"delete", "Locked"}).status, kExitOk);
    EXPECT_FALSE(fs::exists(home / "save/Locked.sav"));
}

// A save that cannot be written (files limited to half the league's size, a limit that binds even the
// super-user) exits 1 and keeps the previous file.
TEST_F(CliLeague, AFailedSaveExitsOneAndKeepsThePreviousFile) {
    const std::string before = Bytes("Test League");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = before.size() / 2;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const test::CliResult r = Run({"options", "Test League", "--injuries", "on"});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(r.status, kExitRefused);
    EXPECT_NE(r.err.find("Error: The league could not be saved to Test League.sav"), std::string::npos)
        << r.err;
    EXPECT_TRUE(Bytes("Test League") == before);
    for (const auto& entry : fs::directory_iterator(home / "save"))
        EXPECT_NE(entry.path().extension(), ".tmp") << "no temporary file is left";
}

} // namespace
} // namespace hv
