// The two lists of the league's rules shared by the new-league screen and League Options: the game engine
// ("As specified", "Calibrated") and the trade judgement ("As specified", "Shrewd"), item i being the
// option's value i.
#pragma once

#include <QComboBox>

namespace hv {

enum class LeagueRulesKind { Engine, Trades };

// A list named `objectName`, its first item chosen, with a tip that says what the choice changes.
QComboBox* NewLeagueRulesList(QWidget* parent, const char* objectName, LeagueRulesKind kind);

} // namespace hv
