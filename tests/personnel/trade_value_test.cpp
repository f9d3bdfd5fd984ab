// The computer's judgement of a trade, worked by hand from the value rules.
#include <gtest/gtest.h>

#include <array>

#include "personnel/pick_values.h"
#include "personnel/trade_value.h"
#include "support/trade_league.h"

namespace hv {
namespace {

TEST(TradeValue, WeightBands) {
    const std::pair<int, double> table[] = {
        {0, 0.025},   {50, 0.025},  {51, 0.05},   {55, 0.05},   {56, 0.106},  {60, 0.106},
        {61, 0.143},  {65, 0.143},  {66, 0.175},  {70, 0.175},  {71, 0.2025}, {75, 0.2025},
        {76, 0.2265}, {80, 0.2265}, {81, 0.2477}, {85, 0.2477}, {86, 0.25},   {140, 0.25}};
    for (auto [rating, weight] : table)
        EXPECT_DOUBLE_EQ(TradeWeight(rating), weight) << rating;
}

// The off-season unit of 700,000 holds from day 169 to day 185, 500,000 otherwise.
TEST(TradeValue, SalaryUnitByPhase) {
    SeasonState s;
    for (int day : {10, 168, 169, 185, 186}) {
        s.SeasonDay = static_cast<int16_t>(day);
        EXPECT_EQ(SalaryUnit(s), day >= 169 && day <= 185 ? 700000 : 500000) << day;
    }
}

TEST(TradeValue, RatingsWorkedByHand) {
    test::RosterLeague rl;
    League& league = rl.league;
    auto add = [&](int team, int position, int current, int future, int age) {
        const int id = rl.Add(team, position, current);
        league.player(id).FutureRating = static_cast<int16_t>(future);
        league.player(id).Age = static_cast<int16_t>(age);
        return id;
    };
    const int star = add(1, 1, 90, 70, 25), veteran = add(2, 1, 60, 80, 34), guard = add(1, 5, 70, 65, 33);
    add(0, 1, 99, 99, 25); // a free agent is no player of the league
    CreatePickTable(league);
    {
        const TradeRater rater(league);
        // 70 + 20 (nobody above) + 10 (no centre above) + 9 (one centre has a higher future).
        EXPECT_EQ(rater.Rating(star), 109);
        // 80 + 18 + 9 + 10 = 117, above 33: R(93.6).
        EXPECT_EQ(rater.Rating(veteran), 94);
        // 65 + 19 + 10 + 10, at 33 not yet cut.
        EXPECT_EQ(rater.Rating(guard), 104);
        // No class to read a pick from: 40, + 1.
        EXPECT_EQ(rater.Rating(1001), 41);
    }
    // Fifteen players rated above him leave him 5 of the 20; the sixteenth takes them all.
    for (int i = 0; i < 15; ++i)
        add(3, 3, 95, 50, 25);
    EXPECT_EQ(TradeRater(league).Rating(star), 70 + 5 + 10 + 9);
    add(3, 3, 95, 50, 25);
    EXPECT_EQ(TradeRater(league).Rating(star), 70 + 10 + 9);
}

TEST(TradeValue, PickValuesWorkedByHand) {
    test::RosterLeague rl;
    League& league = rl.league;
    for (int t = 1; t <= kLeagueTeams; ++t)
        rl.Fill(t, 12, 50 + t); // team 1 the weakest
    for (int i = 0; i < 60; ++i) {
        const int id = rl.Add(0, i % 5 + 1, 40);
        league.player(id).Team = kDraft;
        league.player(id).FutureRating = static_cast<int16_t>(100 - i);
    }
    CreatePickTable(league);
    struct Case {
        int team, year, round, value;
    };
    // The coming draft at the team's place; later drafts halfway to the middle (place 15), 2 less a year.
    const Case byStrength[] = {{1, 2006, 1, 100}, {1, 2006, 2, 71},  {1, 2007, 1, 91},
                               {1, 2008, 1, 89},  {29, 2006, 1, 72}, {29, 2007, 1, 77}};
    PickValueTable values = PickValues(league);
    for (const Case& c : byStrength)
        EXPECT_EQ(values[FindPick(league, c.team, c.year, c.round) - 1000], c.value)
            << c.team << " " << c.year << " " << c.round;

    // Ten games each: the record decides, team 29 now the worst; the class after reads the 2007 picks.
    for (int t = 1; t <= kLeagueTeams; ++t) {
        league.team(t).HomeWins = static_cast<int16_t>(40 - t);
        league.team(t).HomeLosses = static_cast<int16_t>(t);
    }
    for (int i = 0; i < 30; ++i) {
        const int id = rl.Add(0, i % 5 + 1, 40);
        league.player(id).Team = kNextDraft;
        league.player(id).FutureRating = static_cast<int16_t>(50 - i);
    }
    UpdatePickValues(league);
    auto value = [&](int team, int year) {
        return league.tables.draftPick(FindPick(league, team, year, 1)).value;
    };
    EXPECT_EQ(std::make_tuple(value(29, 2006), value(1, 2006), value(29, 2007), value(29, 2008)),
              std::make_tuple(100, 72, 50 - 7 - 2, 100 - 7 - 4));
}

// Offers of the Hawks (1 to 12) to the Owls (13 to 24) judged by hand from the value rules. Both teams have
// C, PF, SF, SG, PG in turn rated 80 down, so the Owls have 13 C 80, 14 PF 79, 15 SF 78, 18 C 75, 19 PF 74,
// 20 SF 73, 22 PG 71, 23 C 70, 24 PF 69, and the Hawks 1 C 80, 3 SF 78, 5 PG 76, 10 PG 71.
TEST(TradeValue, VerdictsWorkedByHand) {
    const struct {
        int day;
        std::vector<std::array<int, 4>> players; // ID, age, salary, days injured
        std::vector<TradeItem> give, get;
        int judge;
        double balance;
        int verdict;
    } cases[] = {
        // Received: 72 x 0.2025 x 1.1 (young) - 0.25 x 1000000 / 500000 = 15.538; given: 66 x 0.175 x 0.9
        // (older) - 0.25 x 6 = 8.895. Neither changes who starts at point guard, neither is left over.
        {10, {{10, 22, 1000000, 0}, {22, 31, 3000000, 0}}, {{10, 72}}, {{22, 66}}, 2, 6.643, -7},
        // Received: 81 x 0.2477 x 0.75 (out 25 days) - 0.25 (the off-season unit) = 14.797775 (the Owls
        // keep a 78 there). Given: their starting centre, 90 x 0.25 x 1.15 - 0.25 = 25.625, and forward,
        // 86 x 0.25 x 1.15 - 0.25 = 24.475 (the best left there are 75 and 74). Eleven left: 1 more.
        {180,
         {{3, 26, 700000, 25}, {13, 26, 700000, 0}, {14, 26, 700000, 0}},
         {{3, 81}},
         {{13, 90}, {14, 86}},
         2,
         -36.302225,
         36},
        // 71 x 0.2025 = 14.3775 for the pick; 60 x 0.106 - 0.25 = 6.11 and 55 x 0.05 - 0.25 = 2.5 for the
        // two; ten players left: 2 more.
        {10, {{23, 28, 500000, 0}, {24, 28, 500000, 0}}, {{1001, 71}}, {{23, 60}, {24, 55}}, 2, 3.7675, -4},
        // A fourth centre for nothing is left over to the Owls (0.9); the Hawks lose a starter (1.15) and are
        // left with eleven: 1 more.
        {10, {{1, 26, 500000, 0}}, {{1, 90}}, {}, 2, 22.5 * 0.9 - 0.25, -20},
        {10, {{1, 26, 500000, 0}}, {{1, 90}}, {}, 1, -26.625, 27},
        // Picks only, halves round to even: 0.5 given for nothing, and 25 given for 22.5.
        {10, {}, {}, {{1007, 20}}, 2, -0.5, 0},
        {10, {}, {{1001, 90}}, {{1007, 100}}, 2, -2.5, 2},
    };
    for (const auto& c : cases) {
        test::TradeLeague t;
        t.league.state.SeasonDay = static_cast<int16_t>(c.day);
        for (const auto& [id, age, salary, injured] : c.players) {
            Player& p = t.league.player(id);
            p.Age = static_cast<int16_t>(age), p.contract1 = salary,
            p.TimeInjured = static_cast<int16_t>(injured);
        }
        const TradeProposal offer{{1, c.give}, {2, c.get}};
        EXPECT_NEAR(TradeBalance(t.league, offer, c.judge), c.balance, 1e-9) << c.verdict;
        EXPECT_EQ(EvaluateTrade(t.league, offer, c.judge), c.verdict);
    }
}

TEST(TradeValue, AnswersByShortfall) {
    const std::string
        proceed = "Would you like to proceed with the trade?",
        little = "The Owls will need a little bit more to complete this trade.",
        good = "The Owls think your offer is good, but they need more from you to complete this trade.",
        improve = "The Owls will need you to improve your offer to complete this trade.",
        lots = "The Owls will need you to improve your offer substantially to complete this trade.";
    const std::pair<int, std::string> table[] = {{-4, proceed}, {0, proceed},  {1, little},
                                                 {2, little},   {3, good},     {8, good},
                                                 {9, improve},  {15, improve}, {16, lots}};
    for (const auto& [shortfall, answer] : table)
        EXPECT_EQ(TradeAnswer(shortfall, "Owls"), answer) << shortfall;
}

} // namespace
} // namespace hv
