// Players rated from a season of their statistics: a comma-separated file of per-player season totals turned
// into raw ratings by the model of docs/ratings_from_stats.md (per-minute rates, league-relative, mapped
// onto the rating scale), for new players of a league or for a whole new league.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "setup/default_league.h"
#include "setup/player_import.h"

namespace hv {

// One player's line of a statistics file: his facts and his season totals.
struct StatLine {
    std::string Name, Position, Team;
    int Age = 0, Height = 0, Weight = 0;
    int G = 0, MIN = 0, FG = 0, FGA = 0, ThreeP = 0, ThreePA = 0, FT = 0, FTA = 0, REB = 0, AST = 0, STL = 0,
        BLK = 0, TOV = 0, PF = 0, PTS = 0;
};

// The columns a statistics file must name in its header, in any order and letter case. Rebounds come as ORB
// and DRB or as one REB (also TRB); further columns are ignored.
const std::vector<std::string>& StatsColumns();

struct StatsReadResult {
    std::vector<StatLine> lines;
    std::optional<ImportProblem> problem; // the first bad line, with its number and why
};

// Reads a statistics file's text: an optional UTF-8 byte-order mark, the header, then one player a line
// (blank lines skipped). Every count must be a whole number from 0 up and fit its neighbours (made shots
// within attempts, three-pointers within field goals, no minutes without games), Team a team for which
// `knownTeam` holds or FA or Draft; at most `most` players.
StatsReadResult ParseStatsText(std::string_view text,
                               const std::function<bool(const std::string&)>& knownTeam, size_t most);
StatsReadResult ReadStatsFile(const std::filesystem::path& file,
                              const std::function<bool(const std::string&)>& knownTeam, size_t most);

// The files of the program folder's import folder ("*.csv", in any letter case) whose header names every
// column a statistics file needs, sorted by name.
std::vector<std::string> StatsFiles(const std::filesystem::path& programFolder);

// The model's constants, for the documentation and the tests.
namespace stats_model {
// Minutes of league-average play added to every player's rates, so that a player seen for a few minutes is
// rated near the league's average rather than by his few lucky shots.
inline constexpr double kPriorMinutes = 250;
// Attempts at the league's percentage added to every player's shooting percentages.
inline constexpr double kPriorAttempts = 60;
// The number of features of a line, the columns of the weight table.
inline constexpr int kFeatures = 15;
} // namespace stats_model

// The league-relative features of each line (the ratio of a player's rate to the league's rate, with the
// priors above), in the order of the model's weight table.
std::vector<std::array<double, stats_model::kFeatures>> StatFeatures(const std::vector<StatLine>& lines);

// The fifteen raw ratings (kSourceSkills order) of each line, within 5 to 100 and the position caps.
std::vector<std::array<int16_t, 15>> RatingsFromStats(const std::vector<StatLine>& lines);

// The lines as source players: ratings from the model, Experience from the age (Age - 22, 0 to 15), a
// Potential that falls with age, a team player's first-year salary set by the caller.
std::vector<SourcePlayer> PlayersFromStats(const std::vector<StatLine>& lines);

// Adds the file's players to a running league: into the team each line names, or every one into `to` (a
// team's Name, "FA" or "Draft") when given. Commissioner only (the editors' refusal); refused with a message
// and nothing changed when the file is bad ("Import Error", the line and why), a team would hold more than
// 15 players, or the league has too few free slots. A team player gets a first contract by his worth. Each
// player's signing is one line of the log. Returns the number of players added, 0 when refused.
int ImportStatsPlayers(League& league, Host& host, const std::filesystem::path& file, const std::string& to);

} // namespace hv
