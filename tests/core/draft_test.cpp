// Draft picks, the lottery and the drafts: the pick table and the loader's refusal of an inconsistent one,
// the lottery table and its odds over many seeded draws, the rookie draft's order, the snake order, the
// computer's choice, selections and their contracts, skipped picks and the end of each draft.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "core/sample_league.h"
#include "league/save_file.h"
#include "league/season_archive.h"
#include "personnel/draft.h"
#include "personnel/draft_class.h"
#include "personnel/draft_picks.h"
#include "personnel/lottery.h"
#include "personnel/ratings.h"
#include "platform/scripted_host.h"
#include "reports/draft_reports.h"
#include "season/lineup.h"

namespace hv {
namespace {

// Adds a player at `position` with both ratings set; the rating code is not run, so the values stay.
int AddPlayer(League& league, const std::string& team, int position, int current, int future) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (!p.IsEmpty()) continue;
        p.Name = "Player " + std::to_string(id), p.Team = team, p.DefaultPosition = PositionText(position);
        p.PositionNumber = p.OriginalPosition = static_cast<int16_t>(position);
        p.CurrentRating = int16_t(current), p.FutureRating = int16_t(future);
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
    EXPECT_FALSE(MakeSelection(league, host, RosterOf(league, 3)[0])) << "only a prospect can be drafted";
    std::string line;
    ASSERT_TRUE(MakeSelection(league, host, prospect, &line));
    const Player& p = league.player(prospect);
    EXPECT_EQ(std::make_tuple(p.Team, p.Round, p.Pick, p.contract1, p.contract4, p.contract5),
              std::make_tuple(league.team(team).Name, 1, 1, 2888256, 3517514, 0));
    EXPECT_EQ(std::make_tuple(league.team(team).NumPlayers, league.team(team).TotalSalary),
              std::make_tuple(13, 2888256));
    EXPECT_EQ(line, league.team(team).Name + " take " + p.DefaultPosition + " " + p.Name);
    EXPECT_EQ(league.tables.transactions.back().Action,
              "Draft " + p.DefaultPosition + " " + p.Name + " with pick #1 of round 1.");
    EXPECT_EQ(std::make_tuple(league.tables.draftPick(league.tables.draftOrder[1].PickID).Selection,
                              ArchiveOf(league, 2005).FirstPick.PlayerID, league.state.DraftPickState),
              std::make_tuple(1, prospect, 2));
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
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        EXPECT_TRUE(league.player(id).Round != 2 || league.player(id).contract1 == 332817) << "the minimum";
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
        EXPECT_TRUE(p.Round != 1 || p.Pick != 1 || p.contract4 == 8910000) << "paid by the creation scale";
    }
    EXPECT_EQ(std::make_pair(free, classSize), std::make_pair(450 - 348, 100))
        << "the next class became the draft class";
}

// Chances in 1000 of lottery seeds 1 to 13.
const int kChances[14] = {0, 250, 200, 157, 120, 89, 64, 44, 29, 18, 10, 8, 6, 5};

// A league at the rookie draft of 2005 after the 2004 season: team t won t games of 82, so team 1 is the
// worst; teams 14 to 29 reached the 2004 playoffs.
League DraftLeague() {
    League league;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.Name = "Team" + std::to_string(t);
        team.HomeWins = static_cast<int16_t>(t);
        team.RoadLosses = static_cast<int16_t>(82 - t);
        team.LastPlayoffYear = t >= 14 ? 2004 : 2003;
    }
    league.state.Season = 2004;
    league.state.SeasonDay = 0;
    CreatePickTable(league);
    league.state.Season = 2005;
    league.state.SeasonDay = Phase::RookieDraft;
    return league;
}

TEST(DraftPicks, TableHoldsTwoRoundsOfTheNextThreeDraftsForEveryTeam) {
    League league;
    league.state.Season = 2003;
    CreatePickTable(league);
    std::set<std::tuple<int, int, int>> seen;
    for (int id = 1001; id <= 1174; ++id) {
        const DraftPick& d = league.tables.draftPick(id);
        EXPECT_EQ(d.OwnedBy, d.Team);
        EXPECT_EQ(d.Selection, 0);
        EXPECT_TRUE(d.year >= 2004 && d.year <= 2006) << d.year;
        seen.insert({d.Team, d.year, d.Round});
    }
    EXPECT_EQ(seen.size(), 174u);
    EXPECT_EQ(NextDraftYear(league), 2004);
    EXPECT_EQ(FindPick(league, 29, 2007, 2), 0);
    EXPECT_FALSE(PickTableProblem(league.tables));

    RenewDraftPicks(league, 2004);
    EXPECT_EQ(NextDraftYear(league), 2005);
    EXPECT_NE(FindPick(league, 3, 2007, 1), 0);
    EXPECT_EQ(FindPick(league, 3, 2004, 1), 0);
}

TEST(DraftPicks, LoaderRefusesAnInconsistentTable) {
    League good;
    testing::FillSampleLeague(good);
    const std::string name = "Picks";
    League loaded;
    ASSERT_NO_THROW(DecodeLeague(EncodeLeague(good, name), loaded));

    const struct {
        const char* what;
        void (*spoil)(League&);
    } cases[] = {
        {"a pick of no team", [](League& l) { l.tables.draftPicks[5].Team = 0; }},
        {"a pick owned by nobody", [](League& l) { l.tables.draftPicks[5].OwnedBy = 0; }},
        {"two picks alike", [](League& l) { l.tables.draftPicks[2] = l.tables.draftPicks[1]; }},
        {"a fourth draft", [](League& l) { l.tables.draftPicks[9].year = 2008; }},
        {"a season missing between two drafts",
         [](League& l) {
             for (auto& d : l.tables.draftPicks)
                 if (d.year == 2007) d.year = 2008;
         }},
    };
    for (const auto& c : cases) {
        League spoiled = good;
        c.spoil(spoiled);
        League target;
        EXPECT_THROW(DecodeLeague(EncodeLeague(spoiled, name), target), FormatError) << c.what;
    }
    // A table never filled loads; the draft fills it when it needs it.
    League empty = good;
    empty.tables.draftPicks.fill(DraftPick{});
    League target;
    EXPECT_NO_THROW(DecodeLeague(EncodeLeague(empty, name), target));
}

TEST(Lottery, NumbersSelectSeedsByTheTable) {
    const struct {
        int n, seed;
    } cases[] = {{0, 0},    {1, 1},    {250, 1},  {251, 2},  {450, 2},  {451, 3},   {607, 3},
                 {608, 4},  {727, 4},  {728, 5},  {816, 5},  {817, 6},  {880, 6},   {881, 7},
                 {924, 7},  {925, 8},  {953, 8},  {954, 9},  {971, 9},  {972, 10},  {981, 10},
                 {982, 11}, {989, 11}, {990, 12}, {995, 12}, {996, 13}, {1000, 13}, {1001, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(LotterySeedOf(c.n), c.seed) << c.n;
    for (int seed = 1; seed <= 13; ++seed)
        EXPECT_EQ(LotteryChances(seed), kChances[seed]);
}

// 6000 lotteries: the order's shape, each seed's share of the first pick is its chance in 1000, and the worst
// team's share of the second pick follows from drawing again until an unused seed comes up: the sum over the
// first winner k of p(k) x p(1) / (1 - p(k)). With at most 6000 draws a share has a standard error of at most
// 0.0065; each bound is four and a half standard errors of its own share.
TEST(Lottery, OddsMatchTheTable) {
    League league = DraftLeague();
    ScriptedHost host;
    const int runs = 6000;
    std::array<int, 14> first{};
    int worstSecond = 0;
    for (int run = 0; run < runs; ++run) {
        league.rng.Seed(static_cast<uint64_t>(run) + 100);
        ASSERT_TRUE(RunDraftLottery(league, host));
        const auto& order = league.tables.lotteryOrder;
        ++first[order[1]];
        worstSecond += order[2] == 1;
        // Three lottery winners, then the other lottery teams and the playoff teams by record.
        const std::set<int> winners(order.begin() + 1, order.begin() + 4);
        ASSERT_TRUE(winners.size() == 3 && *winners.rbegin() <= 13);
        for (int pick = 5; pick <= 29; ++pick)
            ASSERT_TRUE(pick == 14 || order[pick] > order[pick - 1]) << pick;
        ASSERT_TRUE(order[13] <= 13 && order[14] == 14) << "playoff teams pick from 14 on";
        ASSERT_LE(std::find(order.begin() + 1, order.end(), 1) - order.begin(), 4)
            << "the worst picks 4th at the latest";
    }
    for (int t = 1; t <= kLeagueTeams; ++t)
        EXPECT_EQ(league.team(t).DraftRank, t);
    for (int seed = 1; seed <= 13; ++seed) {
        double p = kChances[seed] / 1000.0;
        EXPECT_NEAR(first[seed] / double(runs), p, 4.5 * std::sqrt(p * (1 - p) / runs)) << "seed " << seed;
    }
    double p1 = 0.25, second = 0;
    for (int k = 2; k <= 13; ++k)
        second += kChances[k] / 1000.0 * p1 / (1 - kChances[k] / 1000.0);
    EXPECT_NEAR(worstSecond / double(runs), second, 4.5 * std::sqrt(second * (1 - second) / runs));
}

TEST(Lottery, AMissingPickIsReportedAndChangesNothing) {
    League league = DraftLeague();
    league.tables.draftPick(FindPick(league, 7, 2005, 1)).year = 2010;
    League before = league;
    ScriptedHost host;
    EXPECT_FALSE(RunDraftLottery(league, host));
    EXPECT_EQ(host.LastMessage(), "Fatal Draft Lottery Error: Pick not found");
    EXPECT_EQ(league.tables.lotteryOrder, before.tables.lotteryOrder);
    EXPECT_EQ(EncodeLeague(league, "x"), EncodeLeague(before, "x"));
}

TEST(RookieDraftOrder, SecondRoundByRecordAndEverySlotPickedByTheOwner) {
    League league = DraftLeague();
    // Team 2's first-round pick belongs to team 20.
    league.tables.draftPick(FindPick(league, 2, 2005, 1)).OwnedBy = 20;
    ScriptedHost host;
    ASSERT_TRUE(PrepareRookieDraft(league, host));
    EXPECT_TRUE(RookieDraftOrderReady(league));
    const auto& order = league.tables.draftOrder;
    ASSERT_EQ(order.size(), 59u);
    for (int pick = 1; pick <= 29; ++pick) {
        const DraftSlot& first = order[static_cast<size_t>(DraftSlotIndex(1, pick))];
        int earner = league.tables.lotteryOrder[static_cast<size_t>(pick)];
        EXPECT_EQ(league.tables.draftPick(first.PickID).Team, earner);
        EXPECT_EQ(first.Team, earner == 2 ? 20 : earner);
        const DraftSlot& second = order[static_cast<size_t>(DraftSlotIndex(2, pick))];
        EXPECT_EQ(second.Team, pick) << "worst record first";
        EXPECT_EQ(league.tables.draftPick(second.PickID).Round, 2);
    }
    // Asking again keeps the lottery already drawn.
    auto drawn = league.tables.lotteryOrder;
    ASSERT_TRUE(PrepareRookieDraft(league, host));
    EXPECT_EQ(league.tables.lotteryOrder, drawn);
}

} // namespace
} // namespace hv
