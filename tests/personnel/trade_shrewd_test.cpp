// The shrewd trade judgement: its curve, its contract years and its cap rule worked by hand, and the two
// lopsided trades that the judgement as specified lets through.
#include <gtest/gtest.h>

#include "league/transactions.h"
#include "personnel/trade_value.h"
#include "platform/scripted_host.h"
#include "support/trade_league.h"

namespace hv {
namespace {

TEST(ShrewdTrades, CurveWorkedByHand) {
    // 100 x ((q - 20) / 70)^4, nothing at or below 20.
    const std::pair<double, double> table[] = {
        {10, 0},     {20, 0},  {30, 0.0416493128}, {48, 2.56}, {65, 17.0788213244}, {75, 38.1117242815},
        {83, 65.61}, {90, 100}};
    for (auto [quality, value] : table)
        EXPECT_NEAR(ShrewdCurve(quality), value, 1e-8) << quality;
}

// A league whose teams run from 70 down (C 70, PF 69, SF 68, SG 67, PG 66, C 65, PF 64, SF 63, ...), all 27
// and paid $1,000,000 this season; the cap is $45,000,000, far above every payroll.
class LopsidedTrades : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int t = 1; t <= kLeagueTeams; ++t)
            rl.Fill(t, 12, 70);
        for (int id = 1; id <= test::PlayerOf(kLeagueTeams, 12); ++id) {
            Player& p = league.player(id);
            p.FutureRating = p.CurrentRating, p.Age = 27, p.contract1 = 1000000, p.contract2 = 0;
        }
        SetHuman(league.team(1), true);
        CreatePickTable(league);
        league.state.SetSalaryCapDollars(45000000);
    }
    // Player `index` (1 to 12) of `team` made over.
    int Make(int team, int index, int current, int future, int age, std::initializer_list<int32_t> salary) {
        const int id = test::PlayerOf(team, index);
        Player& p = league.player(id);
        p.CurrentRating = static_cast<int16_t>(current), p.FutureRating = static_cast<int16_t>(future);
        p.Age = static_cast<int16_t>(age);
        int year = 1;
        for (int32_t amount : salary)
            p.Contract(year++) = amount;
        return id;
    }
    void Recount() {
        for (int t = 1; t <= kLeagueTeams; ++t)
            league.team(t).TotalSalary = static_cast<int32_t>(TeamPayroll(league, t));
    }
    int Verdict(TradeJudgement judgement, const TradeProposal& offer) {
        league.state.Trades = judgement;
        return EvaluateTrade(league, offer, offer.second.team);
    }

    test::RosterLeague rl;
    League& league = rl.league;
};

// A 65 and an overpaid 30-year-old 75, owed $11,000,000 a year for five years, for a 24-year-old rated 79
// and 87 to come, paid $2,900,000 for two.
TEST_F(LopsidedTrades, TwoGoodPlayersForAGreatOneAreRefusedShrewdly) {
    const int veteran = Make(1, 2, 75, 75, 30, {11000000, 11000000, 11000000, 11000000, 11000000});
    const int good = Make(1, 8, 65, 70, 27, {1000000});
    const int prospect = Make(2, 3, 79, 87, 24, {2900000, 2900000});
    Recount();
    const TradeProposal offer{{1, RatedItems(league, {veteran, good})}, {2, RatedItems(league, {prospect})}};
    // As specified: the veteran rates 75 + 19 + 10 + 10 = 114 (weight 0.25), the 65 his future 70 + 9 = 79
    // (0.2265), the prospect 87 + 40 = 127 (0.25); each would start for the Owls (1.15). Received: 114 x
    // 0.25 x 0.9 x 1.15 - 0.25 x 22 = 23.9975 and 79 x 0.2265 x 1.15 - 0.5 = 20.077525; given: 127 x 0.25 x
    // 1.15 - 1.45 = 35.0625.
    EXPECT_NEAR(TradeBalance(league, offer, 2), 23.9975 + 20.077525 - 35.0625, 1e-9);
    EXPECT_EQ(Verdict(TradeJudgement::AsSpecified, offer), -9);
    // Shrewd: the veteran 38.1117242815 x 0.9 x 1.15 - 0.25 x 110, the 65 (quality 67.5) 21.2022659829 x 1.15
    // - 0.5; the prospect (quality 83) 65.61 x 1.15 - 0.25 x 11.6.
    league.state.Trades = TradeJudgement::Shrewd;
    EXPECT_NEAR(TradeBalance(league, offer, 2), 11.9456346314 + 23.8826058804 - 72.5515, 1e-8);
    EXPECT_EQ(Verdict(TradeJudgement::Shrewd, offer), 37);
}

// The league's best player, 90 now and to come and paid $12,000,000 a year for three more years, for a 75
// and a 58.
TEST_F(LopsidedTrades, TheBestPlayerForAGoodOneAndABenchPlayerIsRefusedShrewdly) {
    const int star = Make(2, 1, 90, 90, 29, {12000000, 12000000, 12000000});
    const int starter = Make(1, 6, 75, 78, 26, {1000000, 2000000});
    const int bench = Make(1, 11, 58, 58, 27, {1000000, 2000000});
    Recount();
    const TradeProposal offer{{1, RatedItems(league, {starter, bench})}, {2, RatedItems(league, {star})}};
    // As specified: the star rates 90 + 40 = 130, the 75 his future 78 + 19 + 9 + 9 = 115, the 58 just 58
    // (0.106), a fourth centre for the Owls (0.9). Received: 115 x 0.25 x 1.15 - 0.5 = 32.5625 and 58 x
    // 0.106 x 0.9 - 0.5 = 5.0332; given: 130 x 0.25 x 1.15 - 6 = 31.375.
    EXPECT_NEAR(TradeBalance(league, offer, 2), 32.5625 + 5.0332 - 31.375, 1e-9);
    EXPECT_EQ(Verdict(TradeJudgement::AsSpecified, offer), -6);
    // Shrewd: the 75 (quality 76.5) 42.4425658580 x 1.15 - 0.25 x 6 and the 58 8.6844481466 x 0.9 - 1.5
    // received; 100 x 1.15 - 0.25 x 72 given.
    league.state.Trades = TradeJudgement::Shrewd;
    EXPECT_NEAR(TradeBalance(league, offer, 2), 47.3089507367 + 6.3160033319 - 97, 1e-8);
    EXPECT_EQ(Verdict(TradeJudgement::Shrewd, offer), 43);
}

// Every remaining year counts: the same player owed more years is worth less to the team that takes him,
// and shedding him is worth more to the team that gives him away.
TEST_F(LopsidedTrades, EveryContractYearCountsAgainstAPlayer) {
    league.state.Trades = TradeJudgement::Shrewd;
    const int forward = Make(1, 2, 72, 72, 27, {4000000});
    Recount();
    const TradeProposal offer{{1, RatedItems(league, {forward})}, {2, {}}};
    const double oneYear = TradeBalance(league, offer, 2);
    league.player(forward).contract2 = 4000000, league.player(forward).contract3 = 4000000;
    EXPECT_NEAR(oneYear - TradeBalance(league, offer, 2), 0.25 * 16, 1e-9);
}

// Shrewd teams take on no salary over the cap: a payroll above the cap may not grow, one below may grow up
// to it, and one above may shrink. The answer says why.
TEST_F(LopsidedTrades, ShrewdTeamsAddNoSalaryOverTheCap) {
    league.state.Trades = TradeJudgement::Shrewd;
    const int cheap = Make(2, 12, 59, 59, 27, {500000});
    const int pricey = Make(1, 12, 59, 59, 27, {3000000});
    Recount(); // the Owls carry $11,500,000, the Hawks $14,000,000
    const TradeProposal swap{{1, RatedItems(league, {pricey, 1001})}, {2, RatedItems(league, {cheap})}};
    struct Case {
        int64_t cap;
        bool adds;
    };
    // The Owls' payroll would go from $11,500,000 to $14,000,000.
    for (const Case& c : {Case{14000000, false}, Case{13999999, true}, Case{11000000, true}}) {
        league.state.SetSalaryCapDollars(c.cap);
        EXPECT_EQ(AddsSalaryOverCap(league, swap, 2), c.adds) << c.cap;
        EXPECT_FALSE(AddsSalaryOverCap(league, swap, 1)) << "the Hawks shed salary";
        EXPECT_EQ(EvaluateTrade(league, swap, 2) > 100, c.adds) << c.cap;
    }
    EXPECT_EQ(VerdictText(league, swap, 2), "The Owls will not take on more salary over the salary cap.");
    // As specified, the cap plays no part: a first-round pick buys the bench player.
    league.state.Trades = TradeJudgement::AsSpecified;
    EXPECT_LE(EvaluateTrade(league, swap, 2), 0);
    EXPECT_EQ(VerdictText(league, swap, 2), "Would you like to proceed with the trade?");
}

// The user's proposal goes through the same judgement: refused shrewdly with the verdict shown, nothing
// moved.
TEST_F(LopsidedTrades, AShrewdRefusalOfTheUsersProposalChangesNothing) {
    const int star = Make(2, 1, 90, 90, 29, {12000000, 12000000, 12000000});
    const int starter = Make(1, 6, 75, 78, 26, {1000000, 2000000});
    Recount();
    league.state.Trades = TradeJudgement::Shrewd;
    const TradeProposal offer{{1, RatedItems(league, {starter, 1001})}, {2, RatedItems(league, {star})}};
    ScriptedHost host;
    host.defaultAnswer = true;
    EXPECT_EQ(ProposeTrade(league, offer, host), TradeOutcome::Refused);
    EXPECT_EQ(host.LastMessage(), TradeAnswer(EvaluateTrade(league, offer, 2), "Owls"));
    EXPECT_EQ(TeamOfPlayer(league, star), 2);
}

} // namespace
} // namespace hv
