#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_app.h"
#include "league/startup.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace hv {
namespace {

class Startup : public ::testing::Test {
  protected:
    bool Run() {
        session.league.programFolder = home.path();
        return RunStartup(session, host, {});
    }
    test::TempHome home;
    Session session;
    ScriptedHost host;
};

TEST_F(Startup, MinimalInstallationStartsAndPreparesFolders) {
    home.WriteMinimalData();
    ASSERT_TRUE(Run()) << host.LastMessage();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(session.league.state.SeasonDay, Phase::NoLeague);
    EXPECT_FALSE(session.league.leagueOpen);
    EXPECT_EQ(session.league.state.LeagueName, "default");
    EXPECT_TRUE(std::filesystem::exists(home / "current.lge"));
    for (const auto& folder : ProgramFolders())
        EXPECT_TRUE(std::filesystem::is_directory(home / folder)) << folder;
    EXPECT_TRUE(std::filesystem::is_directory(home / "leaguedata/default/html/tmstats/shoffense"));
    // Name lists are 1-based and skip blank lines; a Windows line end is not part of the name.
    EXPECT_EQ(session.league.firstNames, (std::vector<std::string>{"", "Alan", "Brian", "Carl"}));
    EXPECT_EQ(session.league.lastNames.size(), 3u);
    EXPECT_EQ(session.league.colleges.size(), 2u);
    ASSERT_EQ(session.league.injuryTypes.size(), 3u);
    EXPECT_EQ(session.league.injuryTypes[1].Text, "");
    EXPECT_EQ(session.league.injuryTypes[2].Text, " torn knee ligament");
    EXPECT_EQ(session.league.injuryTypes[2].Severity, 10);
    EXPECT_EQ(session.settings.SalaryCap, 42500000);
    EXPECT_EQ(session.settings.FirstSeason, 2003);
    EXPECT_EQ(session.settings.SalaryStyle, 0);
}

TEST_F(Startup, MissingDefaultDatabaseWritesNothing) {
    home.WriteMinimalData();
    std::filesystem::remove(home / "default.lge");
    EXPECT_FALSE(Run());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Missing File: default.lge\nPlease reinstall the game.\nProgram folder searched: " +
                  home.path().string());
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(std::filesystem::exists(home / "current.lge"));
    EXPECT_FALSE(std::filesystem::exists(home / "save"));
}

TEST_F(Startup, MissingInjuryTableIsFatalBeforeAnythingIsWritten) {
    home.WriteMinimalData();
    std::filesystem::remove(home / "Injuries.dat");
    EXPECT_FALSE(Run());
    EXPECT_EQ(host.LastMessage(), "Injuries.dat is missing, please reinstall the game.");
    EXPECT_EQ(host.messages[0].title, "File Not Found");
    EXPECT_FALSE(std::filesystem::exists(home / "current.lge"));
}

TEST_F(Startup, MissingNameListsAreFatal) {
    home.WriteMinimalData();
    std::filesystem::remove(home / "gamedata/Firstnames.txt");
    EXPECT_FALSE(Run());
    EXPECT_EQ(host.LastMessage(), "Fatal Error: Firstnames.txt not found.");

    home.WriteMinimalData();
    std::filesystem::remove(home / "gamedata/lastnames.txt");
    host.messages.clear();
    EXPECT_FALSE(Run());
    EXPECT_EQ(host.LastMessage(), "Fatal Error: lastnames.txt not found.");
}

TEST_F(Startup, DatabaseMustHoldTheFirstSeasonBeforeItStarts) {
    for (auto [season, day] : {std::pair{2002, 0}, std::pair{2001, 5}}) {
        test::TempHome other;
        other.WriteMinimalData(season, day);
        Session s;
        ScriptedHost h;
        s.league.programFolder = other.path();
        EXPECT_FALSE(RunStartup(s, h, {}));
        EXPECT_EQ(h.LastMessage(), "Invalid default.lge file");
        EXPECT_EQ(s.database, nullptr);
    }
    home.WriteMinimalData();
    home.Write("default.lge", "this is not a database");
    EXPECT_FALSE(Run());
    EXPECT_EQ(host.LastMessage(), "Invalid default.lge file");
}

TEST_F(Startup, SettingsAreLimited) {
    home.WriteMinimalData();
    home.Write("HVL.ini", "[default settings]\nFirstSeason=1800\nsalarycap = -5\n[Creation Draft Settings]\n"
                          "SalaryStyle=2 ; keep contracts\n");
    ASSERT_TRUE(Run());
    EXPECT_EQ(session.settings.FirstSeason, 1891);
    EXPECT_EQ(session.settings.SalaryCap, 0);
    EXPECT_EQ(session.settings.SalaryStyle, 2);
    home.Write("HVL.ini", "[Default Settings]\nFirstSeason=5000\nSalaryCap=30000000abc\n");
    Settings s = ReadSettings(home / "HVL.ini");
    EXPECT_EQ(s.FirstSeason, 3000);
    EXPECT_EQ(s.SalaryCap, 30000000);
    home.Write("HVL.ini", "[Other]\nFirstSeason=2010\n[Default Settings]\nFirstSeason=x\n");
    EXPECT_EQ(ReadSettings(home / "HVL.ini").FirstSeason, 1891); // no leading digits reads as 0
    EXPECT_EQ(ReadSettings(home / "missing.ini").FirstSeason, 2003);
}

// The command line reports each start-up failure as one message line and exit status 3.
TEST(CliStartup, EachMissingFileExitsWithStatusThree) {
    const std::pair<const char*, const char*> cases[] = {
        {"default.lge",
         "Error: Missing File: default.lge Please reinstall the game. Program folder searched: "},
        {"Injuries.dat", "File Not Found: Injuries.dat is missing, please reinstall the game."},
        {"gamedata/Firstnames.txt", "Hoopvale: Fatal Error: Firstnames.txt not found."},
        {"gamedata/lastnames.txt", "Hoopvale: Fatal Error: lastnames.txt not found."},
    };
    for (auto [file, message] : cases) {
        test::TempHome home;
        home.WriteMinimalData();
        std::filesystem::remove(home / file);
        std::ostringstream out, err;
        EXPECT_EQ(RunCli({"--home", home.path().string(), "info"}, out, err, HOOPVALE_CLI_PATH), kExitStartup)
            << file;
        EXPECT_EQ(err.str().rfind(message, 0), 0u) << file << ": " << err.str();
        EXPECT_TRUE(out.str().empty()) << file;
    }
    test::TempHome home;
    home.WriteMinimalData(2002, 0);
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--home", home.path().string(), "info"}, out, err, HOOPVALE_CLI_PATH), kExitStartup);
    EXPECT_EQ(err.str(), "Error: Invalid default.lge file\n");
}

TEST(CliStartup, InfoShowsCaptionFolderSettingsAndLeagues) {
    test::TempHome home;
    home.WriteMinimalData();
    home.Write("HVL.ini", "[Default Settings]\nFirstSeason=5000\n");
    home.Write("save/Zeta.sav", "x");
    home.Write("save/Alpha.sav", "x");
    home.Write("save/notes.txt", "x");
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--home", home.path().string(), "info"}, out, err, HOOPVALE_CLI_PATH), kExitOk)
        << err.str();
    std::string text = out.str();
    EXPECT_EQ(text.rfind(WindowCaption() + "\n", 0), 0u);
    EXPECT_NE(text.find("Program folder: " + home.path().string() + "\n"), std::string::npos);
    EXPECT_NE(text.find("SalaryStyle=0\nSalaryCap=42500000\nFirstSeason=3000\n"), std::string::npos);
    EXPECT_NE(text.find("  Alpha\n  Zeta\n"), std::string::npos);
    EXPECT_EQ(text.find("notes"), std::string::npos);
}

TEST(CliUsage, UnknownCommandOrOptionIsAUsageError) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"frobnicate"}, out, err, HOOPVALE_CLI_PATH), kExitUsage);
    EXPECT_EQ(RunCli({"--seed", "abc", "info"}, out, err, HOOPVALE_CLI_PATH), kExitUsage);
    EXPECT_EQ(RunCli({}, out, err, HOOPVALE_CLI_PATH), kExitUsage);
    std::ostringstream help, none;
    EXPECT_EQ(RunCli({"bench", "--help"}, help, none, HOOPVALE_CLI_PATH), kExitOk);
    EXPECT_NE(help.str().find("Usage: hoopvale-cli bench"), std::string::npos);
    EXPECT_NE(help.str().find("--games"), std::string::npos);
}

} // namespace
} // namespace hv
