// Where a game's box score, HTML box score and play-by-play files go, and how they are written.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/box_score.h"
#include "engine/game_stats.h"

namespace hv {

// The league folder that a game writes into: the exhibition games write into the default league's folder.
std::filesystem::path GameOutputFolder(const League& league, const FinishedGame& game);

// File name of a game's box text and play-by-play: "day-game.txt", "AllStar-Rookie.txt",
// "AllStar-Regular.txt", or "0-0.txt" for an exhibition.
std::string GameTextFileName(const FinishedGame& game);

std::filesystem::path BoxFilePath(const League& league, const FinishedGame& game);
std::filesystem::path PbpFilePath(const League& league, const FinishedGame& game);
// "html/boxes/day-game.html", "rookiegame.html" or "allstar.html"; empty for an exhibition, which has no
// page.
std::filesystem::path HtmlBoxPath(const League& league, const FinishedGame& game);

// The lines joined, each ended by a line feed: the text of a box score or play-by-play file.
std::string JoinedLines(const std::vector<std::string>& lines);

// The lines of a text file (a trailing carriage return is dropped); nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file);

// A box text file read back for the box-score screen or the site's box pages; nullopt when the file is
// missing or is not a complete box score of this version.
std::optional<BoxScore> ReadBoxScoreFile(const std::filesystem::path& file);

} // namespace hv
