// The contract and free-agent screens that are TableScreens: Player Contracts, Team Salary Cap Room,
// Potential Free Agents, Free Agents (signing during the season), the re-signing screen of the human teams
// and Training Camps. Each is built here and opened by the hub.
#pragma once

#include <memory>

#include "league/league.h"
#include "platform/host.h"
#include "table_screen.h"

namespace hv {

// Closes the progress window a long step opened (a host with no window has nothing to close).
void EndProgress(Host& host);

// Every player's contract year by year, for one team (the user's first, else the first) or all.
std::unique_ptr<TableScreen> MakeContractsScreen(League& league, QWidget* parent = nullptr);
// Every team's payroll, cap room and cap exceptions.
std::unique_ptr<TableScreen> MakeCapRoomScreen(League& league, QWidget* parent = nullptr);
// The players whose contracts end with the season, for all teams or one.
std::unique_ptr<TableScreen> MakePotentialFreeAgentsScreen(League& league, QWidget* parent = nullptr);
// The free agents; with human teams, Sign signs the selected one for the chosen team at the minimum salary.
std::unique_ptr<TableScreen> MakeFreeAgentsScreen(League& league, Host& host, QWidget* parent = nullptr);
// The human teams' players whose re-signing waits: Re-sign or Release each. Null (message shown) when none
// waits.
std::unique_ptr<TableScreen> MakeResignScreen(League& league, Host& host, QWidget* parent = nullptr);
// The training camps: Cut Players (the computer camp cuts) first, then Run Camps; the list shows the
// players' ratings before and after.
std::unique_ptr<TableScreen> MakeTrainingCampsScreen(League& league, Host& host, QWidget* parent = nullptr);

} // namespace hv
