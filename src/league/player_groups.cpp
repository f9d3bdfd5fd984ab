#include "league/player_groups.h"

#include <algorithm>

#include "league/league.h"

namespace hv {

void PlayerGroups::Refresh(const std::vector<Player>& players) {
    // Read before the pass: a change made meanwhile (none is, the league is not shared) leaves the groups
    // to be found again.
    const uint64_t changes = TeamName::Changes();
    for (auto& group : groups_)
        group.second.clear();
    const int last = std::min<int>(kLastLeaguePlayer, static_cast<int>(players.size()) - 1);
    for (int id = 1; id <= last; ++id)
        groups_[players[static_cast<size_t>(id)].Team.str()].push_back(static_cast<int16_t>(id));
    stamp_ = changes;
    table_ = players.data();
    size_ = players.size();
    ++passes_;
}

std::vector<int> PlayerGroups::Of(const std::vector<Player>& players, const std::string& team) {
    if (passes_ == 0 || stamp_ != TeamName::Changes() || table_ != players.data() || size_ != players.size())
        Refresh(players);
    std::vector<int> ids;
    const auto group = groups_.find(team);
    if (group == groups_.end()) return ids;
    ids.reserve(group->second.size());
    for (int16_t id : group->second)
        if (!players[static_cast<size_t>(id)].IsEmpty()) ids.push_back(id);
    return ids;
}

} // namespace hv
