// League tables beyond players, teams and schedule. Each grows with the subsystem that owns it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hv {

struct Transaction {
    std::string Team;
    int16_t Season = 0;
    int16_t SeasonDay = 0;
    std::string Action;
    bool operator==(const Transaction&) const = default;
};

struct LeagueTables {
    std::vector<Transaction> transactions;
};

} // namespace hv
