// The league's trade rules: every refusal with its message and nothing changed, the edges that pass, and the
// 60-day lock on the season-day scale.
#include <functional>

#include <gtest/gtest.h>

#include "platform/scripted_host.h"
#include "support/trade_league.h"

namespace hv {
namespace {

using test::PlayerOf;

using Prepare = std::function<void(test::TradeLeague&)>;

// A proposal of the Hawks' items for the Owls' (unless `from` and `to` say otherwise) and its refusal.
struct Refusal {
    Refusal(const char* w, Prepare s, std::vector<int> gives, std::vector<int> gets, std::string m = "",
            int f = 1, int t = 2)
        : what(w), prepare(std::move(s)), give(std::move(gives)), get(std::move(gets)), message(std::move(m)),
          from(f), to(t) {}
    const char* what;
    Prepare prepare;
    std::vector<int> give, get;
    std::string message;
    int from, to;
};

const int hawk = PlayerOf(1, 1), owl = PlayerOf(2, 1);

std::string NoFirstRounders(const std::string& team) {
    return "This trade would violate league rules by leaving the " + team +
           " without a first round pick for two consecutive years in the future.";
}

// Picks 1001 to 1006 are the Hawks' (2006 to 2008, rounds 1 and 2), 1007 to 1012 the Owls'.
TEST(TradeRules, EveryRefusalShowsItsMessageAndChangesNothing) {
    const Prepare fullOwls = [](test::TradeLeague& t) { t.AddPlayers(2, 3); };
    const Prepare signed59DaysAgo = [](test::TradeLeague& t) { t.Signed(owl, 2004, 151); };
    const Prepare exception = [](test::TradeLeague& t) { t.league.player(hawk).Exception = true; };
    const Prepare usedPick = [](test::TradeLeague& t) { t.league.tables.draftPick(1002).Selection = 4; };
    const Prepare deadline = [](test::TradeLeague& t) { t.league.state.SeasonDay = 101; };
    const Refusal cases[] = {
        Refusal("full roster", fullOwls, {hawk, hawk + 1}, {owl},
                "This trade would result in the Owls having too many players."),
        Refusal("signed 59 days ago, across a season", signed59DaysAgo, {hawk}, {owl},
                "Player13 C was signed/traded less than 60 days ago and may not be traded."),
        Refusal("cap exception", exception, {hawk}, {owl},
                "Players signed to a salary cap exception may not be traded."),
        Refusal("first-rounders of two following drafts", nullptr, {1001, 1003}, {owl},
                NoFirstRounders("Hawks")),
        Refusal("the other side's first-rounders", nullptr, {hawk}, {1009, 1011}, NoFirstRounders("Owls")),
        Refusal("a player of another team", nullptr, {owl}, {}, "Player13 C is not on the Hawks roster."),
        Refusal("a pick the team does not hold", nullptr, {1008}, {owl},
                "The Hawks do not hold the 2006 Round 2 draft pick of the Owls."),
        Refusal("a used pick", usedPick, {1002}, {owl},
                "The 2006 Round 2 draft pick of the Hawks has already been used."),
        Refusal("six items", nullptr, {1, 2, 3, 4, 5, 6}, {owl},
                "The Hawks may put at most 5 players or draft picks into one trade."),
        Refusal("an item twice", nullptr, {hawk, hawk}, {owl}, "Player1 C is in this trade twice."),
        Refusal("nothing at all", nullptr, {}, {}, "Choose the players or draft picks to trade."),
        Refusal("one team", nullptr, {hawk}, {hawk + 1}, "A trade needs two different teams.", 1, 1),
        Refusal("after the deadline", deadline, {hawk}, {owl},
                "Trades can be made before the season, up to the trade deadline (day 100) and in the "
                "off-season."),
        Refusal("a computer team proposing", nullptr, {PlayerOf(3, 1)}, {owl},
                "The Team3 are run by the computer; make them a human team on the Team Control screen to "
                "propose their trades.",
                3, 2),
    };
    for (const Refusal& c : cases) {
        test::TradeLeague t;
        ASSERT_EQ(
            std::make_tuple(t.Pick(1, 2006, 2), t.Pick(1, 2007, 1), t.Pick(2, 2006, 2), t.Pick(2, 2008, 1)),
            std::make_tuple(1002, 1003, 1008, 1011));
        if (c.prepare) c.prepare(t);
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
    const Refusal cases[] = {
        Refusal("a roster of 14 takes two for one", [](test::TradeLeague& t) { t.AddPlayers(2, 2); },
                {hawk, hawk + 1}, {owl}),
        Refusal("signed 60 days ago, across a season", [](test::TradeLeague& t) { t.Signed(owl, 2004, 150); },
                {hawk}, {owl}),
        Refusal("one first-rounder", nullptr, {1001}, {owl}),
        Refusal("first-rounders two drafts apart", nullptr, {1001, 1005}, {owl}),
        Refusal("two first-rounders for one of a draft between", nullptr, {1001, 1003}, {1009}),
        Refusal("a side giving nothing", nullptr, {}, {owl}),
    };
    for (const Refusal& c : cases) {
        test::TradeLeague t;
        if (c.prepare) c.prepare(t);
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
