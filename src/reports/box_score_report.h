// A played game of the season's schedule as the box-score viewer and the box and pbp commands show it: the
// box file read back and laid out as text, and the play-by-play file when it was kept.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/box_score.h"
#include "league/league.h"
#include "platform/host.h"
#include "reports/report_table.h"

namespace hv {

// The box and play-by-play files of game `game` of day `day` in the league's folder.
std::filesystem::path GameBoxFile(const League& league, int day, int game);
std::filesystem::path GamePbpFile(const League& league, int day, int game);

// The box score of a played game. A day or game the schedule does not hold, a game not played yet, or a box
// file that is missing or damaged is told (title "Box Score") and gives nothing.
std::optional<BoxScore> LoadGameBox(const League& league, Host& host, int day, int game);

// True when the game kept its play-by-play: its file exists and was written with the game, not left from an
// earlier season's game of the same day and number.
bool GameKeptPbp(const League& league, int day, int game);

// The play-by-play lines of a played game; "Play-By-Play file not found" (title "Play-By-Play") when the game
// kept none.
std::optional<std::vector<std::string>> LoadGamePbp(const League& league, Host& host, int day, int game);

// The score by quarters: one row per side, away first, with the quarters, overtime and the final score.
ReportTable QuarterScoresTable(const BoxScore& box);
// One side's players who dressed: position on the court at the end, minutes and the box statistics, then a
// "Totals" row.
ReportTable BoxPlayersTable(const BoxSide& side);

// The whole box score as lines of text: the final line, the score by quarters, each side's players (away
// first) and the Player of the Game.
std::vector<std::string> BoxScoreText(const BoxScore& box);

} // namespace hv
