// What the trade screen and the trade command show: a team's players and picks to choose from, the items
// chosen by one side with their trade ratings and salaries, and each team's payroll before and after.
#pragma once

#include <cstdint>

#include "personnel/trade.h"
#include "reports/report_table.h"

namespace hv {

class TradeRater;

// A team's players (key: the player's ID) and the draft picks it holds (key: the pick's ID): name, position,
// age, current and future rating, trade rating, salary, contract years and why an item cannot be traded now.
ReportTable TradeAssetsTable(const League& league, int team, const TradeRater& rater);

// One side's chosen items: the item, its trade rating and its salary ("$1,200,000", " draft pick" for a
// pick).
ReportTable TradeSideTable(const League& league, const TradeSide& side);

// One team's money in a trade.
struct TradePayroll {
    int64_t salaries = 0;     // of the items it gives
    int64_t payroll = 0;      // now
    int64_t payrollAfter = 0; // once the trade is done
    int64_t capRoom = 0;      // cap - payroll - cut salaries, now and after
    int64_t capRoomAfter = 0;
};
TradePayroll TradePayrollOf(const League& league, const TradeProposal& proposal, int team);

// The pick as the lists name it: "2006 Round 1 draft pick", with " (Owls)" when another team earned it.
std::string PickLabel(const League& league, int id, int holder);

} // namespace hv
