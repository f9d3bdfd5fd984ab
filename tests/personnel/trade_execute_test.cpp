// Trades: the league's rules and their refusals, what an agreed trade moves, and the user's side of it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "league/lineup.h"
#include "league/lineup_edit.h"
#include "league/transactions.h"
#include "personnel/trade_value.h"
#include "platform/scripted_host.h"
#include "support/roster_test_support.h"
#include "support/trade_league.h"

namespace hv {
namespace {

using test::PlayerOf;

TEST(ExecuteTrade, MovesPlayersAndPicksAndKeepsEveryInvariant) {
    test::TradeLeague t;
    League& league = t.league;
    league.player(1).BirdYears = 4, league.player(1).IR = true; // off the Hawks' active list, onto the Owls'
    league.team(1).ActivePlayers--, league.team(1).Cs--;
    const int hawksR2 = 1002, owlsR1 = 1009; // picks: 1001 to 1006 the Hawks', 1007 to 1012 the Owls'
    league.tables.draftOrder.assign(59, DraftSlot{});
    league.tables.draftOrder[30] = {1, static_cast<int16_t>(hawksR2), 0, 0, 0};
    ASSERT_TRUE(league.team(1).C1 == 1 && league.team(1).PF1 == 2); // set before 1 went on IR
    const TradeProposal deal = t.Proposal(1, {1, 2, hawksR2}, 2, {13, owlsR1});
    ASSERT_EQ(TradeProblem(league, deal), std::nullopt);
    const Team hawksBefore = league.team(1);

    ExecuteTrade(league, deal);

    for (int id : {1, 2}) {
        const Player& p = league.player(id);
        EXPECT_EQ(std::tie(p.Team, p.Signday, p.SignYear, p.BirdYears), std::make_tuple("Owls", 10, 2005, 0));
    }
    EXPECT_EQ(league.player(13).Team, "Hawks");
    // The draft calls the Hawks' pick for its new holder.
    EXPECT_EQ(std::make_tuple(int(league.tables.draftPick(hawksR2).OwnedBy),
                              int(league.tables.draftPick(owlsR1).OwnedBy),
                              int(league.tables.draftOrder[30].Team)),
              std::make_tuple(2, 1, 2));
    league.tables.draftOrder.assign(1, DraftSlot{});
    EXPECT_EQ(std::tie(league.team(1).NumPlayers, league.team(2).NumPlayers), std::make_tuple(11, 13));
    // The human Hawks keep their line-up with the departed players' slots emptied.
    const Team& hawks = league.team(1);
    EXPECT_EQ(std::tie(hawks.C1, hawks.PF1, hawks.SF1, hawks.C2),
              std::make_tuple(0, 0, hawksBefore.SF1, hawksBefore.C2));
    for (int n = 1; n <= kLeagueTeams; ++n) {
        const Team& team = league.team(n);
        test::ExpectCountsAgree(league, n);
        EXPECT_TRUE(team.NumPlayers <= 15 && team.TotalSalary == TeamPayroll(league, n)) << team.Name;
        for (int pos = 1; pos <= 5; ++pos)
            for (int row = 1; row <= 3; ++row)
                EXPECT_TRUE(team.Depth(pos, row) == 0 || TeamOfPlayer(league, team.Depth(pos, row)) == n)
                    << team.Name;
        for (int id : {team.keyplayer1, team.keyplayer2, team.keyplayer3})
            EXPECT_TRUE(id == 0 || TeamOfPlayer(league, id) == n) << team.Name;
        EXPECT_TRUE(IsHuman(team) || LineupSettingsValid(team)) << team.Name;
    }
    auto reloaded = std::make_unique<League>(); // the loader also checks the pick table
    EXPECT_NO_THROW(DecodeLeague(EncodeLeague(league, "Trades"), *reloaded));

    const auto& log = league.tables.transactions;
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(std::make_tuple(log[0].Team, log[0].Season, log[0].SeasonDay, log[0].Action),
              std::make_tuple(
                  "Hawks", 2005, 10,
                  "Trade C Player1 C, PF Player2 PF and one draft pick to the Owls for C Player13 C and "
                  "one draft pick"));
    EXPECT_EQ(log[1].Team, "Owls");
}

TEST(ProposeTrade, TwoHumanTeamsNeedOnlyAgree) {
    for (bool agree : {false, true}) {
        test::TradeLeague t;
        SetHuman(t.league.team(2), true);
        ScriptedHost host;
        host.answers = {agree};
        const std::string before = t.Snapshot();
        // A lopsided trade that no computer team would take.
        EXPECT_EQ(ProposeTrade(t.league,
                               t.Proposal(1, {PlayerOf(1, 12)}, 2, {PlayerOf(2, 1), PlayerOf(2, 2)}), host),
                  agree ? TradeOutcome::Done : TradeOutcome::Declined);
        EXPECT_EQ(host.questions, std::vector<std::string>{"Do both human teams agree to this trade?"});
        EXPECT_EQ(std::make_pair(t.league.player(PlayerOf(2, 1)).Team.str(), t.Snapshot() == before),
                  std::make_pair(std::string(agree ? "Hawks" : "Owls"), !agree));
    }
}

TEST(SuggestAddition, TheLowestRatedItemThatMakesItWork) {
    test::TradeLeague t;
    League& league = t.league;
    // The Hawks ask for the Owls' 69-rated forward for nothing; only what they add can pay for him.
    TradeProposal ask = t.Proposal(1, {}, 2, {PlayerOf(2, 12)});
    ASSERT_GT(EvaluateTrade(league, ask, 2), 0);
    const auto addition = SuggestAddition(league, ask);
    ASSERT_TRUE(addition.has_value());
    // It makes the trade work; nothing of the Hawks rated lower would.
    const TradeRater rater(league);
    std::vector<int> items = RosterOf(league, 1);
    for (int id = 1001; id <= 1006; ++id)
        items.push_back(id);
    for (int id : items) {
        TradeProposal other = ask;
        other.first.items.push_back(rater.Item(id));
        EXPECT_TRUE(id != addition->id || EvaluateTrade(league, other, 2) <= 0);
        EXPECT_TRUE(rater.Rating(id) >= addition->rating || EvaluateTrade(league, other, 2) > 0) << id;
    }
    EXPECT_EQ(SuggestionText(league, ask, addition),
              "Adding " + OfferItemText(league, addition->id) + " would make the Owls accept this trade.");

    // Five items already leave no room; asking for their best leaves nothing single that would do.
    EXPECT_EQ(SuggestAddition(league, t.Proposal(1, {1001, 1002, 1003, 1004, 1006}, 2, {13})), std::nullopt);
    const TradeProposal star = t.Proposal(1, {}, 2, {13, 14, 15});
    EXPECT_EQ(SuggestAddition(league, star), std::nullopt);
    EXPECT_EQ(SuggestionText(league, star, std::nullopt),
              "No single player or draft pick of the Hawks would make the Owls accept this trade.");
}

TEST(ComputerOffer, TextDeclineAndAccept) {
    test::TradeLeague t;
    League& league = t.league;
    const TradeProposal offer = t.Proposal(2, {PlayerOf(2, 1), 1007}, 1, {PlayerOf(1, 2)});
    EXPECT_EQ(OfferText(league, offer),
              "Owls give:\n    Player13 C (C-80)\n    2006 Round 1 draft pick\nHawks give:\n"
              "    Player2 PF (PF-79)");
    ScriptedHost host;
    host.answers = {false};
    const std::string before = t.Snapshot();
    EXPECT_FALSE(PutOfferToUser(league, offer, host));
    EXPECT_EQ(host.questions.back(),
              "The Owls offer you a trade.\n" + OfferText(league, offer) + "\nDo you accept this trade?");
    EXPECT_TRUE(t.Snapshot() == before && OfferDeclined(league, offer));
    ClearTradingState(league);
    EXPECT_FALSE(OfferDeclined(league, offer));

    host.answers = {true};
    EXPECT_TRUE(PutOfferToUser(league, offer, host));
    EXPECT_EQ(league.player(PlayerOf(1, 2)).Team, "Owls");
    // The places he held in the Hawks' line-up are filled, so that their next game is played; they are told.
    EXPECT_EQ(LineupProblem(league, 1, LineupOf(league.team(1))), std::nullopt);
    EXPECT_EQ(host.messages.back().title, "Line-up");
    EXPECT_NE(host.LastMessage().find("PF1 "), std::string::npos);
}

using Prepare = std::function<void(test::TradeLeague&)>;

// A proposal of the Hawks' items for the Owls' (unless `from` and `to` say otherwise): its refusal's message,
// or for one that passes what it shows.
struct Proposed {
    Prepare prepare;
    std::vector<int> give, get;
    std::string text;
    int from = 1, to = 2;
};

const int hawk = PlayerOf(1, 1), owl = PlayerOf(2, 1);
const Prepare signed59DaysAgo = [](test::TradeLeague& t) { t.Signed(owl, 2004, 151); };
const Prepare signed60DaysAgo = [](test::TradeLeague& t) { t.Signed(owl, 2004, 150); };
const Prepare exception = [](test::TradeLeague& t) { t.league.player(hawk).Exception = true; };
const Prepare usedPick = [](test::TradeLeague& t) { t.league.tables.draftPick(1002).Selection = 4; };
const Prepare deadline = [](test::TradeLeague& t) { t.league.state.SeasonDay = 101; };
Prepare OwlsGet(int players) {
    return [players](test::TradeLeague& t) { t.AddPlayers(2, players); };
}
std::string NoFirstRounders(const std::string& team) {
    return "This trade would violate league rules by leaving the " + team +
           " without a first round pick for two consecutive years in the future.";
}

// Picks 1001 to 1006 are the Hawks' (2006 to 2008, rounds 1 and 2), 1007 to 1012 the Owls'.
TEST(TradeRules, EveryRefusalShowsItsMessageAndChangesNothing) {
    const Proposed cases[] = {
        {OwlsGet(3), {hawk, hawk + 1}, {owl}, "This trade would result in the Owls having too many players."},
        {signed59DaysAgo,
         {hawk},
         {owl},
         "Player13 C was signed/traded less than 60 days ago and may not be traded."},
        {exception, {hawk}, {owl}, "Players signed to a salary cap exception may not be traded."},
        {nullptr, {1001, 1003}, {owl}, NoFirstRounders("Hawks")},
        {nullptr, {hawk}, {1009, 1011}, NoFirstRounders("Owls")},
        {nullptr, {owl}, {}, "Player13 C is not on the Hawks roster."},
        {nullptr, {1008}, {owl}, "The Hawks do not hold the 2006 Round 2 draft pick of the Owls."},
        {usedPick, {1002}, {owl}, "The 2006 Round 2 draft pick of the Hawks has already been used."},
        {nullptr,
         {1, 2, 3, 4, 5, 6},
         {owl},
         "The Hawks may put at most 5 players or draft picks into one trade."},
        {nullptr, {hawk, hawk}, {owl}, "Player1 C is in this trade twice."},
        {nullptr, {}, {}, "Choose the players or draft picks to trade."},
        {nullptr, {hawk}, {hawk + 1}, "A trade needs two different teams.", 1, 1},
        {deadline,
         {hawk},
         {owl},
         "Trades can be made before the season, up to the trade deadline (day 100) and in the off-season."},
        {nullptr,
         {PlayerOf(3, 1)},
         {owl},
         "The Team3 are run by the computer; make them a human team on the Team Control screen to propose "
         "their trades.",
         3},
    };
    for (const Proposed& c : cases) {
        test::TradeLeague t;
        if (c.prepare) c.prepare(t);
        const std::string before = t.Snapshot();
        ScriptedHost host;
        EXPECT_EQ(ProposeTrade(t.league, t.Proposal(c.from, c.give, c.to, c.get), host),
                  TradeOutcome::Invalid)
            << c.text;
        ASSERT_EQ(host.messages.size(), 1u) << c.text;
        EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text, "Trade Error: " + c.text);
        EXPECT_TRUE(host.questions.empty() && t.Snapshot() == before) << c.text;
    }
    const Proposed edges[] = {
        {OwlsGet(2), {hawk, hawk + 1}, {owl}, "a roster of 14 takes two for one"},
        {signed60DaysAgo, {hawk}, {owl}, "signed 60 days ago, across a season"},
        {nullptr, {1001, 1005}, {owl}, "first-rounders two drafts apart"},
        {nullptr, {1001, 1003}, {1009}, "two first-rounders for one of a draft between"},
    };
    for (const Proposed& c : edges) {
        test::TradeLeague t;
        if (c.prepare) c.prepare(t);
        EXPECT_EQ(TradeProblem(t.league, t.Proposal(c.from, c.give, c.to, c.get)), std::nullopt) << c.text;
    }
}

TEST(TradeRules, DaysSinceSigningOnTheSeasonDayScale) {
    const struct {
        int season, day, signYear, signDay, days;
    } cases[] = {
        {2005, 10, 2005, 3, 7},     // this season
        {2006, 5, 2005, 185, 20},   // free agency filed under the season it followed
        {2006, 0, 2005, 190, 10},   // the camps before this season
        {2006, 190, 2005, 10, 180}, // the off-season still counts as the season just ended
    };
    test::TradeLeague t;
    Player& p = t.league.player(1);
    for (const auto& c : cases) {
        t.league.state.Season = static_cast<int16_t>(c.season),
        t.league.state.SeasonDay = static_cast<int16_t>(c.day);
        p.SignYear = static_cast<int16_t>(c.signYear), p.Signday = static_cast<int16_t>(c.signDay);
        EXPECT_EQ(DaysSinceSigning(t.league, p), c.days) << c.season << "/" << c.day;
    }
}

} // namespace
} // namespace hv
