// The box score of one game: built from the players' game values, written as the box text file that the
// box-score screen reads, read back from it, and turned into the HTML page.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/game_stats.h"

namespace hv {

constexpr const char* kBoxVersionLine = "Box Version 2";

// One roster slot's line; an empty slot has ID 0 and zeros.
struct BoxPlayerLine {
    int16_t ID = 0;
    std::string Name;
    std::string Position; // text of his court slot, empty when not on the court
    int16_t Seconds = 0, FGA = 0, FG = 0, ThreePA = 0, ThreeP = 0, FTA = 0, FT = 0, Rebounds = 0, Assists = 0,
            Steals = 0, Blocks = 0, Fouls = 0, Turnovers = 0, Points = 0;
    bool operator==(const BoxPlayerLine&) const = default;
};

// The ten team totals of the box file.
struct BoxTeamTotals {
    int32_t FGA = 0, FG = 0, ThreePA = 0, ThreeP = 0, FTA = 0, FT = 0, Rebounds = 0, Steals = 0, Blocks = 0,
            Turnovers = 0;
    bool operator==(const BoxTeamTotals&) const = default;
};

struct BoxSide {
    std::string Name;
    std::array<int16_t, 5> QuarterScores{}; // 1 to 4, then overtime
    std::array<BoxPlayerLine, kRosterSlots> Players{};
    BoxTeamTotals Totals;
    int32_t Score() const;
    bool operator==(const BoxSide&) const = default;
};

struct BoxScore {
    std::string FinalLine;
    BoxSide Home, Away;
    int16_t PogCourtSlot = 0;
    std::string PogName;
    bool operator==(const BoxScore&) const = default;
};

BoxScore BuildBoxScore(const League& league, const FinishedGame& game, int16_t playerOfGame);

// The lines of the box text file, in the order the box-score screen reads them.
std::vector<std::string> BoxScoreLines(const BoxScore& box);

// Reads box text lines back; nullopt when they are not a complete box of this version.
std::optional<BoxScore> ParseBoxScore(const std::vector<std::string>& lines);

// The HTML page of a box score in the league's page colours.
std::string BoxScoreHtml(const BoxScore& box, const std::array<std::string, 7>& siteStyle);

// "45.5%", or "0.0%" without an attempt.
std::string PercentText(int32_t made, int32_t attempted);

} // namespace hv
