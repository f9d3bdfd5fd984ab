// The league commands of hoopvale-cli, run in-process on a fresh program folder.
#include <gtest/gtest.h>

#include <fstream>
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
        home.CopyInstalledData();
        League league;
        league.programFolder = home.path();
        testing::FillSampleLeague(league, {.gameLogEntries = 2, .seasonHistoryEntries = 1});
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
        int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
        return {status, out.str(), err.str()};
    }

    std::string FileBytes(const std::string& league) {
        std::ifstream in(home / "save" / (league + ".sav"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    League Load(const std::string& name) {
        League league;
        league.programFolder = home.path();
        ScriptedHost host;
        EXPECT_TRUE(LoadLeague(league, name + ".sav", host)) << host.LastMessage();
        return league;
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    test::TempHome home;
};

TEST_F(CliLeague, LeaguesListsEachSaveWithItsStatusLineOrSaysThereAreNone) {
    home.Write("save/broken.sav", "not a league");
    CliResult r = Run({"leagues"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out),
              (std::vector<std::string>{"League       Season  Phase", "Locked         2004  Day 45",
                                        "Test League    2004  Day 45",
                                        "broken               (not a valid saved game)"}));
    fs::remove_all(home / "save");
    CliResult none = Run({"leagues"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "No saved leagues.\n");
}

TEST_F(CliLeague, DeleteAsksRefusesUnknownAndUnsafeNames) {
    CliResult no = Run({"--no", "delete", "Locked"});
    EXPECT_EQ(no.status, 1);
    EXPECT_NE(no.err.find("Are you sure you want to delete Locked.sav? [no]"), std::string::npos) << no.err;
    EXPECT_TRUE(fs::exists(home / "save/Locked.sav"));
    CliResult yes = Run({"delete", "Locked"});
    EXPECT_EQ(yes.status, 0) << yes.err;
    EXPECT_FALSE(fs::exists(home / "save/Locked.sav"));
    EXPECT_TRUE(fs::exists(home / "save/Test League.sav"));

    CliResult missing = Run({"delete", "Nothing"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("File Not Found: The file Nothing.sav was not found."), std::string::npos);
    home.Write("outside.sav", "x");
    CliResult unsafe = Run({"delete", "../outside"});
    EXPECT_EQ(unsafe.status, 1);
    EXPECT_NE(unsafe.err.find("Error: "), std::string::npos);
    EXPECT_TRUE(fs::exists(home / "outside.sav"));
}

TEST_F(CliLeague, ShowPrintsStatusAndOptionsAndDoesNotRewriteTheFile) {
    // A valid file that a save would write differently (team values that are written but not read back):
    // any rewrite would show.
    League league = Load("Test League");
    league.team(1).Reserved = {5, 6};
    std::string distinct = EncodeLeague(league, "Test League");
    home.Write("save/Test League.sav", distinct);

    CliResult r = Run({"show", "Test League"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "League: Test League\n"
                     "Season 2004 - Day 45\n"
                     "Injuries: off\n"
                     "Save box scores: on\n"
                     "Lock simulation: on\n"
                     "Lock end of season: off\n"
                     "Salary cap: $43,210,987\n"
                     "Password: none\n"
                     "Commissioner rights: yes\n");
    EXPECT_TRUE(FileBytes("Test League") == distinct);
}

TEST_F(CliLeague, ShowRefusesAMissingOrDamagedLeague) {
    CliResult missing = Run({"show", "Nope"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("File Not Found: The file Nope.sav was not found."), std::string::npos);
    home.Write("save/Bad.sav", std::string(5000, '\x01'));
    CliResult bad = Run({"show", "Bad"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("Error: The file Bad.sav is not a valid saved game."), std::string::npos);
    EXPECT_EQ(Run({"show"}).status, 2);
}

TEST_F(CliLeague, PlayersListsEverySlotInUseWithAHeader) {
    League league = Load("Test League");
    int inUse = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        inUse += !league.player(id).IsEmpty();
    CliResult r = Run({"players", "Test League"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), static_cast<size_t>(inUse) + 1);
    EXPECT_EQ(lines[0].rfind(" ID  Name", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("CurrentRating"), std::string::npos);
    EXPECT_EQ(lines[0].find("JumpShot"), std::string::npos) << "the readable form keeps the main columns";
    EXPECT_EQ(lines[2].rfind("  2  Marcus Müller  ", 0), 0u) << lines[2];
}

TEST_F(CliLeague, PlayersAsCsvQuotesFiltersByTeamAndRefusesAnUnknownTeam) {
    CliResult r = Run({"players", "Test League", "--csv"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    EXPECT_EQ(lines[0], "ID,Name,Team,DefaultPosition,Age,Height,Weight,Experience,InsideScoring,JumpShot,"
                        "ThreePointShot,Scoring,Handling,Passing,Quickness,PostDefense,PerimeterDefense,"
                        "DriveDefense,Stealing,ShotBlocking,OffenseRebound,DefenseRebound,Jumping,Strength,"
                        "Potential,KnownPotential,PotentialGrade,RatingInsideScoring,RatingOutsideScoring,"
                        "RatingHandling,RatingDefense,RatingRebounding,CurrentRating,FutureRating,FitC,FitPF,"
                        "FitSF,FitSG,FitPG,StyleC,StylePF,StyleSF,StyleSG,StylePG,contract1");
    EXPECT_EQ(lines[1].rfind("1,\"Bob \"\"The, Rock\"\"\",", 0), 0u) << lines[1];

    League league = Load("Test League");
    const Player& p = league.player(2);
    std::string expected = "2," + p.Name + "," + p.Team + "," + p.DefaultPosition + "," +
                           std::to_string(p.Age) + "," + std::to_string(p.Height) + "," +
                           std::to_string(p.Weight) + "," + std::to_string(p.Experience) + "," +
                           std::to_string(p.InsideScoring) + ",";
    EXPECT_EQ(lines[2].rfind(expected, 0), 0u) << lines[2];
    EXPECT_NE(lines[2].find("," + std::to_string(p.contract1)), std::string::npos);

    const std::string team = league.team(3).Name;
    CliResult filtered = Run({"players", "Test League", "--csv", "--team", team});
    ASSERT_EQ(filtered.status, 0) << filtered.err;
    auto rows = Lines(filtered.out);
    int expectedRows = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        expectedRows += !league.player(id).IsEmpty() && league.player(id).Team == team;
    ASSERT_GT(expectedRows, 0);
    EXPECT_EQ(rows.size(), static_cast<size_t>(expectedRows) + 1);
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_NE(rows[i].find("," + team + ","), std::string::npos);

    CliResult fa = Run({"players", "Test League", "--team", "FA"});
    EXPECT_EQ(fa.status, 0);
    CliResult unknown = Run({"players", "Test League", "--team", "Nowhere"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Error: There is no team named \"Nowhere\""), std::string::npos)
        << unknown.err;
    EXPECT_TRUE(unknown.out.empty());
}

TEST_F(CliLeague, OptionsChangeAndSaveTheLeague) {
    CliResult r = Run({"options", "Test League", "--injuries", "on", "--lock-sim", "off", "--save-boxes",
                       "off", "--lock-end", "on", "--salary-cap", "$50,000,000"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Salary cap: $50,000,000"), std::string::npos);
    League league = Load("Test League");
    EXPECT_TRUE(league.state.LeagueInjuries);
    EXPECT_FALSE(league.state.LockSimulation);
    EXPECT_FALSE(league.state.SaveBoxScores);
    EXPECT_TRUE(league.state.LockEndSeason);
    EXPECT_EQ(league.state.SalaryCapDollars(), 50000000);
}

TEST_F(CliLeague, OptionsWithoutChangesOnlyShowThem) {
    std::string before = FileBytes("Locked");
    CliResult r = Run({"options", "Locked"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Password: set"), std::string::npos);
    EXPECT_NE(r.out.find("Commissioner rights: no"), std::string::npos);
    EXPECT_TRUE(FileBytes("Locked") == before);
}

TEST_F(CliLeague, OptionsOfAPasswordLeagueNeedTheCommissioner) {
    std::string before = FileBytes("Locked");
    CliResult refused = Run({"options", "Locked", "--injuries", "on"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("League Options: Only the league commissioner may change the league options"),
              std::string::npos)
        << refused.err;
    EXPECT_TRUE(FileBytes("Locked") == before);

    CliResult wrong = Run({"--commish", "sésame", "options", "Locked", "--injuries", "on"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("Login Failed"), std::string::npos);
    EXPECT_TRUE(FileBytes("Locked") == before);

    CliResult ok = Run({"--commish", "Sésame", "options", "Locked", "--injuries", "on"});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.err.find("Login Complete"), std::string::npos);
    EXPECT_TRUE(Load("Locked").state.LeagueInjuries);
    EXPECT_FALSE(Load("Locked").state.CommissionerRights); // rights are never saved
}

TEST_F(CliLeague, ABadSalaryCapChangesNothingAtAll) {
    std::string before = FileBytes("Test League");
    CliResult r = Run({"options", "Test League", "--injuries", "on", "--salary-cap", "-5"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("League Options: The salary cap must be between $0 and $2,147,483,647."),
              std::string::npos)
        << r.err;
    EXPECT_TRUE(FileBytes("Test League") == before);
    EXPECT_EQ(Run({"options", "Test League", "--injuries", "maybe"}).status, 2);
}

TEST_F(CliLeague, PasswordSetRemoveAndRefusals) {
    CliResult set = Run({"password", "Test League", "--set", "hoops"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(Load("Test League").state.Password, "hoops");
    EXPECT_EQ(FileBytes("Test League").find("hoops"), std::string::npos); // stored scrambled

    std::string before = FileBytes("Test League");
    CliResult locked = Run({"password", "Test League", "--none"});
    EXPECT_EQ(locked.status, 1);
    EXPECT_NE(locked.err.find("Set/Change League Password: Only the league commissioner"), std::string::npos);
    EXPECT_TRUE(FileBytes("Test League") == before);

    CliResult invalid = Run({"--commish", "hoops", "password", "Test League", "--set", "N/A"});
    EXPECT_EQ(invalid.status, 1);
    EXPECT_NE(invalid.err.find("Invalid Password"), std::string::npos);
    EXPECT_EQ(Load("Test League").state.Password, "hoops");

    CliResult removed = Run({"--commish", "hoops", "password", "Test League", "--none"});
    EXPECT_EQ(removed.status, 0) << removed.err;
    League league = Load("Test League");
    EXPECT_EQ(league.state.Password, "N/A");
    EXPECT_TRUE(league.state.CommissionerRights);

    EXPECT_EQ(Run({"password", "Test League"}).status, 2);
    EXPECT_EQ(Run({"password", "Test League", "--set", "a", "--none"}).status, 2);
}

} // namespace
} // namespace hv
