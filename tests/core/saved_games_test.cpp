// Saved games: league names, the list of the save folder, and the Save, Load and Delete commands.
#include <gtest/gtest.h>

#include <fstream>

#include "core/sample_league.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "platform/scripted_host.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

TEST(LeagueNames, OrdinaryNamesAreAccepted) {
    for (const char* name : {"My League", "Liga Española", "2004-05", "a", "dots.are.fine", "x.y"})
        EXPECT_FALSE(LeagueNameProblem(name).has_value()) << name;
    EXPECT_FALSE(LeagueNameProblem(std::string(kMaxLeagueNameBytes, 'n')).has_value());
}

TEST(LeagueNames, NamesThatCouldLeaveTheirFolderAreRefusedWithAReason) {
    EXPECT_EQ(*LeagueNameProblem(""), "Please enter a league name.");
    const std::vector<std::string> refused{
        "../up",  "a/b", "a\\b", "..", ".", "tab\tname", "bell\a", "line\nbreak", std::string("nul\0x", 5),
        "del\x7F"};
    for (const std::string& name : refused) {
        auto problem = LeagueNameProblem(name);
        ASSERT_TRUE(problem.has_value()) << name;
        if (name.find('\0') == std::string::npos) {
            EXPECT_NE(problem->find("must not contain"), std::string::npos) << *problem;
        }
    }
    auto tooLong = LeagueNameProblem(std::string(kMaxLeagueNameBytes + 1, 'n'));
    ASSERT_TRUE(tooLong.has_value());
    EXPECT_NE(tooLong->find("too long"), std::string::npos);
    EXPECT_TRUE(LeagueNameProblem("\xC3").has_value()); // cut-off UTF-8
}

class SavedGames : public ::testing::Test {
  protected:
    void SetUp() override {
        league.programFolder = home.path();
        testing::FillSampleLeague(league, {.gameLogEntries = 2, .seasonHistoryEntries = 1});
        league.state.LeagueName = "First";
        fs::create_directories(home / "save");
    }
    test::TempHome home;
    ScriptedHost host;
    League league;
};

TEST_F(SavedGames, SaveWithAnEmptyNameAsksForOne) {
    EXPECT_FALSE(SaveGameAs(league, "", host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Please enter a save name.");
    EXPECT_EQ(host.messages[0].title, "Error!");
    EXPECT_TRUE(fs::is_empty(home / "save"));
    EXPECT_EQ(league.state.LeagueName, "First");
}

TEST_F(SavedGames, SaveWithABadNameIsRefusedAndNothingIsWritten) {
    EXPECT_FALSE(SaveGameAs(league, "../outside", host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Error");
    EXPECT_TRUE(fs::is_empty(home / "save"));
    EXPECT_FALSE(fs::exists(home / "outside.sav"));
    EXPECT_EQ(league.state.LeagueName, "First");
}

TEST_F(SavedGames, SaveUnderANewNameRenamesTheLeague) {
    ASSERT_TRUE(SaveGameAs(league, "Second Try", host)) << host.LastMessage();
    EXPECT_EQ(league.state.LeagueName, "Second Try");
    EXPECT_TRUE(fs::exists(home / "save/Second Try.sav"));
    auto list = ListSavedGames(home.path());
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].fileName, "Second Try.sav");
    EXPECT_EQ(list[0].leagueName, "Second Try");
}

TEST_F(SavedGames, ListShowsOnlySaveFilesSortedByName) {
    ASSERT_TRUE(SaveLeague(league, "zeta", host));
    ASSERT_TRUE(SaveLeague(league, "Alpha", host));
    ASSERT_TRUE(SaveLeague(league, "beta", host));
    home.Write("save/notes.txt", "x");
    home.Write("save/.hidden.sav", "x");
    fs::create_directories(home / "save/folder.sav");
    auto list = ListSavedGames(home.path());
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].leagueName, "Alpha");
    EXPECT_EQ(list[1].leagueName, "beta");
    EXPECT_EQ(list[2].leagueName, "zeta");
    test::TempHome nothing;
    EXPECT_TRUE(ListSavedGames(nothing.path()).empty()); // no save folder yet
}

TEST_F(SavedGames, LoadMarksTheLeagueOpenAndGrantsRightsWithoutPassword) {
    league.state.Password = "N/A";
    ASSERT_TRUE(SaveLeague(league, "open", host));
    League other;
    other.programFolder = home.path();
    other.state.CommissionerRights = false;
    EXPECT_FALSE(LoadSavedGame(other, "", host)); // nothing selected: nothing happens
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(other.leagueOpen);
    ASSERT_TRUE(LoadSavedGame(other, "open.sav", host)) << host.LastMessage();
    EXPECT_TRUE(other.leagueOpen);
    EXPECT_TRUE(other.state.CommissionerRights);
    EXPECT_EQ(other.state.LeagueName, "open");
}

TEST_F(SavedGames, LoadOfAPasswordLeagueStartsWithoutRights) {
    league.state.Password = "pw";
    ASSERT_TRUE(SaveLeague(league, "closed", host));
    League other;
    other.programFolder = home.path();
    ASSERT_TRUE(LoadSavedGame(other, "closed.sav", host));
    EXPECT_FALSE(other.state.CommissionerRights);
    EXPECT_EQ(other.state.Password, "pw");
}

TEST_F(SavedGames, DeleteAsksFirstAndRemovesOnlyOnYes) {
    ASSERT_TRUE(SaveLeague(league, "gone", host));
    host.answers = {false};
    EXPECT_FALSE(DeleteSavedGame(home.path(), "gone.sav", host));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "Are you sure you want to delete gone.sav?");
    EXPECT_TRUE(fs::exists(home / "save/gone.sav"));
    host.answers = {true};
    EXPECT_TRUE(DeleteSavedGame(home.path(), "gone.sav", host));
    EXPECT_FALSE(fs::exists(home / "save/gone.sav"));
    EXPECT_TRUE(ListSavedGames(home.path()).empty());
}

TEST_F(SavedGames, DeleteRefusesFilesOutsideTheSaveFolderAndMissingOnes) {
    home.Write("precious.sav", "keep");
    EXPECT_FALSE(DeleteSavedGame(home.path(), "../precious.sav", host));
    EXPECT_TRUE(fs::exists(home / "precious.sav"));
    EXPECT_EQ(host.messages.back().text, "The file ../precious.sav is not a saved game.");
    EXPECT_FALSE(DeleteSavedGame(home.path(), "missing.sav", host));
    EXPECT_EQ(host.messages.back().text, "The file missing.sav was not found.");
    host.messages.clear();
    EXPECT_FALSE(DeleteSavedGame(home.path(), "", host)); // asked, but nothing selected
    EXPECT_TRUE(host.messages.empty());
}

} // namespace
} // namespace hv
