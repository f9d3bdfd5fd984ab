// The screens of the awards and history commands, each a TableScreen over one core table: Regular Season
// Awards, Weekly/Monthly Awards, Historical Team Performance, Record Vs. Opponents, Team Records, All-Star
// Weekend Winners, Player Game / Season / Career Records and the Hall of Fame.
#pragma once

#include <memory>

#include "league/league.h"
#include "league/record_books.h"
#include "table_screen.h"

namespace hv {

// A season's awards or weekly and monthly honours, chosen among the seasons with awards (latest first).
std::unique_ptr<TableScreen> MakeSeasonAwardsScreen(const League& league, QWidget* parent = nullptr);
std::unique_ptr<TableScreen> MakeInSeasonAwardsScreen(const League& league, QWidget* parent = nullptr);
// Every franchise, or one team's seasons.
std::unique_ptr<TableScreen> MakeTeamPerformanceScreen(const League& league, QWidget* parent = nullptr);
// One team's record against each opponent (the user's team first).
std::unique_ptr<TableScreen> MakeVsOpponentsScreen(const League& league, QWidget* parent = nullptr);
// The league's best team games, or one team's records.
std::unique_ptr<TableScreen> MakeTeamRecordsScreen(const League& league, QWidget* parent = nullptr);
std::unique_ptr<TableScreen> MakeAllStarWinnersScreen(const League& league, QWidget* parent = nullptr);
// One category of a record book at a time, every position.
std::unique_ptr<TableScreen> MakePlayerRecordsScreen(const League& league, RecordBookKind kind,
                                                     QWidget* parent = nullptr);
std::unique_ptr<TableScreen> MakeHallOfFameScreen(const League& league, QWidget* parent = nullptr);

} // namespace hv
