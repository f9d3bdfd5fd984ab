// Saved games: league names, the list of the save folder, and the Save, Load and Delete commands.
#include <gtest/gtest.h>

#include "league/save_file.h"
#include "league/saved_games.h"
#include "platform/scripted_host.h"
#include "support/sample_league.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

TEST(LeagueNames, OrdinaryNamesPassAndNamesThatCouldLeaveTheirFolderAreRefused) {
    const std::string ok[] = {"Liga Española", "dots.are.fine", " padded ",
                              std::string(kMaxLeagueNameBytes, 'n')};
    const std::string refused[] = {"../up",     ".hidden",
                                   " ",         "   ",
                                   "a\\b",      "..",
                                   "tab\tname", std::string("nul\0x", 5),
                                   "\xC3",      std::string(kMaxLeagueNameBytes + 1, 'n')};
    for (const std::string& name : ok)
        EXPECT_FALSE(LeagueNameProblem(name).has_value()) << name;
    for (const std::string& name : refused)
        EXPECT_TRUE(LeagueNameProblem(name).has_value()) << name;
    EXPECT_EQ(LeagueNameProblem(""), "Please enter a league name.");
    EXPECT_NE(LeagueNameProblem("a/b")->find("must not contain"), std::string::npos);
    EXPECT_NE(LeagueNameProblem(std::string(101, 'n'))->find("too long"), std::string::npos);
    EXPECT_NE(LeagueNameProblem(".hidden")->find("must not begin with \".\""), std::string::npos);
    EXPECT_NE(LeagueNameProblem(" ")->find("more than blanks"), std::string::npos);
}

class SavedGames : public ::testing::Test {
  protected:
    void SetUp() override {
        league.programFolder = home.path();
        testing::FillSampleLeague(league, {.gameLogEntries = 1, .seasonHistoryEntries = 1});
        league.state.LeagueName = "First";
        fs::create_directories(home / "save");
    }
    test::TempHome home;
    ScriptedHost host;
    League league;
};

TEST_F(SavedGames, SaveAsNeedsAGoodNameAndRenamesTheLeague) {
    for (auto [name, title] : {std::pair{"", "Error!"}, {"../outside", "Error"}}) {
        host.messages.clear();
        EXPECT_FALSE(SaveGameAs(league, name, host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, title);
    }
    EXPECT_TRUE(fs::is_empty(home / "save"));
    EXPECT_EQ(league.state.LeagueName, "First");
    ASSERT_TRUE(SaveGameAs(league, "Second Try", host)) << host.LastMessage();
    EXPECT_EQ(league.state.LeagueName, "Second Try");
    EXPECT_TRUE(fs::exists(home / "save/Second Try.sav"));
}

TEST_F(SavedGames, TheListShowsOnlySaveFilesSortedByName) {
    for (const char* name : {"zeta", "Alpha", "beta"})
        ASSERT_TRUE(SaveLeague(league, name, host));
    home.Write("save/notes.txt", "x");
    home.Write("save/.hidden.sav", "x");
    fs::create_directories(home / "save/folder.sav");
    std::vector<std::string> names;
    for (const SavedGameEntry& e : ListSavedGames(home.path()))
        names.push_back(e.fileName + "=" + e.leagueName);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha.sav=Alpha", "beta.sav=beta", "zeta.sav=zeta"}));
    test::TempHome nothing;
    EXPECT_TRUE(ListSavedGames(nothing.path()).empty()) << "no save folder yet";
}

TEST_F(SavedGames, DeleteAsksAndRefusesFilesOutsideTheSaveFolderOrMissing) {
    ASSERT_TRUE(SaveLeague(league, "gone", host));
    host.answers = {false};
    EXPECT_FALSE(DeleteSavedGame(home.path(), "gone.sav", host));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "Are you sure you want to delete gone.sav?");
    EXPECT_TRUE(fs::exists(home / "save/gone.sav"));
    host.answers = {true};
    EXPECT_TRUE(DeleteSavedGame(home.path(), "gone.sav", host));
    EXPECT_FALSE(fs::exists(home / "save/gone.sav"));
    home.Write("precious.sav", "keep");
    for (auto [file, text] : {std::pair{"../precious.sav", "The file ../precious.sav is not a saved game."},
                              {"missing.sav", "The file missing.sav was not found."}}) {
        EXPECT_FALSE(DeleteSavedGame(home.path(), file, host));
        EXPECT_EQ(host.messages.back().text, text);
    }
    EXPECT_EQ(host.questions.size(), 2u) << "refused before the question";
    EXPECT_TRUE(fs::exists(home / "precious.sav"));
}

} // namespace
} // namespace hv
