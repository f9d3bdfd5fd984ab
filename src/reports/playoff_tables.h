// The playoffs as tables: the bracket with each series' standing, the games of one series, and the past
// champions.
#pragma once

#include <string>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// "First Round", "Conference Semifinals", "Conference Finals" or "Finals" for series 1 to 15.
std::string StageName(int series);
// "East", "West" or "League" for series 1 to 15.
std::string SeriesConference(int series);

// A series' standing: "Hawks win 4-2", "Hawks lead 3-1", "Tied 2-2", "Not started", or "" without teams.
std::string SeriesStatus(const League& league, const PlayoffSeries& series);

// One row per series that has its teams, in series order (row key: the series number): stage, conference,
// the team with home court and its bracket number in the first round, its opponent, the wins, the status.
ReportTable BracketTable(const League& league);

// The played and scheduled games of series `series`, in day order (row key: day x 100 + game number): the
// game number within the series, the day, home and away teams and the score once played.
ReportTable SeriesGamesTable(const League& league, int series);

// The lines the playoffs screen and the playoffs command show for the champion: "Champion: City Name" and
// "Playoff MVP: name" once the finals are over; empty before.
std::vector<std::string> ChampionLines(const League& league);

// Past Champs: every archived season whose final was won with four wins, latest first (row key: the season):
// season, champion, runner-up and the final's result.
ReportTable ChampionsTable(const League& league);

} // namespace hv
