// Start-up: the installation check, the settings and the folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/cli_app.h"
#include "platform/scripted_host.h"
#include "setup/startup.h"
#include "support/build_paths.h"
#include "support/temp_home.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

TEST(Startup, AMinimalInstallationStartsAndPreparesItsFolders) {
    test::TempHome home;
    home.WriteMinimalData();
    Session session;
    ScriptedHost host;
    session.league.programFolder = home.path();
    ASSERT_TRUE(RunStartup(session, host, {})) << host.LastMessage();
    EXPECT_TRUE(host.messages.empty());
    const League& l = session.league;
    EXPECT_EQ(std::make_tuple(l.state.SeasonDay, l.leagueOpen, l.state.LeagueName),
              std::make_tuple(Phase::NoLeague, false, "default"));
    EXPECT_TRUE(fs::exists(home / "current.lge"));
    for (const auto& folder : ProgramFolders())
        EXPECT_TRUE(fs::is_directory(home / folder)) << folder;
    EXPECT_TRUE(fs::is_directory(home / "leaguedata/default/html/tmstats/shoffense"));
    // Name lists are 1-based and skip blank lines; a Windows line end is not part of the name.
    EXPECT_EQ(l.firstNames, (std::vector<std::string>{"", "Alan", "Brian", "Carl"}));
    EXPECT_EQ(std::make_tuple(l.lastNames.size(), l.colleges.size(), l.injuryTypes.size()),
              std::make_tuple(3u, 2u, 3u));
    EXPECT_EQ(std::make_tuple(l.injuryTypes[1].Text, l.injuryTypes[2].Text, l.injuryTypes[2].Severity),
              std::make_tuple("", " torn knee ligament", 10));
}

// Each missing or wrong file stops the program with its message, before anything is written; the command
// line prints it as one "TITLE: TEXT" line ("Hoopvale" when the message has no title) and exits with
// status 3. A mistyped program folder is named and not created.
TEST(Startup, EachMissingFileStopsTheProgramWithItsMessage) {
    const struct {
        const char* file;
        const char* title;
        const char* text;
    } cases[] = {{"default.lge", "Error", "Missing File: default.lge\nPlease reinstall the game."},
                 {"Injuries.dat", "File Not Found", "Injuries.dat is missing, please reinstall the game."},
                 {"gamedata/Firstnames.txt", "", "Fatal Error: Firstnames.txt not found."},
                 {"season 2002", "Error", "Invalid default.lge file"},
                 {"day 5", "Error", "Invalid default.lge file"},
                 {"not a database", "Error", "Invalid default.lge file"},
                 {"mistyped", "Error", "Missing File: default.lge\nPlease reinstall the game."}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        test::TempHome home;
        const std::string what = c.file;
        home.WriteMinimalData(what == "season 2002" ? 2002 : 2001, what == "day 5" ? 5 : 0);
        if (what == "not a database") home.Write("default.lge", "this is not a database");
        fs::remove(home / what);
        const fs::path folder = what == "mistyped" ? home / "mistyped" : home.path();
        Session session;
        ScriptedHost host;
        session.league.programFolder = folder;
        EXPECT_FALSE(RunStartup(session, host, {}));
        ASSERT_EQ(host.messages.size(), 1u);
        std::string text = c.text;
        if (text.rfind("Missing File", 0) == 0) text += "\nProgram folder searched: " + folder.string();
        EXPECT_EQ(std::make_tuple(host.messages[0].title, host.messages[0].text, host.messages[0].icon),
                  std::make_tuple(std::string(c.title), text, MessageIcon::Critical));
        if (text == "Invalid default.lge file") {
            EXPECT_EQ(session.database, nullptr) << "the database is closed again";
        }
        if (what == "default.lge" || what == "Injuries.dat" || what == "mistyped") {
            EXPECT_FALSE(fs::exists(what == "mistyped" ? folder : folder / "save")); // nothing created
        }
        if (what != "mistyped" && *c.title) continue; // the command line, with and without a title
        std::ostringstream out, err;
        EXPECT_EQ(RunCli({"--home", folder.string(), "info"}, out, err, hv::build_paths::kCli), kExitStartup);
        std::replace(text.begin(), text.end(), '\n', ' ');
        EXPECT_EQ(err.str(), std::string(*c.title ? c.title : "Hoopvale") + ": " + text + "\n");
        EXPECT_FALSE(fs::exists(home / "mistyped"));
    }
}

// "FirstSeason" is limited to 1891 to 3000 (no leading digits reads as 0), a negative "SalaryCap" gives 0,
// keys and sections are found whatever their letter case, a byte-order mark is skipped, and a missing file
// gives the defaults.
TEST(Startup, SettingsAreReadAndLimited) {
    test::TempHome home;
    const std::pair<std::string, Settings> cases[] = {
        {"[default settings]\nFirstSeason=1800\nsalarycap = -5\n[Creation Draft Settings]\nSalaryStyle=2 ; "
         "keep\n",
         {2, 0, 1891}},
        {"[Default Settings]\nFirstSeason=5000\nSalaryCap=30000000abc\n", {0, 30000000, 3000}},
        {"[Other]\nFirstSeason=2010\n[Default Settings]\nFirstSeason=x\n", {0, 42500000, 1891}},
        {"\xEF\xBB\xBF[Default Settings]\r\nFirstSeason=2010\r\n", {0, 42500000, 2010}}}; // a byte-order mark
    for (const auto& [text, expected] : cases) {
        home.Write("HVL.ini", text);
        const Settings s = ReadSettings(home / "HVL.ini");
        EXPECT_EQ(std::make_tuple(s.SalaryStyle, s.SalaryCap, s.FirstSeason),
                  std::make_tuple(expected.SalaryStyle, expected.SalaryCap, expected.FirstSeason))
            << text;
    }
    EXPECT_EQ(ReadSettings(home / "missing.ini").FirstSeason, 2003);
}

} // namespace
} // namespace hv
