// Shared constants and helpers of the saved-game writer and reader.
#pragma once

#include <cstdint>
#include <string>

namespace hv::savefile {

// A list inside a record: dimension count (always 1), element count, lower bound (always 1).
constexpr int16_t kListDimensions = 1;
constexpr int32_t kListLowerBound = 1;

// A top-level growable table stores its upper bound as a 16-bit integer; -1 means empty.
constexpr int kMaxTableUpperBound = 32767;

// Stored team and player entries.
constexpr int kStoredTeams = 29;
constexpr int kStoredPlayers = 650;

// A name is stored as first and last name split at the first blank. A name whose first part would be empty
// (no blank, or a leading blank) is stored whole as the last name, so every name comes back unchanged.
inline void SplitStoredName(const std::string& name, std::string& first, std::string& last) {
    auto blank = name.find(' ');
    if (blank == std::string::npos || blank == 0) {
        first.clear();
        last = name;
    } else {
        first = name.substr(0, blank);
        last = name.substr(blank + 1);
    }
}

inline std::string JoinStoredName(const std::string& first, const std::string& last) {
    return first.empty() ? last : first + " " + last;
}

} // namespace hv::savefile
