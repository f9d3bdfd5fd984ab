#include "personnel/contracts.h"

#include <array>
#include <cstddef>

namespace hv {

int32_t MinimumSalary(int experience) {
    // Seasons 0 to 9; ten seasons or more earn the last value.
    static constexpr std::array<int32_t, 11> kMinimum{332817, 465850, 540850, 565850, 590850, 653350,
                                                      715850, 778350, 840850, 965850, 1000000};
    if (experience < 0) experience = 0;
    if (experience > 10) experience = 10;
    return kMinimum[static_cast<std::size_t>(experience)];
}

} // namespace hv
