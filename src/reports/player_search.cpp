#include "reports/player_search.h"

#include <vector>

#include "reports/roster_report.h"

namespace hv {

namespace {

// Lower case for the letters A to Z; other bytes (UTF-8 letters among them) stay as they are.
std::string Folded(const std::string& text) {
    std::string folded = text;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

} // namespace

bool MatchesSearch(const Player& p, const PlayerSearch& search) {
    if (p.IsEmpty()) return false;
    if (search.position != 0 && p.PositionNumber != search.position) return false;
    if (!search.team.empty() && p.Team != search.team) return false;
    return search.name.empty() || Folded(p.Name).find(Folded(search.name)) != std::string::npos;
}

ReportTable FindPlayersTable(const League& league, const PlayerSearch& search) {
    std::vector<int> found;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (MatchesSearch(league.player(id), search)) found.push_back(id);
    ReportTable table = PlayerLinesTable(league, found, true);
    table.title = std::to_string(found.size()) + (found.size() == 1 ? " player found" : " players found");
    return table;
}

} // namespace hv
