// Bad files around the program: the save folder, the installation's data files, the working database.
// Each is refused with a clear message, or read past safely, and changes nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <functional>

#include "league/save_file.h"
#include "league/saved_games.h"
#include "platform/scripted_host.h"
#include "platform/sqlite_db.h"
#include "support/cli_test.h"
#include "support/file_bytes.h"
#include "support/sample_league.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

// Start-up's result and its last message.
std::pair<bool, std::string> Start(const fs::path& folder) {
    Session session;
    session.league.programFolder = folder;
    ScriptedHost host;
    const bool started = RunStartup(session, host);
    return {started, host.LastMessage()};
}

// A program folder with the minimal data files and one saved league, "Good".
class SaveFolder : public test::CliTest {
  protected:
    void SetUp() override {
        home.WriteMinimalData();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 0});
        Save(league, "Good");
    }
    ScriptedHost host;
    League league;
};

TEST_F(SaveFolder, ALinkLoopIsPassedOverAndAFolderThatCannotBeListedIsReported) {
    fs::create_symlink("loop.sav", home / "save/loop.sav");
    for (const char* command : {"info", "leagues"}) {
        const test::CliResult r = Run({command});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.Says("Good") && !r.Says("loop")) << command;
    }
    test::TempHome other;
    other.Write("save", "a file where the save folder should be");
    std::string problem;
    EXPECT_TRUE(ListSavedGames(other.path(), &problem).empty());
    EXPECT_EQ(problem,
              "The save folder " + (other / "save").string() + " could not be read: Not a directory.");
}

TEST_F(SaveFolder, AFileTooLargeForASavedGameIsRefusedUnreadAndListedFromItsHeader) {
    { std::ofstream(home / "save/huge.sav"); }
    fs::resize_file(home / "save/huge.sav", kMaxSaveFileBytes + 1); // sparse: costs no disk
    const test::CliResult show = Run({"show", "huge"});
    EXPECT_EQ(std::tie(show.status, show.err),
              std::make_tuple(1, "Error: The file huge.sav is too large to be a saved game.\n"));
    EXPECT_TRUE(Run({"leagues"}).Says("huge" + std::string(12, ' ') + "(not a valid saved game)"));
}

TEST_F(SaveFolder, ASaveRemovesItsOwnStaleTemporaryFilesAndKeepsThePermissions) {
    const char* ours[] = {".Good.sav.1f2e3d.tmp", ".Good.sav.0.tmp"};
    const char* others[] = {".Other.sav.1f2e3d.tmp", ".Good.sav.notes.tmp", "Good.sav.1f2e3d.tmp"};
    for (const char* name : ours)
        home.Write(std::string("save/") + name, "left over");
    for (const char* name : others)
        home.Write(std::string("save/") + name, "not ours");
    const auto privateMode = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(home / "save/Good.sav", privateMode);
    ASSERT_TRUE(SaveLeague(league, "Good", host)) << host.LastMessage();
    for (const char* name : ours)
        EXPECT_FALSE(fs::exists(home / "save" / name)) << name;
    for (const char* name : others)
        EXPECT_TRUE(fs::exists(home / "save" / name)) << name;
    EXPECT_EQ(fs::status(home / "save/Good.sav").permissions() & fs::perms::all, privateMode);

    // A reader leaves them (a writer may be saving); a load under the league's lock removes them.
    home.Write(std::string("save/") + ours[0], "left over");
    EXPECT_EQ(Run({"show", "Good"}).status, 0);
    EXPECT_TRUE(fs::exists(home / "save" / ours[0]));
    ASSERT_TRUE(LoadSavedGame(league, "Good.sav", host)) << host.LastMessage();
    EXPECT_FALSE(fs::exists(home / "save" / ours[0]));
    EXPECT_TRUE(fs::exists(home / "save" / others[0]));
}

// ---- The installation's data files ----

TEST_F(SaveFolder, TheWorkingDatabaseIsReplacedWholeNotOverwrittenInPlace) {
    // A second program still reading the old working copy: here a second name of the same file.
    home.Write("reader.lge", "the old working copy");
    fs::create_hard_link(home / "reader.lge", home / "current.lge");
    ASSERT_TRUE(Start(home.path()).first);
    EXPECT_EQ(test::FileBytes(home / "reader.lge"), "the old working copy");
    EXPECT_EQ(test::FileBytes(home / "current.lge"), test::FileBytes(home / "default.lge"));
}

// A program folder where no working copy can be made (a folder stands in its place, which stops even the
// super-user) still serves the commands that only read; a command that needs the copy names it. Copies left
// by start-ups killed mid-copy are removed, those of a program starting now are not.
TEST_F(SaveFolder, TheCommandsThatOnlyReadNeedNoWorkingCopy) {
    fs::create_directories(home / "current.lge/in the way");
    const std::string dead = ".current.lge.999999999.tmp",
                      alive = ".current.lge." + std::to_string(::getppid()) + ".tmp";
    home.Write(dead, "killed mid-copy");
    home.Write(alive, "being copied");
    for (auto args : {std::vector<std::string>{"show", "Good"}, {"players", "Good"}, {"info"}}) {
        const test::CliResult r = Run(args);
        EXPECT_EQ(r.status, kExitOk) << args[0] << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists(home / dead));
    EXPECT_TRUE(fs::exists(home / alive));
    const test::CliResult made = Run({"new", "Fresh"});
    EXPECT_EQ(made.status, kExitStartup);
    EXPECT_EQ(made.err.rfind("Error: The working database " + (home / "current.lge").string() +
                                 " could not be made from default.lge: ",
                             0),
              0u)
        << made.err;
    EXPECT_FALSE(fs::exists(home / (".current.lge." + std::to_string(::getpid()) + ".tmp")));
}

TEST_F(SaveFolder, EveryDamagedDataFileIsRefusedWithItsMessage) {
    const std::string damaged = "Injuries.dat is damaged, please reinstall the game.";
    auto injury = [](InjuryType bad) {
        return [bad](const fs::path& h) {
            std::ofstream(h / "Injuries.dat")
                << EncodeInjuryRecord({"Sprained Ankle", 1, 3, "n/a"}) << EncodeInjuryRecord(bad);
        };
    };
    auto season = [](const char* row) {
        return [row](const fs::path& h) { // columns without a type keep what is written
            std::ofstream(h / "default.lge", std::ios::trunc).close();
            SqliteDb(h / "default.lge")
                .Execute("CREATE TABLE SeasonInfo (Season, SeasonDay); INSERT INTO SeasonInfo VALUES (" +
                         std::string(row) + ");");
        };
    };
    const std::pair<std::function<void(const fs::path&)>, std::string> cases[] = {
        {[](const fs::path& h) {
             fs::remove(h / "gamedata/Firstnames.txt");
             fs::create_directory(h / "gamedata/Firstnames.txt");
         },
         "Fatal Error: Firstnames.txt not found."},
        {[](const fs::path& h) { std::ofstream(h / "gamedata/lastnames.txt") << "\n  \n\r\n"; },
         "Fatal Error: lastnames.txt holds no names. Please reinstall the game."},
        {[](const fs::path& h) { std::ofstream(h / "colleges.dat") << "Lakeside\nSt. Ren\xE9\n"; },
         "Fatal Error: colleges.dat is not UTF-8 text (name 2). Please reinstall the game."},
        {injury({"Bruise", 0, 3, "n/a"}), damaged},
        {injury({"Bruise", 11, 3, "n/a"}), damaged},
        {injury({"Bruise", 2, -1, "n/a"}), damaged},
        {injury({"Bruise", 2, 3, "\xFF\xFE"}), damaged},
        {season("'2001abc', 0"), "Invalid default.lge file"},
        {season("2001.4, 0"), "Invalid default.lge file"},
        {season("NULL, 0"), "Invalid default.lge file"},
    };
    for (const auto& [damage, message] : cases) {
        test::TempHome other;
        other.WriteMinimalData();
        damage(other.path());
        EXPECT_EQ(Start(other.path()), std::pair(false, message));
    }
}

} // namespace
} // namespace hv
