// The transaction log of a league run for decades: once it holds as many lines as a saved game can store,
// the oldest season's lines make room for the new one, and the league can still be saved.
#include <gtest/gtest.h>

#include <memory>

#include "league/default_league.h"
#include "league/save_file.h"
#include "league/startup.h"
#include "platform/scripted_host.h"
#include "season/transactions.h"
#include "support/temp_home.h"

namespace hv {
namespace {

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
    EXPECT_EQ(log.front().Action, "Cut C Line 3");
    EXPECT_EQ(log.back().Team, "Sierras");
    EXPECT_EQ(log.back().Season, 1992);
    EXPECT_EQ(log.back().SeasonDay, 17);

    // A log of one season alone gives up its first line.
    for (auto& line : log)
        line.Season = 1992;
    while (log.size() < kMostTransactions)
        LogTransaction(*league, "Sierras", "Cut SG Filler");
    LogTransaction(*league, "Gulls", "Cut SF Last");
    EXPECT_EQ(log.size(), kMostTransactions);
    EXPECT_EQ(log.front().Action, "Cut C Line 4");

    EXPECT_TRUE(SaveLeague(*league, "Decades", host)) << host.LastMessage();
}

} // namespace
} // namespace hv
