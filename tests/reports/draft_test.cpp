// Draft picks, the lottery, and the creation and rookie drafts.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>

#include "league/draft_picks.h"
#include "league/lineup.h"
#include "league/ratings.h"
#include "league/save_file.h"
#include "league/season_archive.h"
#include "personnel/draft.h"
#include "personnel/draft_class.h"
#include "personnel/draft_list.h"
#include "personnel/lottery.h"
#include "platform/scripted_host.h"
#include "reports/draft_reports.h"
#include "support/sample_league.h"

namespace hv {
namespace {

// 29 teams at `day` of season 2005, after the 2004 season: team t won t games of 82, so team 1 is the worst,
// and teams 14 to 29 reached the playoffs; the pick table holds the drafts of 2005 to 2007.
std::unique_ptr<League> DraftLeague(int16_t day) {
    auto league = std::make_unique<League>();
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league->team(t);
        team.Name = "Team" + std::to_string(t), team.DraftFocus = 1,
        team.LastPlayoffYear = t >= 14 ? 2004 : 2003;
        team.HomeWins = static_cast<int16_t>(t), team.RoadLosses = static_cast<int16_t>(82 - t);
    }
    league->state.Season = 2004;
    CreatePickTable(*league);
    league->state.Season = 2005, league->state.SeasonDay = day;
    return league;
}

// Adds a player at `position` with both ratings set; the rating code is not run, so the values stay.
int AddPlayer(League& league, const std::string& team, int position, int current, int future) {
    int id = 1;
    while (!league.player(id).IsEmpty())
        ++id;
    Player& p = league.player(id);
    p.Name = "Player " + std::to_string(id), p.Team = team, p.DefaultPosition = PositionText(position);
    p.PositionNumber = p.OriginalPosition = static_cast<int16_t>(position);
    p.CurrentRating = int16_t(current), p.FutureRating = int16_t(future);
    league.AddToRoster(id);
    return id;
}

TEST(ComputerChoice, NeedFocusAndTheUsersList) {
    auto league = DraftLeague(Phase::RookieDraft);
    for (int k = 0; k < 3; ++k)
        AddPlayer(*league, "Team1", 1, 60, 60);
    const int centre = AddPlayer(*league, kDraft, 1, 80, 90), forward = AddPlayer(*league, kDraft, 2, 40, 50);
    EXPECT_EQ(ComputerChoice(*league, 1), forward) << "three centres: no centre is a candidate";
    EXPECT_EQ(ComputerChoice(*league, 2), centre);
    league->player(forward).Team = kFreeAgent;
    EXPECT_EQ(ComputerChoice(*league, 1), 0)
        << "only a centre left: the team passes rather than take a fourth";
    league->player(forward).Team = kDraft;
    // The user's list comes first, its players no longer in the draft skipped.
    league->team(6).Owner = "Human";
    league->team(6).DraftList = {static_cast<int16_t>(AddPlayer(*league, "Team9", 2, 50, 50)),
                                 static_cast<int16_t>(forward)};
    EXPECT_EQ(ComputerChoice(*league, 6), forward);

    // One point guard rated 70 makes another worth 0.7 - 20/500 = 0.66 of his value, a forward full value.
    auto two = DraftLeague(Phase::RookieDraft);
    AddPlayer(*two, "Team2", 5, 70, 70);
    const int guard = AddPlayer(*two, kDraft, 5, 50, 75), wing = AddPlayer(*two, kDraft, 3, 40, 50);
    EXPECT_EQ(ComputerChoice(*two, 2), wing); // 75 x 0.66 = 49.5 against 50
    two->player(guard).FutureRating = 76;     // 50.16
    EXPECT_EQ(ComputerChoice(*two, 2), guard);

    // Two players at a position: 0.5, or 0.4 when the better of them is above 70.
    auto pair = DraftLeague(Phase::RookieDraft);
    const int better = AddPlayer(*pair, "Team3", 4, 71, 71);
    AddPlayer(*pair, "Team3", 4, 40, 40);
    const int shooter = AddPlayer(*pair, kDraft, 4, 60, 100), big = AddPlayer(*pair, kDraft, 1, 41, 41);
    EXPECT_EQ(ComputerChoice(*pair, 3), big); // 40 against 41
    pair->player(better).CurrentRating = 70;
    EXPECT_EQ(ComputerChoice(*pair, 3), shooter); // 50 against 41

    // The creation draft weighs the present by the draft focus.
    auto creation = DraftLeague(Phase::CreationDraft);
    const int ready = AddPlayer(*creation, kDraft, 3, 70, 60);   // focus 1: 60, 2: 65, 3: 69
    const int project = AddPlayer(*creation, kDraft, 3, 40, 80); // focus 1: 80, 2: 60, 3: 44
    for (int16_t focus = 1; focus <= 3; ++focus) {
        creation->team(4).DraftFocus = focus;
        EXPECT_EQ(ComputerChoice(*creation, 4), focus == 1 ? project : ready) << focus;
    }
}

// Generated players, so that a saved and loaded copy rates them the same.
class RookieDraft : public ::testing::Test {
  protected:
    void SetUp() override {
        league->firstNames = {"", "Alan", "Brian"};
        league->lastNames = {"", "Archer", "Bishop"};
        league->rng.Seed(3);
        league->RebuildFreeIDs();
        for (int t = 1; t <= kLeagueTeams; ++t)
            for (int k = 0; k < 12; ++k)
                Add(league->team(t).Name, 1 + k % 5, false);
        for (int k = 0; k < 100; ++k)
            Add(kDraft, 1 + k % 5, true);
    }
    void Add(const std::string& team, int position, bool prospect) {
        const int id = league->AllocatePlayerID();
        (prospect ? GenerateProspect : GeneratePlayer)(*league, id, position);
        league->player(id).Team = team;
        league->AddToRoster(id);
    }
    int Prospect() const {
        int id = 1;
        while (league->player(id).Team != kDraft)
            ++id;
        return id;
    }
    std::unique_ptr<League> league = DraftLeague(Phase::RookieDraft);
    ScriptedHost host;
};

TEST_F(RookieDraft, SelectionPaysTheScaleAndRecordsThePick) {
    // The lottery winner has traded his first-round pick to team 25.
    ASSERT_TRUE(RunDraftLottery(*league, host));
    const int earner = league->tables.lotteryOrder[1];
    ASSERT_NE(earner, 25);
    league->tables.draftPick(FindPick(*league, earner, 2005, 1)).OwnedBy = 25;
    ASSERT_TRUE(BuildRookieDraftOrder(*league, host));
    ASSERT_TRUE(StartDraft(*league, host));
    EXPECT_EQ(TeamOnClock(*league), 25) << "the owner of the pick uses it";
    EXPECT_EQ(PickHolderText(*league, *CurrentSlot(*league)),
              "Team25 (From Team" + std::to_string(earner) + ")");
    EXPECT_FALSE(MakeSelection(*league, host, RosterOf(*league, 3)[0])) << "only a prospect can be drafted";
    const int prospect = Prospect();
    ASSERT_TRUE(MakeSelection(*league, host, prospect));
    const Player& p = league->player(prospect);
    EXPECT_EQ(std::make_tuple(p.Team, p.Round, p.Pick, p.contract1, league->team(25).TotalSalary),
              std::make_tuple("Team25", 1, 1, 2888256, 2888256));
    EXPECT_EQ(league->tables.transactions.back().Action,
              "Draft " + p.DefaultPosition + " " + p.Name + " with pick #1 of round 1.");
    EXPECT_EQ(std::make_tuple(league->tables.draftPick(league->tables.draftOrder[1].PickID).Selection,
                              ArchiveOf(*league, 2005).FirstPick.PlayerID, league->state.DraftPickState),
              std::make_tuple(1, prospect, 2));
}

TEST_F(RookieDraft, AHumanTeamWithAFullRosterCannotPick) {
    ASSERT_TRUE(StartDraft(*league, host));
    const int team = TeamOnClock(*league);
    league->team(team).Owner = "Human";
    for (int k = 0; k < 3; ++k) { // 15 players
        const int id = Prospect();
        league->player(id).Team = league->team(team).Name, league->AddToRoster(id);
    }
    const int prospect = Prospect();
    EXPECT_FALSE(MakeSelection(*league, host, prospect));
    EXPECT_EQ(host.LastMessage(),
              "The " + league->team(team).Name + " have 15 players, a full roster: skip this pick.");
    EXPECT_EQ(std::make_tuple(league->player(prospect).Team, league->team(team).NumPlayers,
                              league->state.DraftPickState),
              std::make_tuple(std::string(kDraft), 15, 1));
}

// The user's list: checked when set, followed when the computer picks for his team, emptied after the draft.
TEST_F(RookieDraft, TheUsersDraftList) {
    league->team(5).Owner = "Human";
    const int rostered = RosterOf(*league, 3)[0], first = Prospect();
    std::vector<int> worst; // the two lowest future ratings, whom no computer team takes early
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (league->player(id).Team == kDraft) worst.push_back(id);
    std::stable_sort(worst.begin(), worst.end(), [&](int a, int b) {
        return league->player(a).FutureRating < league->player(b).FutureRating;
    });
    const std::pair<int, std::vector<int>> refused[] = {
        {6, {first}}, {5, {first, rostered}}, {5, {first, first}}, {5, std::vector<int>(30, first)}};
    for (const auto& [team, ids] : refused) {
        EXPECT_FALSE(SetDraftList(*league, host, team, ids)) << host.LastMessage();
        EXPECT_TRUE(league->team(5).DraftList.empty() && league->team(6).DraftList.empty());
    }
    ASSERT_TRUE(SetDraftList(*league, host, 5, {worst[1], first, worst[0]}));
    EXPECT_EQ(MovedInDraftList(AvailableOnDraftList(*league, 5), first, 1),
              (std::vector<int>{worst[1], worst[0], first}));
    EXPECT_EQ(MovedInDraftList({worst[1], first}, worst[1], -1), (std::vector<int>{worst[1], first}));
    EXPECT_EQ(MovedInDraftList({worst[1], first}, worst[1], 0), std::vector<int>{first});
    league->player(first).Team = kFreeAgent; // gone before the draft: passed over
    ASSERT_TRUE(StartDraft(*league, host));
    AutoDraft(*league, host, DraftUntil::End);
    std::vector<int> taken;
    for (int id : {worst[1], first, worst[0]})
        if (league->player(id).Team == "Team5") taken.push_back(id);
    EXPECT_EQ(taken, (std::vector<int>{worst[1], worst[0]}));
    EXPECT_EQ(std::make_pair(league->player(worst[1]).Round, league->player(worst[0]).Round),
              std::make_pair(int16_t{1}, int16_t{2}))
        << "his picks in the order of his list";
    EXPECT_TRUE(league->team(5).DraftList.empty());
}

TEST_F(RookieDraft, RunToTheEndSkipsAFullRosterRenewsPicksAndFillsThePool) {
    for (int k = 0; k < 3; ++k) { // 15 players
        const int id = Prospect();
        league->player(id).Team = "Team29", league->AddToRoster(id);
    }
    league->tables.draftPick(FindPick(*league, 7, 2005, 2)).OwnedBy = 8; // back to team 7 when renewed
    ASSERT_TRUE(StartDraft(*league, host));
    const auto lines = AutoDraft(*league, host, DraftUntil::End);
    EXPECT_EQ(std::make_tuple(league->state.SeasonDay, league->state.DraftState, league->team(29).NumPlayers),
              std::make_tuple(Phase::FirstFreeAgency, 0, 15));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Team29: Selection skipped due to full roster."), 2);
    int pool = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league->player(id);
        pool += !p.IsEmpty();
        EXPECT_NE(p.Team, kDraft);
        EXPECT_TRUE(p.Round != 2 || p.contract1 == 332817) << "the second round is paid the minimum";
    }
    EXPECT_EQ(pool, 450) << "407 on teams and 41 undrafted, topped up with 2 free agents";
    for (int id = 1001; id <= 1174; ++id) {
        const DraftPick& d = league->tables.draftPick(id);
        EXPECT_TRUE(d.year >= 2006 && d.year <= 2008 && d.OwnedBy == d.Team && d.Selection == 0) << id;
    }
    EXPECT_EQ(PickTableProblem(league->tables), std::nullopt) << "each team's picks of 2006 to 2008 once";
}

TEST(CreationDraft, SnakeOrderFillsEveryRosterAndEndsAtTheSeasonsStart) {
    auto league = DraftLeague(Phase::CreationDraft);
    league->RebuildFreeIDs();
    for (int k = 0; k < 450; ++k)
        AddPlayer(*league, kDraft, 1 + k % 5, 30 + k % 50, 35 + k % 55);
    for (int k = 0; k < 100; ++k)
        AddPlayer(*league, kNextDraft, 1 + k % 5, 30, 40);
    std::array<int16_t, kLeagueTeams> list;
    for (int i = 0; i < kLeagueTeams; ++i)
        list[static_cast<size_t>(i)] = static_cast<int16_t>(kLeagueTeams - i); // 29, 28, ..., 1
    SetCreationOrderList(*league, list);
    ScriptedHost host;
    ASSERT_TRUE(StartDraft(*league, host));
    ASSERT_EQ(league->tables.draftOrder.size(), 349u);
    for (int round = 1; round <= 12; ++round)
        for (int pick = 1; pick <= 29; ++pick)
            ASSERT_EQ(league->tables.draftOrder[static_cast<size_t>(DraftSlotIndex(round, pick))].Team,
                      round % 2 ? 30 - pick : pick)
                << "snake order " << round << "/" << pick;
    AutoDraft(*league, host, DraftUntil::End);
    EXPECT_EQ(league->state.SeasonDay, Phase::BeforeSeason);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        EXPECT_EQ(league->team(t).NumPlayers, 12) << t;
        for (int position = 1; position <= 5; ++position)
            EXPECT_LE(league->team(t).PositionCount(position), 3);
    }
    int free = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        free += league->player(id).Team == kFreeAgent;
    EXPECT_EQ(free, 450 - 348) << "the undrafted are free agents";
}

TEST(DraftPicks, LoaderRefusesAnInconsistentTable) {
    auto good = std::make_unique<League>(), target = std::make_unique<League>();
    testing::FillSampleLeague(*good);
    const std::pair<const char*, void (*)(League&)> cases[] = {
        {"a pick of no team", [](League& l) { l.tables.draftPicks[5].Team = 0; }},
        {"two picks alike", [](League& l) { l.tables.draftPicks[2] = l.tables.draftPicks[1]; }},
        {"a season missing between two drafts",
         [](League& l) {
             for (auto& d : l.tables.draftPicks)
                 if (d.year == 2007) d.year = 2008;
         }},
    };
    for (const auto& [what, spoil] : cases) {
        auto spoiled = std::make_unique<League>(*good);
        spoil(*spoiled);
        EXPECT_THROW(DecodeLeague(EncodeLeague(*spoiled, "Picks"), *target), FormatError) << what;
    }
}

// Chances in 1000 of lottery seeds 1 to 13.
const int kChances[14] = {0, 250, 200, 157, 120, 89, 64, 44, 29, 18, 10, 8, 6, 5};

TEST(Lottery, NumbersSelectSeedsByTheTable) {
    const std::pair<int, int> cases[] = {{0, 0},    {1, 1},    {250, 1},   {251, 2},  {450, 2},  {451, 3},
                                         {607, 3},  {608, 4},  {727, 4},   {728, 5},  {816, 5},  {817, 6},
                                         {880, 6},  {881, 7},  {924, 7},   {925, 8},  {953, 8},  {954, 9},
                                         {971, 9},  {972, 10}, {981, 10},  {982, 11}, {989, 11}, {990, 12},
                                         {995, 12}, {996, 13}, {1000, 13}, {1001, 0}};
    for (const auto& [n, seed] : cases)
        EXPECT_EQ(LotterySeedOf(n), seed) << n;
    for (int seed = 1; seed <= 13; ++seed)
        EXPECT_EQ(LotteryChances(seed), kChances[seed]);
}

// Each seed's share of the first pick is its chance, within four and a half standard errors.
TEST(Lottery, OddsMatchTheTable) {
    auto league = DraftLeague(Phase::RookieDraft);
    ScriptedHost host;
    const int runs = 6000;
    std::array<int, 14> first{};
    for (int run = 0; run < runs; ++run) {
        league->rng.Seed(static_cast<uint64_t>(run) + 100);
        ASSERT_TRUE(RunDraftLottery(*league, host));
        const auto& order = league->tables.lotteryOrder;
        ++first[order[1]];
        // Three lottery winners, then the other lottery teams and the playoff teams by record.
        const std::set<int> winners(order.begin() + 1, order.begin() + 4);
        ASSERT_TRUE(winners.size() == 3 && *winners.rbegin() <= 13 && order[13] <= 13 && order[14] == 14);
        for (int pick = 5; pick <= 29; ++pick)
            ASSERT_TRUE(pick == 14 || order[pick] > order[pick - 1]) << pick;
        ASSERT_LE(std::find(order.begin() + 1, order.end(), 1) - order.begin(), 4)
            << "the worst picks 4th at last";
    }
    for (int seed = 1; seed <= 13; ++seed) {
        const double p = kChances[seed] / 1000.0;
        EXPECT_NEAR(first[seed] / double(runs), p, 4.5 * std::sqrt(p * (1 - p) / runs)) << seed;
    }
}

TEST(RookieDraftOrder, SecondRoundByRecordAndEverySlotPickedByTheOwner) {
    auto league = DraftLeague(Phase::RookieDraft);
    league->tables.draftPick(FindPick(*league, 2, 2005, 1)).OwnedBy = 20; // team 2's first-rounder
    ScriptedHost host;
    ASSERT_TRUE(PrepareRookieDraft(*league, host));
    EXPECT_TRUE(RookieDraftOrderReady(*league));
    const auto& order = league->tables.draftOrder;
    ASSERT_EQ(order.size(), 59u);
    for (int pick = 1; pick <= 29; ++pick) {
        const DraftSlot& first = order[static_cast<size_t>(DraftSlotIndex(1, pick))];
        const int earner = league->tables.lotteryOrder[static_cast<size_t>(pick)];
        EXPECT_EQ(std::make_pair(int(league->tables.draftPick(first.PickID).Team), int(first.Team)),
                  std::make_pair(earner, earner == 2 ? 20 : earner));
        const DraftSlot& second = order[static_cast<size_t>(DraftSlotIndex(2, pick))];
        EXPECT_EQ(std::make_pair(int(second.Team), int(league->tables.draftPick(second.PickID).Round)),
                  std::make_pair(pick, 2))
            << "worst record first";
    }
}

} // namespace
} // namespace hv
