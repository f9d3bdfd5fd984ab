#include "engine/game_stats_tally.h"

#include <cstdio>

namespace hv {

namespace {

constexpr uint64_t kFnvPrime = 1099511628211ull;

void Mix(uint64_t& hash, int value) {
    auto bits = static_cast<uint16_t>(static_cast<int16_t>(value));
    for (uint8_t byte : {static_cast<uint8_t>(bits & 0xFF), static_cast<uint8_t>(bits >> 8)}) {
        hash ^= byte;
        hash *= kFnvPrime;
    }
}

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

void GameStatsTally::AddGame(const TeamGameLine& home, const TeamGameLine& away, int homeScore, int awayScore,
                             bool overtime) {
    ++games_;
    if (overtime) ++overtime_;
    if (homeScore > awayScore) ++homeWins_;
    for (const TeamGameLine* t : {&home, &away}) {
        fg_ += t->FG;
        fga_ += t->FGA;
        threeP_ += t->ThreeP;
        threePA_ += t->ThreePA;
        ft_ += t->FT;
        fta_ += t->FTA;
        rebounds_ += t->Rebounds;
        assists_ += t->Assists;
        steals_ += t->Steals;
        blocks_ += t->Blocks;
        turnovers_ += t->Turnovers;
        fouls_ += t->Fouls;
    }
    points_ += homeScore + awayScore;
    Mix(checksum_, homeScore);
    Mix(checksum_, awayScore);
}

GameStatsTally::Averages GameStatsTally::PerTeamGame() const {
    Averages a;
    if (games_ == 0) return a;
    double n = 2.0 * double(games_);
    auto ratio = [](int64_t made, int64_t tried) { return tried ? double(made) / double(tried) : 0.0; };
    a.Points = double(points_) / n;
    a.FG = double(fg_) / n;
    a.FGA = double(fga_) / n;
    a.FGPct = ratio(fg_, fga_);
    a.ThreeP = double(threeP_) / n;
    a.ThreePA = double(threePA_) / n;
    a.ThreePPct = ratio(threeP_, threePA_);
    a.FT = double(ft_) / n;
    a.FTA = double(fta_) / n;
    a.FTPct = ratio(ft_, fta_);
    a.Rebounds = double(rebounds_) / n;
    a.Assists = double(assists_) / n;
    a.Steals = double(steals_) / n;
    a.Blocks = double(blocks_) / n;
    a.Turnovers = double(turnovers_) / n;
    a.Fouls = double(fouls_) / n;
    a.Possessions = double(possessions_) / n;
    return a;
}

std::vector<std::string> GameStatsTally::ReportLines() const {
    Averages a = PerTeamGame();
    std::vector<std::string> out;
    out.push_back("Averages per team and game:");
    auto add = [&](const char* label, const char* format, double value) {
        out.push_back(std::string("  ") + label + Format(format, value));
    };
    add("Points     ", "%.1f", a.Points);
    add("FGM        ", "%.1f", a.FG);
    add("FGA        ", "%.1f", a.FGA);
    add("FG%        ", "%.3f", a.FGPct);
    add("3PM        ", "%.1f", a.ThreeP);
    add("3PA        ", "%.1f", a.ThreePA);
    add("3P%        ", "%.3f", a.ThreePPct);
    add("FTM        ", "%.1f", a.FT);
    add("FTA        ", "%.1f", a.FTA);
    add("FT%        ", "%.3f", a.FTPct);
    add("Rebounds   ", "%.1f", a.Rebounds);
    add("Assists    ", "%.1f", a.Assists);
    add("Steals     ", "%.1f", a.Steals);
    add("Blocks     ", "%.1f", a.Blocks);
    add("Turnovers  ", "%.1f", a.Turnovers);
    add("Fouls      ", "%.1f", a.Fouls);
    if (possessions_ > 0) add("Possessions", " %.1f", a.Possessions);
    out.push_back("Overtime games: " + Format("%.3f", OvertimeShare()));
    out.push_back("Home wins: " + Format("%.3f", HomeWinShare()));
    char hex[32];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(checksum_));
    out.push_back(std::string("Checksum: ") + hex);
    return out;
}

} // namespace hv
