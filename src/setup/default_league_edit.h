// The default-league editor's league: the working database's teams and players as they are stored (no
// draws, no randomization), edited with the league editors and written back row by row.
#pragma once

#include "league/league.h"
#include "platform/sqlite_db.h"

namespace hv {

// Fills `league` (a fresh League) from the database: teams 1 to 29 in ID order, each player in the slot of
// his ID with the stored values (KnownPotential is his Potential), ratings computed, rosters counted. The
// editor's league has commissioner rights and stands before any season. Throws DatabaseError on a missing
// table or column.
void ReadDefaultLeagueForEditing(SqliteDb& db, League& league);

// Writes every editable field of the teams and players back into their rows (a renamed team's players keep
// following it, as they name it in the league). Throws DatabaseError when a write fails.
void WriteDefaultLeague(SqliteDb& db, const League& league);

} // namespace hv
