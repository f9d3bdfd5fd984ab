// Trades: the league's rules (every refusal with its message and nothing changed, the edges that pass, the
// 60-day lock on the season-day scale), what an agreed trade moves and the invariants it keeps, and the
// user's side of it (agreement of two human teams, the question to go ahead, declined computer offers, the
// suggestion of what would make a refused proposal work).
#include <gtest/gtest.h>

#include <functional>

#include "core/roster_test_support.h"
#include "personnel/trade_value.h"
#include "platform/scripted_host.h"
#include "reports/team_info_table.h"
#include "season/lineup.h"
#include "season/transactions.h"
#include "support/trade_league.h"

namespace hv {
namespace {

using test::PlayerOf;

// Every invariant a trade must keep, for every team.
void ExpectLeagueHolds(const League& league) {
    int onTeams = 0;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = league.team(t);
        test::ExpectCountsAgree(league, t);
        onTeams += team.NumPlayers;
        EXPECT_LE(team.NumPlayers, 15) << team.Name;
        EXPECT_EQ(team.TotalSalary, TeamPayroll(league, t)) << team.Name;
        for (int pos = 1; pos <= 5; ++pos)
            for (int row = 1; row <= 3; ++row)
                EXPECT_TRUE(team.Depth(pos, row) == 0 || TeamOfPlayer(league, team.Depth(pos, row)) == t)
                    << team.Name;
        for (int id : {team.keyplayer1, team.keyplayer2, team.keyplayer3})
            EXPECT_TRUE(id == 0 || TeamOfPlayer(league, id) == t) << team.Name;
        EXPECT_TRUE(IsHuman(team) || LineupSettingsValid(team)) << team.Name;
    }
    int rostered = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        rostered += TeamOfPlayer(league, id) != 0;
    EXPECT_EQ(onTeams, rostered); // each player counted by exactly one team
    EXPECT_EQ(PickTableProblem(league.tables), std::nullopt);
    // The saved game takes it back.
    League reloaded;
    EXPECT_NO_THROW(DecodeLeague(EncodeLeague(league, "Trades"), reloaded));
}

TEST(ExecuteTrade, MovesPlayersAndPicksAndKeepsEveryInvariant) {
    test::TradeLeague t;
    League& league = t.league;
    league.player(1).BirdYears = 4;
    league.player(1).IR = true; // counted off the Hawks' active list, onto the Owls'
    league.team(1).ActivePlayers--;
    league.team(1).Cs--;
    const int hawksR2 = t.Pick(1, 2006, 2), owlsR1 = t.Pick(2, 2007, 1);
    league.tables.draftOrder.assign(59, DraftSlot{});
    league.tables.draftOrder[30] = {1, static_cast<int16_t>(hawksR2), 0, 0, 0};
    ASSERT_EQ(league.team(1).C1, 1); // the Hawks' line-up was set before 1 went on IR
    ASSERT_EQ(league.team(1).PF1, 2);
    const TradeProposal deal = t.Proposal(1, {1, 2, hawksR2}, 2, {13, owlsR1});
    ASSERT_EQ(TradeProblem(league, deal), std::nullopt);
    const Team hawksBefore = league.team(1);

    ExecuteTrade(league, deal);

    for (int id : {1, 2}) {
        const Player& p = league.player(id);
        EXPECT_EQ(std::tie(p.Team, p.Signday, p.SignYear, p.BirdYears), std::make_tuple("Owls", 10, 2005, 0));
    }
    EXPECT_EQ(league.player(13).Team, "Hawks");
    EXPECT_EQ(std::tie(league.tables.draftPick(hawksR2).OwnedBy, league.tables.draftPick(owlsR1).OwnedBy),
              std::make_tuple(2, 1));
    EXPECT_EQ(league.tables.draftOrder[30].Team, 2); // the draft calls the pick for its new holder
    league.tables.draftOrder.assign(1, DraftSlot{});
    EXPECT_EQ(std::tie(league.team(1).NumPlayers, league.team(2).NumPlayers), std::make_tuple(11, 13));
    // The human Hawks keep their line-up with the departed players' slots emptied.
    const Team& hawks = league.team(1);
    EXPECT_EQ(std::tie(hawks.C1, hawks.PF1, hawks.SF1, hawks.C2),
              std::make_tuple(0, 0, hawksBefore.SF1, hawksBefore.C2));
    ExpectLeagueHolds(league);

    std::vector<std::string> log;
    for (const Transaction& t : league.tables.transactions)
        log.push_back(t.Team + " " + std::to_string(t.Season) + "/" + std::to_string(t.SeasonDay) + ": " +
                      t.Action);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "Hawks 2005/10: Trade C Player1 C, PF Player2 PF and one draft pick to the Owls for C "
                       "Player13 C and one draft pick",
                       "Owls 2005/10: Trade C Player13 C and one draft pick to the Hawks for C Player1 C, PF "
                       "Player2 PF and one draft pick"}));
}

TEST(ExecuteTrade, ItemTexts) {
    test::TradeLeague t;
    struct Case {
        std::vector<int> items;
        std::string text;
    };
    const Case cases[] = {
        {{}, "nothing"},
        {{1}, "C Player1 C"},
        {{1, 2}, "C Player1 C and PF Player2 PF"},
        {{1, 2, 3}, "C Player1 C, PF Player2 PF and SF Player3 SF"},
        {{1001}, "one draft pick"},
        {{1001, 1002, 1003}, "3 draft picks"},
        {{1, 1001}, "C Player1 C and one draft pick"},
        {{1, 2, 1001, 1002}, "C Player1 C, PF Player2 PF and 2 draft picks"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TradeItemsText(t.league, {1, RatedItems(t.league, c.items)}), c.text);
}

TEST(ProposeTrade, TwoHumanTeamsNeedOnlyAgree) {
    for (bool agree : {false, true}) {
        test::TradeLeague t;
        SetHuman(t.league.team(2), true);
        // A lopsided trade that no computer team would take.
        const TradeProposal deal = t.Proposal(1, {PlayerOf(1, 12)}, 2, {PlayerOf(2, 1), PlayerOf(2, 2)});
        ScriptedHost host;
        host.answers = {agree};
        const std::string before = t.Snapshot();
        EXPECT_EQ(ProposeTrade(t.league, deal, host), agree ? TradeOutcome::Done : TradeOutcome::Declined);
        EXPECT_EQ(host.questions, std::vector<std::string>{"Do both human teams agree to this trade?"});
        EXPECT_EQ(t.league.player(PlayerOf(2, 1)).Team, agree ? "Hawks" : "Owls");
        EXPECT_EQ(t.Snapshot() == before, !agree);
    }
}

TEST(ProposeTrade, AComputerTeamAcceptsOrRefuses) {
    test::TradeLeague t;
    // The Hawks' best player for the Owls' worst: the Owls accept, and the user is asked to go ahead.
    const TradeProposal generous = t.Proposal(1, {PlayerOf(1, 1)}, 2, {PlayerOf(2, 12)});
    ASSERT_LE(EvaluateTrade(t.league, generous, 2), 0);
    ScriptedHost host;
    host.answers = {false};
    std::string before = t.Snapshot();
    EXPECT_EQ(ProposeTrade(t.league, generous, host), TradeOutcome::Declined);
    EXPECT_EQ(host.questions.back(), "Would you like to proceed with the trade?");
    EXPECT_EQ(t.Snapshot(), before);
    host.answers = {true};
    EXPECT_EQ(ProposeTrade(t.league, generous, host), TradeOutcome::Done);
    EXPECT_EQ(host.LastMessage(), "Trade Accepted");

    // The reverse is refused with the Owls' answer; nothing changes.
    const TradeProposal greedy = t.Proposal(1, {PlayerOf(1, 12)}, 2, {PlayerOf(2, 2)});
    const int shortfall = EvaluateTrade(t.league, greedy, 2);
    ASSERT_GT(shortfall, 0);
    before = t.Snapshot();
    host = ScriptedHost();
    EXPECT_EQ(ProposeTrade(t.league, greedy, host), TradeOutcome::Refused);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text,
              "Trade Rejected: " + TradeAnswer(shortfall, "Owls"));
    EXPECT_TRUE(host.questions.empty());
    EXPECT_EQ(t.Snapshot(), before);
}

TEST(SuggestAddition, TheLowestRatedItemThatMakesItWork) {
    test::TradeLeague t;
    League& league = t.league;
    // The Hawks ask for the Owls' 69-rated forward for nothing; only what they add can pay for him.
    TradeProposal ask = t.Proposal(1, {}, 2, {PlayerOf(2, 12)});
    ASSERT_GT(EvaluateTrade(league, ask, 2), 0);
    const auto addition = SuggestAddition(league, ask);
    ASSERT_TRUE(addition.has_value());
    TradeProposal more = ask;
    more.first.items.push_back(*addition);
    EXPECT_LE(EvaluateTrade(league, more, 2), 0);
    // Nothing of the Hawks rated lower would do.
    const TradeRater rater(league);
    std::vector<int> items = RosterOf(league, 1);
    for (int id = 1001; id <= 1006; ++id)
        items.push_back(id);
    for (int id : items) {
        TradeProposal other = ask;
        other.first.items.push_back(rater.Item(id));
        if (rater.Rating(id) < addition->rating) {
            EXPECT_GT(EvaluateTrade(league, other, 2), 0) << id;
        }
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
    EXPECT_EQ(t.Snapshot(), before);
    EXPECT_TRUE(OfferDeclined(league, offer));
    ClearTradingState(league);
    EXPECT_FALSE(OfferDeclined(league, offer));

    host.answers = {true};
    EXPECT_TRUE(PutOfferToUser(league, offer, host));
    EXPECT_EQ(league.player(PlayerOf(1, 2)).Team, "Owls");
    EXPECT_EQ(league.tables.draftPick(1007).OwnedBy, 1);
    ExpectLeagueHolds(league);
}

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
        if (c.prepare) c.prepare(t);
        const std::string before = t.Snapshot();
        ScriptedHost host;
        EXPECT_EQ(ProposeTrade(t.league, t.Proposal(c.from, c.give, c.to, c.get), host),
                  TradeOutcome::Invalid)
            << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text, "Trade Error: " + c.message);
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
    ASSERT_EQ(std::make_tuple(t.Pick(1, 2006, 2), t.Pick(1, 2007, 1), t.Pick(2, 2006, 2), t.Pick(2, 2008, 1)),
              std::make_tuple(1002, 1003, 1008, 1011)); // the numbering the refusals rely on
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
