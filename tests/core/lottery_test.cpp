// Draft picks and the lottery: the pick table, the loader's refusal of an inconsistent one, the lottery
// table, its odds over many seeded draws, and the rookie draft's order.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "core/sample_league.h"
#include "league/save_file.h"
#include "personnel/draft.h"
#include "personnel/draft_picks.h"
#include "personnel/lottery.h"
#include "platform/scripted_host.h"

namespace hv {
namespace {

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
    EXPECT_EQ(league.tables.draftPick(FindPick(league, 29, 2006, 2)).Team, 29);
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

TEST(Lottery, OrderHasWinnersThenLotteryTeamsThenPlayoffTeams) {
    League league = DraftLeague();
    ScriptedHost host;
    for (uint64_t seed = 1; seed <= 60; ++seed) {
        league.rng.Seed(seed);
        ASSERT_TRUE(RunDraftLottery(league, host));
        const auto& order = league.tables.lotteryOrder;
        std::set<int> winners(order.begin() + 1, order.begin() + 4);
        ASSERT_EQ(winners.size(), 3u) << "no team wins twice";
        for (int w : winners)
            ASSERT_LE(w, 13) << "only lottery teams win";
        int previous = 0;
        for (int pick = 4; pick <= 13; ++pick) {
            ASSERT_LE(order[pick], 13);
            ASSERT_GT(order[pick], previous) << "the rest of the lottery teams by record";
            previous = order[pick];
        }
        for (int pick = 14; pick <= 29; ++pick)
            ASSERT_EQ(order[pick], pick) << "playoff teams by record";
        int worst = static_cast<int>(std::find(order.begin() + 1, order.end(), 1) - order.begin());
        ASSERT_LE(worst, 4) << "the worst team picks fourth at the latest";
    }
    for (int t = 1; t <= kLeagueTeams; ++t)
        EXPECT_EQ(league.team(t).DraftRank, t);
}

// 6000 lotteries: each seed's share of the first pick is its chance in 1000, and the worst team's share of
// the second pick follows from drawing again until an unused seed comes up: the sum over the first winner k
// of p(k) x p(1) / (1 - p(k)). With at most 6000 draws a share has a standard error of at most 0.0065;
// each bound is four and a half standard errors of its own share.
TEST(Lottery, OddsMatchTheTable) {
    League league = DraftLeague();
    ScriptedHost host;
    const int runs = 6000;
    std::array<int, 14> first{};
    int worstSecond = 0;
    for (int run = 0; run < runs; ++run) {
        league.rng.Seed(static_cast<uint64_t>(run) + 100);
        ASSERT_TRUE(RunDraftLottery(league, host));
        ++first[league.tables.lotteryOrder[1]];
        worstSecond += league.tables.lotteryOrder[2] == 1;
    }
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
