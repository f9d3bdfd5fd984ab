// The computer trade pass on the default league.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numeric>
#include <set>

#include "league/salary.h"
#include "league/save_file.h"
#include "league/team_control.h"
#include "personnel/computer_trades.h"
#include "personnel/development.h"
#include "personnel/draft.h"
#include "personnel/draft_class.h"
#include "personnel/trade_offer.h"
#include "personnel/trade_value.h"
#include "platform/scripted_host.h"
#include "setup/default_league.h"
#include "support/draft_support.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

// The days of one trading season: every 7th day before the deadline, the deadline, then the off-season's
// passes after the season's end, the rookie draft and the camps.
const int kTradeDays[] = {7, 14, 21, 28, 35, 42, 49, 56, 63, 70, 77, 84, 91, 98, 100, 170, 180, 190};

class ComputerTrades : public test::StartedHome {
  protected:
    void SetUp() override {
        StartedHome::SetUp();
        ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Trade Test"));
        EnsureComingDraftClass(league()); // the pass reads the picks' values from the class
    }
    // A copy of the loaded league with its own seed, on a trading day; the season's number moves on when the
    // off-season starts.
    std::unique_ptr<League> Fresh(uint64_t seed, int day = 7) {
        auto copy = std::make_unique<League>(league());
        copy->rng.Seed(seed);
        GoTo(*copy, day);
        return copy;
    }
    static void GoTo(League& league, int day) {
        if (day == Phase::RookieDraft) ++league.state.Season;
        league.state.SeasonDay = static_cast<int16_t>(day);
    }
    // Three seasons of trading passes under this judgement, first among computer teams only, then (with
    // `withUser`) with team 1 the user's: no team's strength runs away, every trade keeps the rules and is
    // one both teams accept. Returns the trades made.
    int Soak(TradeJudgement judgement, bool withUser);
};

// Whether the team's stored roster and position counts agree with its players.
bool CountsAgree(const League& league, int team) {
    const Team& t = league.team(team);
    int players = 0, active = 0, byPosition[6] = {};
    for (int id : RosterOf(league, team)) {
        const Player& p = league.player(id);
        ++players;
        if (!p.IR) ++active, ++byPosition[p.PositionNumber];
    }
    return t.NumPlayers == players && t.ActivePlayers == active && t.Cs == byPosition[1] &&
           t.PFs == byPosition[2] && t.SFs == byPosition[3] && t.SGs == byPosition[4] &&
           t.PGs == byPosition[5];
}

int ComputerTrades::Soak(TradeJudgement judgement, bool withUser) {
    int total = 0;
    auto strengths = [](const League& league) {
        std::vector<double> s(kLeagueTeams + 1);
        for (int t = 1; t <= kLeagueTeams; ++t)
            s[static_cast<size_t>(t)] = RosterStrength(league, t);
        return s;
    };
    auto spread = [](const std::vector<double>& s) {
        const double mean = std::accumulate(s.begin() + 1, s.end(), 0.0) / kLeagueTeams;
        double square = 0;
        for (size_t t = 1; t < s.size(); ++t)
            square += (s[t] - mean) * (s[t] - mean) / kLeagueTeams;
        return std::sqrt(square);
    };
    for (uint64_t seed = 1; seed <= (withUser ? 2u : 1u); ++seed) {
        auto fresh = Fresh(100 + seed);
        League& league = *fresh;
        league.state.Trades = judgement;
        // A few teams of the loaded league store position counts that already disagree with their players;
        // the trades are answerable only for the teams whose counts agreed before them.
        std::vector<bool> agreed(kLeagueTeams + 1);
        for (int t = 1; t <= kLeagueTeams; ++t)
            agreed[static_cast<size_t>(t)] = CountsAgree(league, t);
        // With the second seed, team 1 is the user's, who declines every offer.
        SetHuman(league.team(1), seed > 1);
        host.defaultAnswer = false;
        host.questions.clear();
        const std::vector<int> usersRoster = RosterOf(league, 1);
        const std::vector<double> start = strengths(league);
        std::vector<int> rising(kLeagueTeams + 1, 0), falling(kLeagueTeams + 1, 0);
        std::vector<double> before = start;
        int trades = 0;
        for (int season = 0; season < 3; ++season) {
            for (int day : kTradeDays) {
                GoTo(league, day);
                const TradeRater rater(league);
                std::vector<bool> busy(kLeagueTeams + 1, false);
                // The first season's deals, looked at one by one before the pass makes them.
                for (int team = 1; team <= kLeagueTeams && seed == 1 && season == 0; ++team) {
                    auto deal = FindComputerTrade(league, rater, team, busy, false);
                    if (!deal) continue;
                    const auto other = static_cast<size_t>(deal->second.team);
                    EXPECT_EQ(TradeProblem(league, *deal), std::nullopt);
                    EXPECT_TRUE(deal->first.team == team && !busy[other] &&
                                EvaluateTrade(league, *deal, team) <= 0 &&
                                EvaluateTrade(league, *deal, int(other)) <= 0);
                    busy[static_cast<size_t>(team)] = busy[other] = true;
                }
                const size_t asked = host.questions.size();
                trades += RunComputerTrades(league, host);
                EXPECT_LE(host.questions.size(), asked + 1) << "one offer a pass at most";
            }
            const std::vector<double> after = strengths(league);
            for (size_t t = 1; t <= kLeagueTeams; ++t) {
                rising[t] += after[t] - before[t] > 1;
                falling[t] += after[t] - before[t] < -1;
            }
            before = after;
        }
        for (int t = 1; t <= kLeagueTeams; ++t) {
            const Team& team = league.team(t);
            const auto i = static_cast<size_t>(t);
            if (agreed[i]) test::ExpectCountsAgree(league, t);
            EXPECT_TRUE(rising[i] < 3 && falling[i] < 3) << team.Name << " seed " << seed;
            EXPECT_TRUE(team.NumPlayers <= 15 && TradesThisSeason(league, t) <= 2 &&
                        team.TotalSalary == TeamPayroll(league, t))
                << team.Name;
        }
        EXPECT_LE(spread(before), spread(start) + 1) << "seed " << seed;
        // Each team's trades are its transaction lines; the two lines of a trade come together.
        EXPECT_EQ(std::count_if(league.tables.transactions.begin(), league.tables.transactions.end(),
                                [](const Transaction& t) { return t.Action.rfind("Trade ", 0) == 0; }),
                  2 * trades);
        // A declined offer is not made again, and the user's team made no trade.
        const auto& asked = host.questions;
        EXPECT_TRUE(seed == 1 || (!asked.empty() && RosterOf(league, 1) == usersRoster &&
                                  std::set<std::string>(asked.begin(), asked.end()).size() == asked.size()));
        auto reloaded = std::make_unique<League>();
        EXPECT_NO_THROW(DecodeLeague(EncodeLeague(league, "Trade Test"), *reloaded));
        total += trades;
    }
    return total;
}

TEST_F(ComputerTrades, NoTeamsStrengthRunsAwaySeasonAfterSeason) {
    EXPECT_GT(Soak(TradeJudgement::AsSpecified, true), 0);
}

// Shrewd teams still trade, and no more lopsidedly (the user's offers are the same under either judgement).
TEST_F(ComputerTrades, NoTeamsStrengthRunsAwayUnderShrewdJudgement) {
    EXPECT_GT(Soak(TradeJudgement::Shrewd, false), 0);
}

// For the user's offers that a shrewd team refuses, the helper still finds the one addition that makes each
// work, and with it the trade is made.
TEST_F(ComputerTrades, ShrewdTeamsAcceptWhatTheHelperSuggests) {
    auto fresh = Fresh(7);
    League& league = *fresh;
    league.state.Trades = TradeJudgement::Shrewd;
    SetHuman(league.team(1), true);
    host.defaultAnswer = true;
    int found = 0;
    // The other team's second- or fifth-best player for the user's best one who is paid no more and rated
    // lower: short of the mark, and no salary added to a team that may be over the cap.
    for (int rank : {1, 4})
        for (int other = 2; other <= kLeagueTeams; ++other) {
            std::vector<int> theirs = RosterOf(league, other);
            std::sort(theirs.begin(), theirs.end(), [&](int a, int b) {
                return league.player(a).CurrentRating > league.player(b).CurrentRating;
            });
            const Player& target = league.player(theirs.at(static_cast<size_t>(rank)));
            int given = 0;
            for (int id : RosterOf(league, 1)) {
                const Player& p = league.player(id);
                if (p.contract1 <= target.contract1 && p.CurrentRating < target.CurrentRating &&
                    (given == 0 || p.CurrentRating > league.player(given).CurrentRating))
                    given = id;
            }
            if (given == 0) continue;
            const TradeProposal offer{{1, RatedItems(league, {given})},
                                      {other, RatedItems(league, {theirs.at(static_cast<size_t>(rank))})}};
            if (TradeProblem(league, offer) || EvaluateTrade(league, offer, other) <= 0) continue;
            const auto addition = SuggestAddition(league, offer);
            if (!addition) continue;
            TradeProposal more = offer;
            more.first.items.push_back(*addition);
            EXPECT_LE(EvaluateTrade(league, more, other), 0) << league.team(other).Name;
            EXPECT_EQ(ProposeTrade(league, more, host), TradeOutcome::Done) << league.team(other).Name;
            ++found;
        }
    EXPECT_GE(found, 3);
}

// The rookie draft and the camps each end with a pass, the same one for the same seed.
TEST_F(ComputerTrades, TheRookieDraftAndTheCampsEndWithAPass) {
    auto tradeLines = [](const League& league) {
        std::vector<std::string> lines;
        for (const Transaction& t : league.tables.transactions)
            if (t.Action.rfind("Trade ", 0) == 0) lines.push_back(t.Team + ": " + t.Action);
        return lines;
    };
    std::vector<std::string> runs[2];
    for (auto& lines : runs) {
        auto fresh = Fresh(21, Phase::RookieDraft);
        ASSERT_TRUE(RunRookieDraftUnattended(*fresh, host));
        const size_t afterDraft = tradeLines(*fresh).size();
        EXPECT_GT(afterDraft, 0u) << "the pass after the draft";
        GoTo(*fresh, Phase::TrainingCamps);
        RunTrainingCamps(*fresh, host);
        EXPECT_EQ(fresh->state.SeasonDay, Phase::BeforeSeason);
        lines = tradeLines(*fresh);
        EXPECT_GT(lines.size(), afterDraft) << "the pass after the camps";
    }
    EXPECT_EQ(runs[0], runs[1]);
}

} // namespace
} // namespace hv
