// The league's players grouped by their Team field, so that a team's roster or the free agents are found
// without a pass over every slot. The groups are found in one pass over slots 1 to 650 and found again on the
// first look after any player's team has been set (TeamName counts every change) or after the player table
// has been replaced; a look never sees a stale group.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "league/player.h"

namespace hv {

class PlayerGroups {
  public:
    // The slots 1 to 650 of `players` whose Team is `team`, ascending; empty slots are left out.
    std::vector<int> Of(const std::vector<Player>& players, const std::string& team);
    // How many times the groups have been found; for tests.
    uint64_t Passes() const { return passes_; }

  private:
    void Refresh(const std::vector<Player>& players);

    std::unordered_map<std::string, std::vector<int16_t>> groups_;
    uint64_t stamp_ = 0;
    const Player* table_ = nullptr;
    size_t size_ = 0;
    uint64_t passes_ = 0;
};

} // namespace hv
