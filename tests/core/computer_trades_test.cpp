// The computer trade pass on the default league: every trade it chooses keeps the rules and is accepted by
// both teams, the league's invariants hold after many passes, no team's strength runs away season after
// season by trading alone, the user's teams get offers they can decline, and the pass keeps to its phases.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "core/roster_test_support.h"
#include "league/default_league.h"
#include "league/save_file.h"
#include "league/team_control.h"
#include "personnel/computer_trades.h"
#include "personnel/draft_class.h"
#include "personnel/trade_offer.h"
#include "personnel/trade_value.h"
#include "platform/scripted_host.h"
#include "reports/team_info_table.h"
#include "support/temp_home.h"

namespace hv {
namespace {

// The days of one trading season: every 7th day before the deadline, the deadline, then the off-season's
// passes after the season's end, the rookie draft and the camps.
const int kTradeDays[] = {7, 14, 21, 28, 35, 42, 49, 56, 63, 70, 77, 84, 91, 98, 100, 170, 180, 190};

class ComputerTrades : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        session.league.programFolder = home.path();
        ASSERT_TRUE(RunStartup(session, host));
        ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Trade Test"));
        EnsureComingDraftClass(session.league); // the pass reads the picks' values from the class
        session.league.state.SeasonDay = 7;
    }

    // A copy of the loaded league with its own seed.
    League Fresh(uint64_t seed) {
        League league = session.league;
        league.rng.Seed(seed);
        return league;
    }

    // Moves the league to a trading day; the season's number moves on when the off-season starts.
    static void GoTo(League& league, int day) {
        if (day == Phase::RookieDraft) ++league.state.Season;
        league.state.SeasonDay = static_cast<int16_t>(day);
    }

    test::TempHome home;
    Session session;
    ScriptedHost host;
};

// Every trade the pass chooses keeps the rules and suits both teams; after three seasons of passes the
// league's invariants hold and no team's strength has run away.
TEST_F(ComputerTrades, NoTeamsStrengthRunsAwaySeasonAfterSeason) {
    auto spread = [](const std::vector<double>& s) {
        double mean = 0, square = 0;
        for (size_t t = 1; t < s.size(); ++t)
            mean += s[t] / kLeagueTeams;
        for (size_t t = 1; t < s.size(); ++t)
            square += (s[t] - mean) * (s[t] - mean) / kLeagueTeams;
        return std::sqrt(square);
    };
    auto strengths = [](const League& league) {
        std::vector<double> s(kLeagueTeams + 1);
        for (int t = 1; t <= kLeagueTeams; ++t)
            s[static_cast<size_t>(t)] = RosterStrength(league, t);
        return s;
    };
    for (uint64_t seed = 1; seed <= 3; ++seed) {
        League league = Fresh(100 + seed);
        const std::vector<double> start = strengths(league);
        std::vector<int> rising(kLeagueTeams + 1, 0), falling(kLeagueTeams + 1, 0);
        std::vector<double> before = start;
        int trades = 0;
        for (int season = 0; season < 3; ++season) {
            for (int day : kTradeDays) {
                GoTo(league, day);
                const TradeRater rater(league);
                std::vector<bool> busy(kLeagueTeams + 1, false);
                for (int team = 1; team <= kLeagueTeams && seed == 1; ++team) {
                    auto deal = FindComputerTrade(league, rater, team, busy, false);
                    if (!deal) continue;
                    const int other = deal->second.team;
                    EXPECT_EQ(TradeProblem(league, *deal), std::nullopt);
                    EXPECT_TRUE(deal->first.team == team && !busy[static_cast<size_t>(other)]);
                    EXPECT_TRUE(EvaluateTrade(league, *deal, team) <= 0 &&
                                EvaluateTrade(league, *deal, other) <= 0);
                    busy[static_cast<size_t>(team)] = busy[static_cast<size_t>(other)] = true;
                }
                trades += RunComputerTrades(league, host);
            }
            const std::vector<double> after = strengths(league);
            for (int t = 1; t <= kLeagueTeams; ++t) {
                const double change = after[static_cast<size_t>(t)] - before[static_cast<size_t>(t)];
                rising[static_cast<size_t>(t)] += change > 1;
                falling[static_cast<size_t>(t)] += change < -1;
            }
            before = after;
        }
        for (int t = 1; t <= kLeagueTeams; ++t) {
            const Team& team = league.team(t);
            EXPECT_TRUE(rising[static_cast<size_t>(t)] < 3 && falling[static_cast<size_t>(t)] < 3)
                << team.Name << " seed " << seed;
            test::ExpectCountsAgree(league, t);
            EXPECT_TRUE(team.NumPlayers <= 15 && TradesThisSeason(league, t) <= 2) << team.Name;
            EXPECT_EQ(team.TotalSalary, TeamPayroll(league, t)) << team.Name;
        }
        EXPECT_LE(spread(before), spread(start) + 1) << "seed " << seed;
        // Each team's trades are its transaction lines; the two lines of a trade come together.
        int lines = 0;
        for (const Transaction& t : league.tables.transactions)
            lines += t.Action.rfind("Trade ", 0) == 0;
        EXPECT_EQ(lines, 2 * trades);
        League reloaded;
        EXPECT_NO_THROW(DecodeLeague(EncodeLeague(league, "Trade Test"), reloaded));
    }
}

TEST_F(ComputerTrades, TheUsersTeamGetsOffersItCanDecline) {
    League league = Fresh(5);
    SetHuman(league.team(1), true);
    host.defaultAnswer = false;
    const std::string hawks = league.team(1).Name;
    for (int day : kTradeDays) {
        if (day >= Phase::RookieDraft) break;
        const size_t asked = host.questions.size();
        GoTo(league, day);
        RunComputerTrades(league, host);
        EXPECT_LE(host.questions.size(), asked + 1) << "one offer a pass at most";
    }
    ASSERT_FALSE(host.questions.empty());
    // A declined offer is not made again in the season, and the user's team made no trade.
    std::set<std::string> distinct(host.questions.begin(), host.questions.end());
    EXPECT_EQ(distinct.size(), host.questions.size());
    EXPECT_EQ(host.questions[0].rfind("The ", 0), 0u);
    EXPECT_NE(host.questions[0].find(" offer you a trade.\n"), std::string::npos);
    EXPECT_EQ(TradesThisSeason(league, 1), 0);
    EXPECT_FALSE(league.trading.declined.empty());
}

TEST_F(ComputerTrades, NoPassOutsideTheTradingPhasesOrAfterAStop) {
    for (int day : {101, 168}) {
        League league = Fresh(3);
        league.state.SeasonDay = static_cast<int16_t>(day);
        const std::string before = EncodeLeague(league, "x");
        EXPECT_EQ(RunComputerTrades(league, host), 0) << day;
        EXPECT_EQ(EncodeLeague(league, "x"), before) << day;
    }
    League league = Fresh(3);
    ScriptedHost stopped;
    stopped.RequestStop();
    EXPECT_EQ(RunComputerTrades(league, stopped), 0);
    EXPECT_TRUE(league.tables.transactions.empty());
}

} // namespace
} // namespace hv
