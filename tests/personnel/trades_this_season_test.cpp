// The count of a team's trades in the season, read from the transaction log.
#include <gtest/gtest.h>

#include "league/transactions.h"
#include "personnel/computer_trades.h"
#include "support/trade_league.h"

namespace hv {
namespace {

TEST(TradesThisSeason, CountsTheTeamsTradeLinesOfTheCurrentSeasonOnly) {
    test::TradeLeague t;
    League& league = t.league;
    const std::string hawks = league.team(1).Name, owls = league.team(2).Name;
    league.state.Season = 2004;
    LogTransaction(league, hawks, "Trade C A to the Owls for PF B"); // last season
    LogTransaction(league, hawks, "Trade C C to the Owls for PF D");
    league.state.Season = 2005;
    LogTransaction(league, hawks, "Trade SG E to the Owls for PG F");
    LogTransaction(league, owls, "Trade PG F to the Hawks for SG E");
    LogTransaction(league, hawks, "Sign C G for $1,000,000 over one year.");
    LogTransaction(league, hawks, "Trade SF H to the Owls for one draft pick");
    EXPECT_EQ(TradesThisSeason(league, 1), 2);
    EXPECT_EQ(TradesThisSeason(league, 2), 1);
    EXPECT_EQ(TradesThisSeason(league, 3), 0);
    league.state.Season = 2006;
    EXPECT_EQ(TradesThisSeason(league, 1), 0);
}

} // namespace
} // namespace hv
