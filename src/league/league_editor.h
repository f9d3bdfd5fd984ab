// The commissioner's editors of a league: a player's or a team's fields set by name from text, checked as a
// whole before anything is stored. The editor screens and the edit commands share these, so both refuse
// alike, and every edit that passes is one line of the transaction log.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// One field to set and the text of its new value.
struct FieldEdit {
    std::string field;
    std::string value;
};
using FieldEdits = std::vector<FieldEdit>;

// The title of every message of the editors.
inline constexpr const char* kEditLeagueTitle = "Edit League";

// The fields the player editor sets, in the order it shows them: Name, Position, OriginalPosition, Age,
// Height, Weight, College, Team, the sixteen skills, Potential, KnownPotential, contract1 to contract8,
// Injury, TimeInjured, IR.
const std::vector<std::string>& PlayerEditFields();
// The fields the team editor sets: City, Name, Owner, CoachTeam, pbp, Pace, Press, Trap, Offense,
// DraftFocus.
const std::vector<std::string>& TeamEditFields();

// The stored value of a field as the editors show it (a field is named in any letter case); empty for an
// unknown field.
std::string PlayerFieldText(const Player& p, const std::string& field);
std::string TeamFieldText(const Team& t, const std::string& field);

// What is wrong with setting `edits` on player `id` (1 to 650, not empty), the first fault found: an unknown
// field, a value out of its range, a skill above its position's cap, a team that is unknown or full, a player
// on injured reserve without a team, a team left without the active players it needs during the season.
std::optional<std::string> PlayerEditProblem(const League& league, int id, const FieldEdits& edits);
// The same for team slot 1 to 29: a name empty, taken or reserved, an owner other than Human or Computer,
// coaching values other than the line-up's, a draft focus outside 1 to 3.
std::optional<std::string> TeamEditProblem(const League& league, int team, const FieldEdits& edits);

// Sets the fields of player `id`: his ratings recomputed, his teams' roster counts, payrolls and line-ups
// kept, and one line "Commissioner edited ..." in the log naming each change. Refused with a message (title
// "Edit League"), nothing changed, without commissioner rights or when PlayerEditProblem finds a fault.
// Edits that change nothing are no edit: true, and nothing logged.
bool EditPlayer(League& league, int id, const FieldEdits& edits, Host& host);
// The same for team slot 1 to 29; a new name follows the team into its players' records and the schedule.
bool EditTeam(League& league, int team, const FieldEdits& edits, Host& host);

// "FIELD=VALUE" split at its first "="; nothing when there is none or the field is empty.
std::optional<FieldEdit> ParseFieldEdit(const std::string& text);

} // namespace hv
