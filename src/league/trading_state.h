// The computer's trading memory of the current season: the offers the user has declined, so that a computer
// team does not make the same offer again. A working value, not part of the saved game; cleared when the
// season ends.
#pragma once

#include <cstdint>
#include <vector>

namespace hv {

// One offer a computer team made to a human team: who offered, to whom, and the items of each side
// (player slots, or pick IDs from 1001 on), each list in increasing order.
struct OfferKey {
    int16_t from = 0, to = 0;
    std::vector<int16_t> give, get;
    bool operator==(const OfferKey&) const = default;
};

struct TradingState {
    std::vector<OfferKey> declined;
};

} // namespace hv
