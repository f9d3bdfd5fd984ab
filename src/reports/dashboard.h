// The hub's dashboard: the league as it stands on one page. The phase and the step that comes next, the
// human team's record, rank and coming games, its conference's standings, the league leaders, the latest
// results (each a link to its box score), the latest transactions and the human team's injuries. The hub
// shows it; the dashboard command prints the same.
#pragma once

#include <ostream>
#include <string>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// What the league waits for: a caption for the hub's button ("Begin Season") and the hub command that does
// it ("mnuBeginSeason"); both empty when no league is open.
struct NextStep {
    std::string caption;
    std::string command;
};

NextStep NextStepOf(const SeasonState& state);

struct Dashboard {
    std::string title;  // "NAME - Season 2003"
    std::string status; // the hub's status line
    NextStep next;
    int team = 0;         // the first human team's slot, 0 when the computer runs every team
    std::string teamLine; // "Boston Celtics: 12-8, 3rd in the East"
    ReportTable nextGames, standings, leaders, results, transactions, injuries;
};

// The conference's teams by wins minus losses, then wins, then slot, so that looking never draws a
// tie-break; row keys are team slots.
ReportTable ConferenceTable(const League& league, const std::string& conference);
// The `count` latest played games of the schedule, newest first (row keys GameKey(day, game)).
ReportTable LatestResultsTable(const League& league, int count);
// The team's next `count` unplayed games from the current day on.
ReportTable NextGamesTable(const League& league, int team, int count);

Dashboard BuildDashboard(const League& league);

// What the hub's status bar says when the league moved from `before` to `after` (the season begun, the
// regular season over, ...); empty when the phase did not change.
std::string PhaseChangeText(const SeasonState& before, const SeasonState& after);

// The dashboard as the command prints it: the heading lines, then each part under its title (CSV: the
// parts one after the other, each after a line with its title).
void WriteDashboard(std::ostream& out, const Dashboard& dashboard, bool csv);

} // namespace hv
