// The table of tradable draft picks: two rounds of the next three rookie drafts for every team.
#pragma once

#include <optional>
#include <string>

#include "league/league.h"

namespace hv {

// The season of the next rookie draft: the current season while the league stands at the rookie draft
// (the season number moves on when the season ends), the next one otherwise.
int16_t ComingDraftYear(const SeasonState& state);

// The season of the next draft to be held: the earliest draft the table holds picks for (the table always
// covers the three coming drafts); ComingDraftYear when the table was never filled.
int16_t NextDraftYear(const League& league);

// Fills the table for a new league: for each team and each of the three drafts from the coming one on,
// rounds 1 and 2, earned and owned by the team.
void CreatePickTable(League& league);

// The ID (1001 to 1174) of the pick that team `team` earns in round `round` of the draft of `year`, 0 when
// the table holds none.
int FindPick(const League& league, int team, int year, int round);

// Why the table cannot serve the coming drafts, or nothing when it can: every team must earn exactly one
// pick in each round of three consecutive drafts, and every pick must be owned by a team. A table that was
// never filled (every entry 0) is reported as well.
std::optional<std::string> PickTableProblem(const LeagueTables& tables);
// True when every entry of the table is 0.
bool PickTableIsEmpty(const LeagueTables& tables);

// After a rookie draft: the picks of that draft become the picks of the draft three years later, owned
// again by the team that earns them and not yet used.
void RenewDraftPicks(League& league, int year);

} // namespace hv
