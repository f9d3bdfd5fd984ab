// The list screens of the Franchise, Roster and Season menus that are TableScreens: Injuries, Injured
// Reserve, Transactions, Cut Players and Change Positions. Each is built here and opened by the hub.
#pragma once

#include <memory>

#include "league/league.h"
#include "platform/host.h"
#include "table_screen.h"

namespace hv {

// Players with injury days left, for all teams or one.
std::unique_ptr<TableScreen> MakeInjuriesScreen(League& league, QWidget* parent = nullptr);
// Players on injured reserve, for all teams or one; Activate brings a human team's player back.
std::unique_ptr<TableScreen> MakeInjuredReserveScreen(League& league, Host& host, QWidget* parent = nullptr);
// The transaction log, for all teams or one.
std::unique_ptr<TableScreen> MakeTransactionsScreen(League& league, QWidget* parent = nullptr);
// A human team's roster with a Cut button; nullptr (message "No human teams found.") without human teams.
std::unique_ptr<TableScreen> MakeCutPlayersScreen(League& league, Host& host, QWidget* parent = nullptr);
// A human team's roster with a position chooser; nullptr (message shown) without human teams.
std::unique_ptr<TableScreen> MakeChangePositionsScreen(League& league, Host& host, QWidget* parent = nullptr);

} // namespace hv
