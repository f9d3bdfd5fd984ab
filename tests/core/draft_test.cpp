// The drafts: the snake order, the computer's choice, selections and their contracts, skipped picks, the
// end of each draft, and a draft interrupted by a save.
#include <gtest/gtest.h>

#include "league/save_file.h"
#include "personnel/draft.h"
#include "personnel/draft_class.h"
#include "personnel/draft_picks.h"
#include "personnel/lottery.h"
#include "personnel/ratings.h"
#include "platform/scripted_host.h"
#include "reports/draft_reports.h"

namespace hv {
namespace {

// Adds a player at `position` with both ratings set; the rating code is not run, so the values stay.
int AddPlayer(League& league, const std::string& team, int position, int current, int future) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (!p.IsEmpty()) continue;
        p.Name = "Player " + std::to_string(id);
        p.Team = team;
        p.PositionNumber = p.OriginalPosition = static_cast<int16_t>(position);
        p.DefaultPosition = PositionText(position);
        p.CurrentRating = static_cast<int16_t>(current);
        p.FutureRating = static_cast<int16_t>(future);
        league.AddToRoster(id);
        return id;
    }
    return 0;
}

League TeamsOnly(int16_t day) {
    League league;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        league.team(t).Name = "Team" + std::to_string(t);
        league.team(t).DraftFocus = 1;
        league.team(t).HomeWins = static_cast<int16_t>(t);
    }
    league.state.Season = 2005;
    league.state.SeasonDay = day;
    return league;
}

TEST(CreationDraft, SnakeOrderReversesEveryOtherRound) {
    League league = TeamsOnly(Phase::CreationDraft);
    std::array<int16_t, kLeagueTeams> list;
    for (int i = 0; i < kLeagueTeams; ++i)
        list[static_cast<size_t>(i)] = static_cast<int16_t>(kLeagueTeams - i); // 29, 28, ..., 1
    SetCreationOrderList(league, list);
    BuildCreationDraftOrder(league);
    ASSERT_EQ(league.tables.draftOrder.size(), 349u);
    for (int round = 1; round <= 12; ++round)
        for (int pick = 1; pick <= 29; ++pick) {
            int expected = round % 2 ? 30 - pick : pick;
            ASSERT_EQ(league.tables.draftOrder[static_cast<size_t>(DraftSlotIndex(round, pick))].Team,
                      expected)
                << round << "/" << pick;
        }
}

TEST(ComputerChoice, NeedDecidesBetweenEqualProspects) {
    League league = TeamsOnly(Phase::RookieDraft);
    for (int k = 0; k < 3; ++k)
        AddPlayer(league, "Team1", 1, 60, 60);
    int centre = AddPlayer(league, kDraft, 1, 80, 90);
    int forward = AddPlayer(league, kDraft, 2, 40, 50);
    EXPECT_EQ(ComputerChoice(league, 1), forward) << "three centres: no centre is a candidate";

    // One point guard rated 70 makes another worth 0.7 - 20/500 = 0.66 of his value, a forward full value.
    League two = TeamsOnly(Phase::RookieDraft);
    AddPlayer(two, "Team2", 5, 70, 70);
    int guard = AddPlayer(two, kDraft, 5, 50, 75); // 75 x 0.66 = 49.5
    int wing = AddPlayer(two, kDraft, 3, 40, 50);  // 50 x 1.0
    EXPECT_EQ(ComputerChoice(two, 2), wing);
    two.player(guard).FutureRating = 76; // 50.16
    EXPECT_EQ(ComputerChoice(two, 2), guard);

    // Two players at a position: 0.5, or 0.4 when the better of them is above 70.
    League pair = TeamsOnly(Phase::RookieDraft);
    AddPlayer(pair, "Team3", 4, 71, 71);
    AddPlayer(pair, "Team3", 4, 40, 40);
    int shooter = AddPlayer(pair, kDraft, 4, 60, 100); // 40
    int big = AddPlayer(pair, kDraft, 1, 41, 41);      // 41
    EXPECT_EQ(ComputerChoice(pair, 3), big);
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (pair.player(id).CurrentRating == 71) pair.player(id).CurrentRating = 70; // now 0.5: 50 beats 41
    EXPECT_EQ(ComputerChoice(pair, 3), shooter);
    EXPECT_NE(ComputerChoice(league, 1), centre);
}

TEST(ComputerChoice, CreationDraftWeighsThePresentByDraftFocus) {
    League league = TeamsOnly(Phase::CreationDraft);
    int ready = AddPlayer(league, kDraft, 3, 70, 60);   // focus 1: 60, 2: 65, 3: 69
    int project = AddPlayer(league, kDraft, 3, 40, 80); // focus 1: 80, 2: 60, 3: 44
    const int expected[] = {0, project, ready, ready};
    for (int16_t focus = 1; focus <= 3; ++focus) {
        league.team(4).DraftFocus = focus;
        EXPECT_EQ(ComputerChoice(league, 4), expected[focus]) << focus;
    }
}

TEST(ComputerChoice, HumanTeamTakesItsListFirst) {
    League league = TeamsOnly(Phase::RookieDraft);
    league.team(6).Owner = "Human";
    int best = AddPlayer(league, kDraft, 1, 80, 95);
    int listedGone = AddPlayer(league, "Team9", 2, 50, 50);
    int listed = AddPlayer(league, kDraft, 3, 40, 45);
    league.team(6).DraftList = {static_cast<int16_t>(listedGone), static_cast<int16_t>(listed)};
    EXPECT_EQ(ComputerChoice(league, 6), listed);
    league.team(6).DraftList.clear();
    EXPECT_EQ(ComputerChoice(league, 6), best) << "without a list the computer's judgement";
}

// Generated players, so that a saved and loaded copy rates them the same.
class RookieDraft : public ::testing::Test {
  protected:
    void SetUp() override {
        league = TeamsOnly(0);
        league.firstNames = {"", "Alan", "Brian"};
        league.lastNames = {"", "Archer", "Bishop"};
        league.state.Season = 2004;
        CreatePickTable(league);
        league.state.Season = 2005;
        league.state.SeasonDay = Phase::RookieDraft;
        league.rng.Seed(3);
        league.RebuildFreeIDs();
        for (int t = 1; t <= kLeagueTeams; ++t) {
            league.team(t).LastPlayoffYear = t > 13 ? 2004 : 2003;
            for (int k = 0; k < 12; ++k)
                Add(league.team(t).Name, 1 + k % 5, false);
        }
        for (int k = 0; k < 100; ++k)
            Add(kDraft, 1 + k % 5, true);
    }
    void Add(const std::string& team, int position, bool prospect) {
        int id = league.AllocatePlayerID();
        if (prospect)
            GenerateProspect(league, id, position);
        else
            GeneratePlayer(league, id, position);
        league.player(id).Team = team;
        league.AddToRoster(id);
    }
    League league;
    ScriptedHost host;
};

TEST_F(RookieDraft, SelectionPaysTheScaleAndRecordsThePick) {
    // The lottery winner has traded his first-round pick to team 25.
    ASSERT_TRUE(RunDraftLottery(league, host));
    int earner = league.tables.lotteryOrder[1];
    ASSERT_NE(earner, 25);
    league.tables.draftPick(FindPick(league, earner, 2005, 1)).OwnedBy = 25;
    ASSERT_TRUE(BuildRookieDraftOrder(league, host));
    ASSERT_TRUE(StartDraft(league, host));
    int team = TeamOnClock(league);
    EXPECT_EQ(team, 25) << "the owner of the pick uses it";
    EXPECT_EQ(PickHolderText(league, *CurrentSlot(league)),
              "Team25 (From Team" + std::to_string(earner) + ")");
    int prospect = 0;
    for (int id = 1; id <= kLastLeaguePlayer && !prospect; ++id)
        if (league.player(id).Team == kDraft) prospect = id;
    int veteran = 0;
    for (int id = 1; id <= kLastLeaguePlayer && !veteran; ++id)
        if (league.player(id).Team == "Team3") veteran = id;
    EXPECT_FALSE(MakeSelection(league, host, veteran)) << "only a prospect can be drafted";
    std::string line;
    ASSERT_TRUE(MakeSelection(league, host, prospect, &line));
    const Player& p = league.player(prospect);
    EXPECT_EQ(std::make_tuple(p.Team, p.Round, p.Pick, p.contract1, p.contract4, p.contract5),
              std::make_tuple(league.team(team).Name, 1, 1, 2888256, 3517514, 0));
    EXPECT_EQ(std::make_tuple(league.team(team).NumPlayers, league.team(team).TotalSalary),
              std::make_tuple(13, 2888256));
    EXPECT_EQ(line, league.team(team).Name + " take " + p.DefaultPosition + " " + p.Name);
    const Transaction& x = league.tables.transactions.back();
    EXPECT_EQ(std::make_tuple(x.Team, x.Action, x.Season, x.SeasonDay),
              std::make_tuple(league.team(team).Name,
                              "Draft " + p.DefaultPosition + " " + p.Name + " with pick #1 of round 1.", 2005,
                              Phase::RookieDraft));
    EXPECT_EQ(league.tables.draftPick(league.tables.draftOrder[1].PickID).Selection, 1);
    ASSERT_EQ(league.tables.archive.size(), 1u);
    EXPECT_EQ(std::make_tuple(league.tables.archive[0].Season, league.tables.archive[0].FirstPick.PlayerID,
                              league.state.DraftPickState),
              std::make_tuple(2005, prospect, 2));
}

TEST_F(RookieDraft, SecondRoundPaysTheMinimumAndAFullRosterIsSkipped) {
    for (int k = 0; k < 3; ++k)
        Add("Team29", 1 + k, false); // 15 players
    ASSERT_TRUE(StartDraft(league, host));
    auto lines = AutoDraft(league, host, DraftUntil::End);
    ASSERT_EQ(league.state.SeasonDay, Phase::FirstFreeAgency);
    int skipped = 0;
    for (const std::string& line : lines)
        skipped += line == "Team29: Selection skipped due to full roster.";
    EXPECT_EQ(skipped, 2);
    EXPECT_EQ(league.team(29).NumPlayers, 15);
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.Round == 2) {
            EXPECT_EQ(std::tie(p.contract1, p.contract2, p.contract3), std::make_tuple(332817, 465850, 0));
        }
    }
    auto list = DraftResultLines(league);
    EXPECT_EQ(std::make_tuple(list.size(), list[29]),
              std::make_tuple(size_t{59}, std::string("---- Round 2 ----")));
}

TEST_F(RookieDraft, EndRenewsPicksFreesTheUndraftedAndFillsThePool) {
    ASSERT_TRUE(RunRookieDraftUnattended(league, host));
    EXPECT_EQ(std::make_tuple(league.state.SeasonDay, league.state.DraftState),
              std::make_tuple(Phase::FirstFreeAgency, 0));
    for (int id = 1001; id <= 1174; ++id) {
        const DraftPick& d = league.tables.draftPick(id);
        EXPECT_TRUE(d.year >= 2006 && d.year <= 2008 && d.OwnedBy == d.Team && d.Selection == 0) << id;
    }
    int pool = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        pool += !league.player(id).IsEmpty();
        EXPECT_NE(league.player(id).Team, kDraft);
    }
    EXPECT_EQ(pool, 450) << "406 on teams and 42 undrafted, topped up with 2 free agents";
}

TEST_F(RookieDraft, ResumesAfterASaveWhereItStopped) {
    ASSERT_TRUE(StartDraft(league, host));
    for (int k = 0; k < 20; ++k)
        ComputerPick(league, host);
    League resumed;
    DecodeLeague(EncodeLeague(league, "Resume"), resumed);
    EXPECT_TRUE(DraftUnderWay(resumed));
    EXPECT_EQ(std::tie(resumed.state.DraftState, resumed.state.DraftPickState),
              std::make_tuple(int16_t(1), int16_t(21)));
    EXPECT_EQ(DraftResultLines(resumed), DraftResultLines(league));
    resumed.rng = league.rng;
    AutoDraft(league, host, DraftUntil::End);
    AutoDraft(resumed, host, DraftUntil::End);
    EXPECT_EQ(DraftResultLines(resumed), DraftResultLines(league));
}

TEST_F(RookieDraft, ComputerStopsForTheHumanTeamAndAtTheRoundsEnd) {
    league.team(17).Owner = "Human";
    ASSERT_TRUE(StartDraft(league, host));
    AutoDraft(league, host, DraftUntil::HumanTeam);
    EXPECT_EQ(TeamOnClock(league), 17);
    EXPECT_TRUE(AutoDraft(league, host, DraftUntil::HumanTeam).empty());
    SkipPick(league, host);
    AutoDraft(league, host, DraftUntil::EndOfRound);
    EXPECT_EQ(std::tie(league.state.DraftState, league.state.DraftPickState),
              std::make_tuple(int16_t(2), int16_t(1)));
    auto lines = DraftResultLines(league);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Team17: Selection skipped."), 1);
}

TEST(CreationDraftRun, FillsEveryRosterAndEndsAtTheSeasonsStart) {
    League league = TeamsOnly(Phase::CreationDraft);
    league.RebuildFreeIDs();
    for (int k = 0; k < 450; ++k)
        AddPlayer(league, kDraft, 1 + k % 5, 30 + k % 50, 35 + k % 55);
    for (int k = 0; k < 100; ++k)
        AddPlayer(league, kNextDraft, 1 + k % 5, 30, 40);
    league.RebuildFreeIDs();
    ScriptedHost host;
    ASSERT_TRUE(StartDraft(league, host));
    AutoDraft(league, host, DraftUntil::End);
    EXPECT_EQ(league.state.SeasonDay, Phase::BeforeSeason);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(league.team(t).NumPlayers, 12) << t;
        for (int position = 1; position <= 5; ++position)
            EXPECT_LE(league.team(t).PositionCount(position), 3);
    }
    int free = 0, classSize = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        free += p.Team == kFreeAgent;
        classSize += p.Team == kDraft;
        if (p.Round == 1 && p.Pick == 1) {
            EXPECT_EQ(p.contract4, 8910000);
        }
        if (p.Round == 12) {
            EXPECT_EQ(std::tie(p.contract1, p.contract2), std::make_tuple(400000, 0));
        }
    }
    EXPECT_EQ(free, 450 - 348);
    EXPECT_EQ(classSize, 100) << "the next class became the draft class";
}

} // namespace
} // namespace hv
