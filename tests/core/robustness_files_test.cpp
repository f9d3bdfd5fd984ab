// Bad files around the program: the save folder, the installation's data files, the working database.
// Each case is refused with a clear message (or read past safely) and changes nothing.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "core/sample_league.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "league/startup.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun RunIn(const test::TempHome& home, std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.path().string()});
    std::ostringstream out, err;
    int status = RunCli(args, out, err, HOOPVALE_CLI_PATH);
    return {status, out.str(), err.str()};
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// A program folder with the minimal data files and one valid saved league, "Good".
class SaveFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        home.WriteMinimalData();
        League league;
        league.programFolder = home.path();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        ASSERT_TRUE(SaveLeague(league, "Good", host)) << host.LastMessage();
    }
    test::TempHome home;
    ScriptedHost host;
};

TEST_F(SaveFolder, ALinkLoopIsPassedOverByEveryListing) {
    fs::create_symlink("loop.sav", home / "save/loop.sav");
    for (const char* command : {"info", "leagues"}) {
        CliRun r = RunIn(home, {command});
        EXPECT_EQ(r.status, 0) << command << ": " << r.err;
        EXPECT_NE(r.out.find("Good"), std::string::npos) << command;
        EXPECT_EQ(r.out.find("loop"), std::string::npos) << command;
    }
    CliRun show = RunIn(home, {"show", "loop"});
    EXPECT_EQ(show.status, 1);
    EXPECT_EQ(show.err, "File Not Found: The file loop.sav was not found.\n");
}

TEST_F(SaveFolder, AFolderThatCannotBeListedIsReportedNotThrown) {
    test::TempHome other;
    other.Write("save", "a file where the save folder should be");
    std::string problem;
    EXPECT_TRUE(ListSavedGames(other.path(), &problem).empty());
    EXPECT_EQ(problem,
              "The save folder " + (other / "save").string() + " could not be read: Not a directory.");
    ListSavedGames(home.path(), &problem);
    EXPECT_EQ(problem, "");
}

TEST_F(SaveFolder, AFileTooLargeForASavedGameIsRefusedUnreadAndListedFromItsHeader) {
    { std::ofstream(home / "save/huge.sav"); }
    fs::resize_file(home / "save/huge.sav", kMaxSaveFileBytes + 1); // sparse: costs no disk
    CliRun show = RunIn(home, {"show", "huge"});
    EXPECT_EQ(show.status, 1);
    EXPECT_EQ(show.err, "Error: The file huge.sav is too large to be a saved game.\n");
    CliRun list = RunIn(home, {"leagues"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_NE(list.out.find("huge  "), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("(not a valid saved game)"), std::string::npos) << list.out;
}

TEST_F(SaveFolder, ASaveRemovesItsOwnStaleTemporaryFilesOnly) {
    for (const char* name : {".Good.sav.1f2e3d.tmp", ".Good.sav.0.tmp", ".Other.sav.1f2e3d.tmp",
                             ".Good.sav.notes.tmp", "Good.sav.1f2e3d.tmp"})
        home.Write(std::string("save/") + name, "left over");
    League league;
    league.programFolder = home.path();
    ASSERT_TRUE(LoadSavedGame(league, "Good.sav", host)) << host.LastMessage();
    ASSERT_TRUE(SaveLeague(league, "Good", host)) << host.LastMessage();
    EXPECT_FALSE(fs::exists(home / "save/.Good.sav.1f2e3d.tmp"));
    EXPECT_FALSE(fs::exists(home / "save/.Good.sav.0.tmp"));
    for (const char* kept : {".Other.sav.1f2e3d.tmp", ".Good.sav.notes.tmp", "Good.sav.1f2e3d.tmp"})
        EXPECT_TRUE(fs::exists(home / "save" / kept)) << kept;
    ASSERT_TRUE(DeleteSavedGame(home.path(), "Good.sav", host));
    EXPECT_FALSE(fs::exists(home / "save/Good.sav"));
}

TEST_F(SaveFolder, ASaveKeepsThePreviousFilesPermissions) {
    const fs::path file = home / "save/Good.sav";
    for (auto mode : {fs::perms::owner_read | fs::perms::owner_write,
                      fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read}) {
        fs::permissions(file, mode);
        League league;
        league.programFolder = home.path();
        ASSERT_TRUE(LoadSavedGame(league, "Good.sav", host));
        ASSERT_TRUE(SaveLeague(league, "Good", host)) << host.LastMessage();
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, mode);
    }
}

// ---- The installation's data files ----

class DataFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        home.WriteMinimalData();
        session.league.programFolder = home.path();
    }
    bool Run() { return RunStartup(session, host); }
    test::TempHome home;
    Session session;
    ScriptedHost host;
};

TEST_F(DataFiles, TheWorkingDatabaseIsReplacedWholeNotOverwrittenInPlace) {
    // A second program still reading the old working copy: here a second name for the same file.
    home.Write("reader.lge", "the old working copy");
    fs::create_hard_link(home / "reader.lge", home / "current.lge");
    ASSERT_TRUE(Run()) << host.LastMessage();
    EXPECT_EQ(Bytes(home / "reader.lge"), "the old working copy");
    EXPECT_EQ(Bytes(home / "current.lge"), Bytes(home / "default.lge"));
    for (const auto& entry : fs::directory_iterator(home.path()))
        EXPECT_NE(entry.path().extension(), ".tmp") << "left behind: " << entry.path();
}

TEST_F(DataFiles, NameListsAndCollegesMustBeNonEmptyUtf8Files) {
    struct Case {
        const char* file;
        std::function<void(const fs::path&)> damage;
        std::string message;
    };
    auto folder = [](const fs::path& p) {
        fs::remove(p);
        fs::create_directory(p);
    };
    auto blank = [](const fs::path& p) { std::ofstream(p) << "\n  \n\r\n"; };
    auto latin1 = [](const fs::path& p) { std::ofstream(p) << "Lakeside\nSt. Ren\xE9\n"; };
    const Case cases[] = {
        {"gamedata/Firstnames.txt", folder, "Fatal Error: Firstnames.txt not found."},
        {"gamedata/lastnames.txt", blank,
         "Fatal Error: lastnames.txt holds no names. Please reinstall the game."},
        {"colleges.dat", latin1,
         "Fatal Error: colleges.dat is not UTF-8 text (name 2). Please reinstall the game."},
        {"colleges.dat", [](const fs::path& p) { fs::remove(p); }, "Fatal Error: colleges.dat not found."},
    };
    for (const Case& c : cases) {
        test::TempHome other;
        other.WriteMinimalData();
        c.damage(other / c.file);
        Session s;
        s.league.programFolder = other.path();
        ScriptedHost h;
        EXPECT_FALSE(RunStartup(s, h)) << c.file;
        EXPECT_EQ(h.LastMessage(), c.message) << c.file;
        EXPECT_EQ(s.database, nullptr) << c.file;
    }
}

TEST_F(DataFiles, DamagedInjuryRecordsGetTheDamagedMessage) {
    const std::string damaged = "Injuries.dat is damaged, please reinstall the game.";
    const InjuryType good{"Sprained Ankle", 1, 3, "n/a"};
    const std::string cases[] = {
        EncodeInjuryRecord({"Bruise", 0, 3, "n/a"}),      // class below 1
        EncodeInjuryRecord({"Bruise", 11, 3, "n/a"}),     // class above 10
        EncodeInjuryRecord({"Bruise", 2, -1, "n/a"}),     // negative days
        EncodeInjuryRecord({"", 2, 3, "n/a"}),            // no name
        EncodeInjuryRecord({"Bruise", 2, 3, "\xFF\xFE"}), // text not UTF-8
    };
    for (const std::string& bad : cases) {
        home.Write("Injuries.dat", EncodeInjuryRecord(good) + bad);
        host.messages.clear();
        EXPECT_FALSE(Run());
        EXPECT_EQ(host.LastMessage(), damaged);
    }
    fs::remove(home / "Injuries.dat");
    fs::create_directory(home / "Injuries.dat");
    EXPECT_FALSE(Run());
    EXPECT_EQ(host.LastMessage(), damaged);
}

TEST_F(DataFiles, TheSeasonRowMustHoldExactlyTheFirstSeason) {
    // Values as a hand-made database might hold them: columns without a type keep what is written.
    const char* rows[] = {"'2001abc', 0", "2001.4, 0", "NULL, 0", "2001, NULL", "2001, '0x'"};
    for (const char* row : rows) {
        fs::remove(home / "default.lge");
        sqlite3* db = nullptr;
        sqlite3_open((home / "default.lge").c_str(), &db);
        std::string sql = std::string("CREATE TABLE SeasonInfo (Season, SeasonDay); INSERT INTO SeasonInfo "
                                      "VALUES (") +
                          row + ");";
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        host.messages.clear();
        EXPECT_FALSE(Run()) << row;
        EXPECT_EQ(host.LastMessage(), "Invalid default.lge file") << row;
    }
}

TEST_F(DataFiles, ASettingsFileWithAByteOrderMarkKeepsItsFirstSection) {
    home.Write("HVL.ini", "\xEF\xBB\xBF[Default Settings]\r\nFirstSeason=2010\r\nSalaryCap=50000000\r\n");
    Settings s = ReadSettings(home / "HVL.ini");
    EXPECT_EQ(s.FirstSeason, 2010);
    EXPECT_EQ(s.SalaryCap, 50000000);
}

TEST_F(DataFiles, AMissingDatabaseNamesTheFolderSearchedAndCreatesNothing) {
    const fs::path mistyped = home / "no-such-folder";
    session.league.programFolder = mistyped;
    EXPECT_FALSE(Run());
    EXPECT_EQ(host.LastMessage(),
              "Missing File: default.lge\nPlease reinstall the game.\nProgram folder searched: " +
                  mistyped.string());
    EXPECT_FALSE(fs::exists(mistyped));
}

} // namespace
} // namespace hv
