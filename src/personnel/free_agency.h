// The free-agency period, days 180 to 185: each day computer teams bid for the best free agents and the free
// agents choose among their bids; on the last day everyone with a valid bid signs. Then free agency ends and
// the league moves on to the training camps.
#pragma once

#include <optional>
#include <vector>

#include "league/league.h"
#include "personnel/free_agency_bids.h"
#include "platform/host.h"

namespace hv {

// The most free agents computer teams bid for on one day.
constexpr int kListedFreeAgents = 63;

// True on the days free agency runs (180 to 186).
bool FreeAgencyOpen(const SeasonState& s);
// True while a day of bidding is still to come (180 to 184); from 185 on only the end remains.
bool FreeAgencyDayToRun(const SeasonState& s);
// Free-agency day 1 to 7 (SeasonDay - 179).
int FreeAgencyDayNumber(const SeasonState& s);

// Free agents by CurrentRating, best first, the lower ID first between equals; at most `limit`.
std::vector<int> FreeAgentsByRating(const League& league, int limit = kLastLeaguePlayer);

// What a free agent asks as his first-year salary when free agency opens: his worth's share of his maximum
// salary, within his minimum and maximum. Kept in his ResignDemand during free agency.
int32_t OpeningAsk(const League& league, int id);
// His asking value on the current day: the opening ask falls by a tenth of it each day, from 120 % on day 1
// to 80 % on day 5, never below his minimum salary nor above his maximum.
int32_t AskingSalary(const League& league, int id);

// The bid computer team `team` makes for free agent `id` today, or nothing when it does not want him.
std::optional<FreeAgentBid> ComputerBid(League& league, int team, int id);
// Computer team `team` reviews the listed free agents: it bids for those it wants most, as many as it has
// room on its roster, and withdraws its other bids.
void ReviewBids(League& league, int team, const std::vector<int>& listed);

// Players of a team whose re-signing still waited for the user become free agents when free agency opens.
int ReleaseUndecidedPlayers(League& league);

// One day of free agency while SeasonDay is 180 to 184; SeasonDay moves on by one. The day that moves it to
// 185 is the last: every free agent then signs the best valid bid he holds. False, changing nothing, on any
// other day.
bool RunFreeAgencyDay(League& league, Host& host);
// The end of free agency at SeasonDay 185 or 186: free agents lose their Bird years, the bids are emptied
// and SeasonDay becomes 190. False, changing nothing, on any other day.
bool EndFreeAgency(League& league, Host& host);
// One step of the period as the free-agency screen and command take it: a day, and the end when that day
// was the last; or the end alone from day 185. False when free agency is not under way.
bool FreeAgencyStep(League& league, Host& host);

} // namespace hv
