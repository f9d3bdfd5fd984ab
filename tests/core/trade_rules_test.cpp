// The league's trade rules: every refusal with its message and nothing changed, the edges that pass, and the
// 60-day lock on the season-day scale.
#include <functional>

#include <gtest/gtest.h>

#include "platform/scripted_host.h"
#include "support/trade_league.h"

namespace hv {
namespace {

using test::PlayerOf;

struct Refusal {
    const char* what;
    std::function<void(test::TradeLeague&)> setup;
    int from;
    std::vector<int> give;
    int to;
    std::vector<int> get;
    std::string message;
};

TEST(TradeRules, EveryRefusalShowsItsMessageAndChangesNothing) {
    const int hawk = PlayerOf(1, 1), owl = PlayerOf(2, 1);
    auto pick = [](int team, int year, int round) {
        return FindPick(test::TradeLeague().league, team, year, round);
    };
    const Refusal cases[] = {
        {"full roster",
         [](test::TradeLeague& t) { t.AddPlayers(2, 3); },
         1,
         {hawk, hawk + 1},
         2,
         {owl},
         "This trade would result in the Owls having too many players."},
        {"signed 59 days ago, across a season",
         [owl](test::TradeLeague& t) { t.Signed(owl, 2004, 151); },
         1,
         {hawk},
         2,
         {owl},
         "Player13 C was signed/traded less than 60 days ago and may not be traded."},
        {"cap exception",
         [hawk](test::TradeLeague& t) { t.league.player(hawk).Exception = true; },
         1,
         {hawk},
         2,
         {owl},
         "Players signed to a salary cap exception may not be traded."},
        {"first-rounders of two following drafts",
         nullptr,
         1,
         {pick(1, 2006, 1), pick(1, 2007, 1)},
         2,
         {owl},
         "This trade would violate league rules by leaving the Hawks without a first round pick for two "
         "consecutive years in the future."},
        {"the other side's first-rounders",
         nullptr,
         1,
         {hawk},
         2,
         {pick(2, 2007, 1), pick(2, 2008, 1)},
         "This trade would violate league rules by leaving the Owls without a first round pick for two "
         "consecutive years in the future."},
        {"a player of another team", nullptr, 1, {owl}, 2, {}, "Player13 C is not on the Hawks roster."},
        {"a pick the team does not hold",
         nullptr,
         1,
         {pick(2, 2006, 2)},
         2,
         {owl},
         "The Hawks do not hold the 2006 Round 2 draft pick of the Owls."},
        {"a used pick",
         [](test::TradeLeague& t) { t.league.tables.draftPick(t.Pick(1, 2006, 2)).Selection = 4; },
         1,
         {pick(1, 2006, 2)},
         2,
         {owl},
         "The 2006 Round 2 draft pick of the Hawks has already been used."},
        {"six items",
         nullptr,
         1,
         {1, 2, 3, 4, 5, 6},
         2,
         {owl},
         "The Hawks may put at most 5 players or draft picks into one trade."},
        {"an item twice", nullptr, 1, {hawk, hawk}, 2, {owl}, "Player1 C is in this trade twice."},
        {"nothing at all", nullptr, 1, {}, 2, {}, "Choose the players or draft picks to trade."},
        {"one team", nullptr, 1, {hawk}, 1, {hawk + 1}, "A trade needs two different teams."},
        {"after the deadline",
         [](test::TradeLeague& t) { t.league.state.SeasonDay = 101; },
         1,
         {hawk},
         2,
         {owl},
         "Trades can be made before the season, up to the trade deadline (day 100) and in the off-season."},
        {"a computer team proposing",
         nullptr,
         3,
         {PlayerOf(3, 1)},
         2,
         {owl},
         "The Team3 are run by the computer; make them a human team on the Team Control screen to propose "
         "their "
         "trades."},
    };
    for (const Refusal& c : cases) {
        test::TradeLeague t;
        if (c.setup) c.setup(t);
        const std::string before = t.Snapshot();
        ScriptedHost host;
        EXPECT_EQ(ProposeTrade(t.league, t.Proposal(c.from, c.give, c.to, c.get), host),
                  TradeOutcome::Invalid)
            << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_EQ(host.messages[0].text, c.message) << c.what;
        EXPECT_EQ(host.messages[0].title, "Trade Error") << c.what;
        EXPECT_TRUE(host.questions.empty()) << c.what;
        EXPECT_EQ(t.Snapshot(), before) << c.what;
    }
}

TEST(TradeRules, EdgesThatPass) {
    const int hawk = PlayerOf(1, 1), owl = PlayerOf(2, 1);
    const Refusal cases[] = {
        {"a roster of 14 takes two for one",
         [](test::TradeLeague& t) { t.AddPlayers(2, 2); },
         1,
         {hawk, hawk + 1},
         2,
         {owl},
         ""},
        {"signed 60 days ago, across a season",
         [owl](test::TradeLeague& t) { t.Signed(owl, 2004, 150); },
         1,
         {hawk},
         2,
         {owl},
         ""},
        {"one first-rounder", nullptr, 1, {1001}, 2, {owl}, ""},
        {"first-rounders two drafts apart", nullptr, 1, {1001, 1005}, 2, {owl}, ""},
        {"two first-rounders for one of a draft between", nullptr, 1, {1001, 1003}, 2, {1009}, ""},
        {"a side giving nothing", nullptr, 1, {}, 2, {owl}, ""},
    };
    for (const Refusal& c : cases) {
        test::TradeLeague t;
        if (c.setup) c.setup(t);
        // Picks 1001 to 1006 are the Hawks' (2006 to 2008, rounds 1 and 2), 1007 to 1012 the Owls'.
        ASSERT_EQ(t.Pick(1, 2006, 1), 1001);
        ASSERT_EQ(t.Pick(1, 2008, 1), 1005);
        ASSERT_EQ(t.Pick(2, 2007, 1), 1009);
        EXPECT_EQ(TradeProblem(t.league, t.Proposal(c.from, c.give, c.to, c.get)), std::nullopt) << c.what;
    }
}

TEST(TradeRules, DaysSinceSigningOnTheSeasonDayScale) {
    struct Case {
        int season, day, signYear, signDay, days;
    };
    const Case cases[] = {
        {2005, 10, 2005, 3, 7},     // this season
        {2005, 10, 2004, 150, 60},  // the season before
        {2006, 5, 2005, 185, 20},   // free agency filed under the season it followed
        {2006, 0, 2005, 190, 10},   // the camps before this season
        {2006, 190, 2005, 10, 180}, // the off-season still counts as the season just ended
        {2006, 170, 2005, 120, 50},
    };
    test::TradeLeague t;
    Player& p = t.league.player(1);
    for (const Case& c : cases) {
        t.league.state.Season = static_cast<int16_t>(c.season);
        t.league.state.SeasonDay = static_cast<int16_t>(c.day);
        p.SignYear = static_cast<int16_t>(c.signYear);
        p.Signday = static_cast<int16_t>(c.signDay);
        EXPECT_EQ(DaysSinceSigning(t.league, p), c.days) << c.season << "/" << c.day;
    }
}

} // namespace
} // namespace hv
