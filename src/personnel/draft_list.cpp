#include "personnel/draft_list.h"

#include <algorithm>
#include <set>

#include "league/team_control.h"

namespace hv {

namespace {

bool IsProspectID(const League& league, int id) {
    return id >= 1 && id <= kLastLeaguePlayer && !league.player(id).IsEmpty() &&
           league.player(id).Team == kDraft;
}

} // namespace

bool SetDraftList(League& league, Host& host, int team, const std::vector<int>& ids) {
    auto refuse = [&host](const std::string& text) {
        host.ShowMessage(text, "Draft List", MessageIcon::Warning);
        return false;
    };
    if (team < 1 || team > kLeagueTeams) return refuse("There is no team " + std::to_string(team) + ".");
    Team& t = league.team(team);
    if (!IsHuman(t))
        return refuse("The " + t.Name + " are run by the computer, which keeps no draft list for them.");
    if (ids.size() > kDraftListLength)
        return refuse("A draft list holds at most " + std::to_string(kDraftListLength) + " prospects.");
    std::set<int> seen;
    for (int id : ids) {
        if (!IsProspectID(league, id))
            return refuse("Player " + std::to_string(id) + " is no prospect of the coming draft.");
        if (!seen.insert(id).second) return refuse(league.player(id).Name + " is on the list twice.");
    }
    t.DraftList.assign(ids.begin(), ids.end());
    return true;
}

std::vector<int> AvailableOnDraftList(const League& league, int team) {
    std::vector<int> ids;
    for (int16_t id : league.team(team).DraftList)
        if (IsProspectID(league, id)) ids.push_back(id);
    return ids;
}

std::vector<int> MovedInDraftList(std::vector<int> ids, int id, int step) {
    const auto at = std::find(ids.begin(), ids.end(), id);
    if (at == ids.end()) return ids;
    if (step == 0) {
        ids.erase(at);
        return ids;
    }
    const std::ptrdiff_t to = (at - ids.begin()) + step;
    if (to < 0 || to >= static_cast<std::ptrdiff_t>(ids.size())) return ids;
    ids.erase(at);
    ids.insert(ids.begin() + to, id);
    return ids;
}

void ClearDraftLists(League& league) {
    for (int team = 1; team <= kLeagueTeams; ++team)
        league.team(team).DraftList.clear();
}

} // namespace hv
