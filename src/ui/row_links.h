// Opening what a list's row names: a player's card, a team's screen, a game's box score. The hub installs
// one opener per kind for its league; every list view calls them on double-click and on Enter, so that each
// player and each game is one double-click away wherever a list shows it.
#pragma once

#include <QWidget>
#include <functional>

#include "reports/report_table.h"

namespace hv {

struct RowOpeners {
    std::function<void(QWidget* from, int playerID)> player;
    std::function<void(QWidget* from, int team)> team;
    std::function<void(QWidget* from, int gameKey)> game;
};

// Replaces the openers (an empty one leaves its kind of row unopened).
void InstallRowOpeners(RowOpeners openers);

// Opens what a row of this kind and key names; false when there is nothing to open.
bool OpenRow(QWidget* from, RowKind kind, int key);

} // namespace hv
