// Exhibition games between teams of saved games, and the coached game's script, on saved default leagues.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "exhibition/coach_script.h"
#include "exhibition/coach_tables.h"
#include "exhibition/exhibition.h"
#include "league/save_file.h"
#include "support/file_bytes.h"
#include "support/season_run_support.h"

namespace hv {
namespace {

// Two saved games of the default league: "Alpha" as it ships, and "Beta" where team 2 lost one player of
// its depth chart and team 3 took on free agents until it has 17 players.
class ExhibitionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sl.Load(4, "Alpha"));
        League& l = sl.league();
        ASSERT_TRUE(SaveLeague(l, "Alpha", sl.host)) << sl.host.LastMessage();
        dropped = l.team(2).Depth(1, 3);
        ASSERT_NE(dropped, 0);
        l.player(dropped).Team = "FA";
        for (int id = 1; id <= kLastLeaguePlayer && Count(l, 3) < 17; ++id)
            if (l.player(id).Team == "FA" && !l.player(id).IsEmpty()) l.player(id).Team = l.team(3).Name;
        ASSERT_EQ(Count(l, 3), 17);
        ASSERT_TRUE(SaveLeague(l, "Beta", sl.host)) << sl.host.LastMessage();
    }
    static int Count(const League& l, int team) {
        int n = 0;
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            n += !l.player(id).IsEmpty() && l.player(id).Team == l.team(team).Name;
        return n;
    }
    std::filesystem::path Save(const std::string& name) { return sl.league().SaveFolder() / (name + ".sav"); }

    test::SeasonLeague sl;
    int dropped = 0;
};

TEST_F(ExhibitionTest, OneSavedTeamInBothSlotsGivesTwoIndependentCopies) {
    Exhibition ex(sl.league());
    ScriptedHost host;
    ASSERT_TRUE(ex.LoadTeam(1, Save("Alpha"), 5, host));
    ASSERT_TRUE(ex.LoadTeam(2, Save("Alpha"), 5, host));
    League& stage = ex.Stage();
    const League& saved = sl.league();
    EXPECT_EQ(stage.team(kTeamOneSlot).Name, saved.team(5).Name);
    EXPECT_EQ(stage.team(kTeamTwoSlot).City, saved.team(5).City);
    EXPECT_EQ(stage.team(kTeamOneSlot).Owner, "Human");
    EXPECT_EQ(stage.team(kTeamOneSlot).Pace, saved.team(5).Pace);
    const int players = stage.team(kTeamOneSlot).NumPlayers;
    ASSERT_GE(players, 12);
    for (int k = 1; k <= 15; ++k) {
        const int16_t savedID = ex.SavedID(k);
        EXPECT_EQ(savedID, ex.SavedID(k + 15));
        if (k > players) {
            EXPECT_EQ(savedID, 0);
            continue;
        }
        EXPECT_EQ(saved.player(savedID).Team, saved.team(5).Name);
        EXPECT_EQ(stage.player(650 + k).Name, saved.player(savedID).Name);
        EXPECT_EQ(stage.player(665 + k).Name, saved.player(savedID).Name);
        EXPECT_EQ(stage.player(650 + k).JumpShot, saved.player(savedID).JumpShot);
        if (k > 1) {
            EXPECT_LT(ex.SavedID(k - 1), savedID) << "taken in ID order";
        }
    }
    // The depth charts name each team's own slots, translated from the saved IDs.
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            const int one = stage.team(kTeamOneSlot).Depth(pos, row),
                      two = stage.team(kTeamTwoSlot).Depth(pos, row);
            EXPECT_TRUE(one >= 651 && one <= 665);
            EXPECT_EQ(two, one + 15);
            EXPECT_EQ(ex.SavedID(one - 650), saved.team(5).Depth(pos, row));
        }
    EXPECT_EQ(stage.team(kTeamTwoSlot).keyplayer1, stage.team(kTeamOneSlot).keyplayer1 + 15);
    stage.player(651).JumpShot = 1;
    EXPECT_NE(stage.player(666).JumpShot, 1) << "the copies are independent";
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ExhibitionTest, ATeamShortOfItsDepthChartGetsZeroInTheMissingEntries) {
    Exhibition ex(sl.league());
    ScriptedHost host;
    ASSERT_TRUE(ex.LoadTeam(2, Save("Beta"), 2, host));
    const Team& t = ex.Stage().team(kTeamTwoSlot);
    EXPECT_EQ(t.Depth(1, 3), 0) << "the player who left is no longer in the depth chart";
    EXPECT_LT(t.NumPlayers, 15);
    for (int16_t id : ex.Players(2))
        if (id != 0) {
            EXPECT_NE(ex.SavedID(id - 650), dropped);
        }
}

TEST_F(ExhibitionTest, ATeamOfMoreThanFifteenKeepsItsDepthChartAndItsBest) {
    Exhibition ex(sl.league());
    ScriptedHost host;
    ASSERT_TRUE(ex.LoadTeam(1, Save("Beta"), 3, host));
    const League& saved = sl.league();
    EXPECT_EQ(ex.Stage().team(kTeamOneSlot).NumPlayers, 15);
    std::set<int> kept;
    for (int k = 1; k <= 15; ++k)
        kept.insert(ex.SavedID(k));
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            EXPECT_TRUE(kept.count(saved.team(3).Depth(pos, row)));
            EXPECT_NE(ex.Stage().team(kTeamOneSlot).Depth(pos, row), 0);
        }
    // The two left out are no better than anyone kept from outside the depth chart.
    int worstKept = 100, bestLeft = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = saved.player(id);
        if (p.Team != saved.team(3).Name) continue;
        bool inChart = false;
        for (int pos = 1; pos <= 5; ++pos)
            for (int row = 1; row <= 3; ++row)
                inChart = inChart || saved.team(3).Depth(pos, row) == id;
        if (inChart) continue;
        if (kept.count(id))
            worstKept = std::min<int>(worstKept, p.CurrentRating);
        else
            bestLeft = std::max<int>(bestLeft, p.CurrentRating);
    }
    EXPECT_LE(bestLeft, worstKept);
}

TEST_F(ExhibitionTest, FailedLoadsAreToldAndLeaveTheOtherTeam) {
    Exhibition ex(sl.league());
    ScriptedHost host;
    ASSERT_TRUE(ex.LoadTeam(1, Save("Alpha"), 1, host));
    const std::string one = ex.Stage().team(kTeamOneSlot).Name;
    EXPECT_FALSE(ex.LoadTeam(2, Save("Nowhere"), 1, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(std::make_pair(host.messages[0].text, host.messages[0].title),
              std::make_pair(std::string("Save file not found"), std::string("Error")));
    test::TempHome junk;
    junk.Write("save/Junk.sav", "not a saved game at all");
    EXPECT_FALSE(ex.LoadTeam(2, junk / "save/Junk.sav", 1, host));
    EXPECT_EQ(host.LastMessage(), "Invalid Save");
    // A save whose team has no name.
    League& l = sl.league();
    l.team(7).Name = "";
    junk.Write("save/Nameless.sav", EncodeLeague(l, "Nameless"));
    EXPECT_FALSE(ReadSavedTeams(junk / "save/Nameless.sav", host).has_value());
    EXPECT_EQ(host.LastMessage(), "Invalid Save");
    EXPECT_FALSE(ex.Loaded(2));
    EXPECT_EQ(ex.Stage().team(kTeamOneSlot).Name, one);
    EXPECT_FALSE(ex.Sim(host).has_value());
    EXPECT_EQ(host.LastMessage(), "Load both teams first.");
}

TEST_F(ExhibitionTest, PlayByPlayBeforeAnyGameIsNotFound) {
    Exhibition ex(sl.league());
    ScriptedHost host;
    EXPECT_FALSE(ex.PlayByPlayLines(host).has_value());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Play-By-Play file not found");
    EXPECT_EQ(host.messages[0].title, "Error");
}

// The league open in the program is untouched by loading, playing and coaching: its saved bytes, and its
// encoded form in memory, are the same afterwards.
TEST_F(ExhibitionTest, TheCurrentLeagueStaysByteForByte) {
    League& current = sl.league();
    ASSERT_TRUE(LoadLeague(current, "Alpha.sav", sl.host));
    const std::string file = test::FileBytes(Save("Alpha"));
    const std::string memory = EncodeLeague(current, "Alpha");
    {
        Exhibition ex(current);
        ex.Stage().rng.Seed(3);
        ScriptedHost host;
        ASSERT_TRUE(ex.LoadTeam(1, Save("Alpha"), 1, host));
        ASSERT_TRUE(ex.LoadTeam(2, Save("Beta"), 3, host));
        const std::optional<std::string> result = ex.Sim(host);
        ASSERT_TRUE(result.has_value()) << host.LastMessage();
        EXPECT_EQ(result->rfind(ex.Stage().team(kTeamTwoSlot).Name + " @ " +
                                    ex.Stage().team(kTeamOneSlot).Name + " ",
                                0),
                  0u)
            << *result;
        EXPECT_TRUE(std::filesystem::exists(current.programFolder / "leaguedata/default/box/0-0.txt"));
        const auto pbp = ex.PlayByPlayLines(host);
        ASSERT_TRUE(pbp.has_value());
        EXPECT_GT(pbp->size(), 500u);
        ASSERT_TRUE(ex.BoxLines(host).has_value());
        std::unique_ptr<CoachedGame> coached = ex.Coach(host);
        ASSERT_TRUE(coached);
        coached->Sim(CoachSim::Quarter, host);
        coached->Finish();
        EXPECT_TRUE(coached->Over());
    }
    EXPECT_TRUE(test::FileBytes(Save("Alpha")) == file);
    EXPECT_TRUE(EncodeLeague(current, "Alpha") == memory);
}

// On a neutral court nobody has the home side's edge: two copies of one team split their games evenly.
TEST_F(ExhibitionTest, ANeutralCourtHasNoHomeAdvantage) {
    Exhibition ex(sl.league());
    ex.Stage().rng.Seed(11);
    ScriptedHost host;
    ASSERT_TRUE(ex.LoadTeam(1, Save("Alpha"), 9, host));
    ASSERT_TRUE(ex.LoadTeam(2, Save("Alpha"), 9, host));
    ex.pbp = false;
    auto margins = [&](ExhibitionHome home, int games) {
        ex.home = home;
        double sum = 0, squares = 0;
        for (int g = 0; g < games; ++g) {
            const std::optional<std::string> result = ex.Sim(host);
            EXPECT_TRUE(result.has_value());
            if (!result) break;
            // "AWAY @ HOME A, H": Team One is the home side both ways here.
            const size_t comma = result->rfind(", ");
            const size_t space = result->rfind(' ', comma - 1);
            const int awayPoints = std::stoi(result->substr(space + 1, comma - space - 1));
            const int homePoints = std::stoi(result->substr(comma + 2));
            const double m = homePoints - awayPoints;
            sum += m;
            squares += m * m;
        }
        const double mean = sum / games;
        return std::make_pair(mean, std::sqrt((squares / games - mean * mean) / games));
    };
    const auto [neutral, neutralSe] = margins(ExhibitionHome::Neutral, 300);
    EXPECT_LT(std::abs(neutral), 3.5 * neutralSe)
        << "Team One listed at home wins no more on a neutral court";
    const auto [home, homeSe] = margins(ExhibitionHome::TeamOne, 300);
    EXPECT_GT(home, neutral) << "at home it does";
    (void)homeSe;
}

TEST(CoachScript, BadLinesAreToldWithTheirNumbers) {
    const struct {
        std::vector<std::string> lines;
        std::string error;
    } cases[] = {
        {{"possession", "jump"}, "Line 2: unknown command \"jump\""},
        {{"# comment", "", "pace home 60"}, "Line 3: pace takes one of 0, 25, 50, 75, 100."},
        {{"timeout left"}, "Line 1: \"timeout\" needs home or away."},
        {{"lineup away 6 Smith"}, "Line 1: \"6\" is not a court slot"},
        {{"key home 4 Smith"}, "Line 1: key players are numbered 1 to 3."},
        {{"quarter now"}, "Line 1: \"quarter\" takes nothing after it."},
        {{"offense away 25"}, "Line 1: offense takes one of 0, 50, 100."},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseCoachScript(c.lines, error).has_value());
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
    std::string error;
    const auto good =
        ParseCoachScript({"coach home on", "lineup home PF 12", "matchup away c sg", "pace away 75",
                          "trap home 50", "key away 2 Jim Smith", "possession", "quarter", "game"},
                         error);
    ASSERT_TRUE(good.has_value()) << error;
    ASSERT_EQ(good->size(), 9u);
    EXPECT_EQ((*good)[1].number, 2);
    EXPECT_EQ((*good)[5].player, "Jim Smith");
    EXPECT_EQ((*good)[3].number, 3) << "list position of 75";
}

TEST_F(ExhibitionTest, AScriptCoachesAGameAndStopsAtARefusedLine) {
    Exhibition ex(sl.league());
    ex.Stage().rng.Seed(5);
    ScriptedHost host;
    ASSERT_TRUE(ex.LoadTeam(1, Save("Alpha"), 1, host));
    ASSERT_TRUE(ex.LoadTeam(2, Save("Alpha"), 2, host));
    std::unique_ptr<CoachedGame> game = ex.Coach(host);
    const int16_t center = game->OnCourt(CoachSide::Home, 1);
    const std::string name = ex.Stage().player(center).Name;
    std::string error;
    const auto commands = ParseCoachScript(
        {"coach home on", "pace home 100", "possession", "timeout away", "lineup home 2 " + name, "quarter"},
        error);
    ASSERT_TRUE(commands.has_value());
    int boards = 0;
    EXPECT_FALSE(
        RunCoachScript(*game, *commands, error, [&](const CoachCommand&, const std::vector<std::string>& b) {
            boards += !b.empty();
        }));
    EXPECT_EQ(boards, 5);
    EXPECT_EQ(error, "Line 6: Roster Error: " + name + " is listed at two positions.");
    EXPECT_EQ(game->Pace(CoachSide::Home), 100);
    const ReportTable lineup = CoachLineupTable(*game, CoachSide::Home);
    EXPECT_EQ(lineup.rows.size(), game->Dressed(CoachSide::Home).size());
    EXPECT_EQ(lineup.rows[0][0].text, "C");
    EXPECT_EQ(CoachScoreTable(*game).rows.size(), 2u);
}

} // namespace
} // namespace hv
