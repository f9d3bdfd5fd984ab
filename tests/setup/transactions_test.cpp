// Roster transactions: what each changes, its log line, and the log's bound.
#include <gtest/gtest.h>

#include <memory>

#include "league/save_file.h"
#include "league/transactions.h"
#include "platform/scripted_host.h"
#include "setup/default_league.h"
#include "setup/startup.h"
#include "support/roster_test_support.h"
#include "support/temp_home.h"

namespace hv {
namespace {

std::vector<std::string> Log(const League& league) {
    std::vector<std::string> lines;
    for (const Transaction& t : league.tables.transactions)
        lines.push_back(t.Team + " " + std::to_string(t.Season) + "/" + std::to_string(t.SeasonDay) + ": " +
                        t.Action);
    return lines;
}

TEST(Transactions, SignSetsTheContractCountsTheTeamAndLogs) {
    test::RosterLeague rl;
    rl.Fill(1, 11);
    const int fa = rl.Add(0, 5, 50);
    Player& p = rl.league.player(fa);
    p.Experience = 4;
    p.Exception = true;
    const Team before = rl.league.team(1);
    rl.league.state.SeasonDay = 167;
    ASSERT_TRUE(SignPlayer(rl.league, fa, "Hawks"));
    EXPECT_EQ(std::tie(p.Team, p.contract1, p.contract2, p.SignYear, p.LastFASeason, p.Signday, p.Exception),
              std::make_tuple("Hawks", 590850, 0, 2005, 2005, 167, false));
    const Team& t = rl.league.team(1);
    EXPECT_EQ(std::tie(t.NumPlayers, t.ActivePlayers, t.PGs, t.TotalSalary),
              std::make_tuple(before.NumPlayers + 1, before.ActivePlayers + 1, before.PGs + 1,
                              before.TotalSalary + 590850));
    EXPECT_EQ(Log(rl.league).back(), "Hawks 2005/167: Sign PG " + p.Name + " for $590,850 over one year.");

    // From the end of the season on (the season number has moved on) the signing counts for the season
    // just played.
    rl.league.state.SeasonDay = Phase::RookieDraft;
    const int late = rl.Add(0, 1, 50);
    ASSERT_TRUE(SignPlayer(rl.league, late, "Hawks"));
    EXPECT_EQ(rl.league.player(late).SignYear, 2004);
    test::ExpectCountsAgree(rl.league, 1);
}

TEST(Transactions, CutActivatesFirstOwesTheContractAndClearsTheLineup) {
    test::RosterLeague rl;
    rl.Fill(1, 12);
    const int hurt = rl.Add(1, 3, 90, 8, true);
    Team& t = rl.league.team(1);
    t.SF1 = static_cast<int16_t>(hurt);
    t.keyplayer2 = static_cast<int16_t>(hurt);
    const int16_t keyBefore = t.keyplayer1;
    const int32_t owedBefore = t.CutSalary[0];
    const int32_t payrollBefore = t.TotalSalary;
    ASSERT_TRUE(CutPlayer(rl.league, hurt));
    const Player& p = rl.league.player(hurt);
    EXPECT_EQ(std::tie(p.Team, p.LastTeam, p.IR, p.contract1, p.contract2),
              std::make_tuple(kFreeAgent, "Hawks", false, 0, 0));
    EXPECT_EQ(std::tie(t.CutSalary[0], t.CutSalary[1], t.TotalSalary),
              std::make_tuple(owedBefore + 1000000 + hurt, 2000000 + hurt, payrollBefore - (1000000 + hurt)));
    EXPECT_EQ(std::tie(t.SF1, t.keyplayer2, t.keyplayer1), std::make_tuple(0, 0, keyBefore));
    EXPECT_EQ(Log(rl.league),
              (std::vector<std::string>{"Hawks 2005/10: Activate SF " + p.Name + " from Injured Reserve.",
                                        "Hawks 2005/10: Cut SF " + p.Name}));
    test::ExpectCountsAgree(rl.league, 1);
    EXPECT_FALSE(CutPlayer(rl.league, hurt)) << "a free agent has no team to leave";
}

TEST(TransactionLog, AFullLogDropsItsOldestSeasonAndStaysSaveable) {
    test::TempHome home;
    home.CopyInstalledData();
    auto session = std::make_unique<Session>();
    League* league = &session->league;
    league->programFolder = home.path();
    ScriptedHost host;
    ASSERT_TRUE(RunStartup(*session, host) && LoadDefaultLeagueKeepingRosters(*session, host, "Decades"));
    auto& log = league->tables.transactions;
    log.clear();
    for (size_t i = 0; i < kMostTransactions; ++i)
        log.push_back(
            {"Gulls", static_cast<int16_t>(i < 3 ? 1990 : 1991), 5, "Cut C Line " + std::to_string(i)});
    league->state.Season = 1992;
    league->state.SeasonDay = 17;

    LogTransaction(*league, "Sierras", "Cut PG Newest");
    ASSERT_EQ(log.size(), kMostTransactions - 2);
    EXPECT_EQ(std::tie(log.front().Action, log.back().Team, log.back().Season, log.back().SeasonDay),
              std::make_tuple("Cut C Line 3", "Sierras", 1992, 17));

    // A log of one season alone gives up its first line.
    for (auto& line : log)
        line.Season = 1992;
    while (log.size() < kMostTransactions)
        LogTransaction(*league, "Sierras", "Cut SG Filler");
    LogTransaction(*league, "Gulls", "Cut SF Last");
    EXPECT_EQ(std::make_pair(log.size(), log.front().Action),
              std::make_pair(kMostTransactions, std::string("Cut C Line 4")));

    EXPECT_TRUE(SaveLeague(*league, "Decades", host)) << host.LastMessage();
}

} // namespace
} // namespace hv
