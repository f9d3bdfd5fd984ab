// Contract values by a player's experience.
#pragma once

#include <cstdint>

namespace hv {

// The least a team may pay a player with `experience` seasons in the league for one season.
int32_t MinimumSalary(int experience);

} // namespace hv
