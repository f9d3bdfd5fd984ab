// Shared constants and helpers of the saved-game writer and reader.
#pragma once

#include <cstdint>
#include <string>

#include "league/season_state.h"

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

// The league's game engine and trade judgement ride in the season record's first reserved long, which older
// saves carry with no meaning: the tag kRulesTag in the high 16 bits, the engine in bit 0 (1 = calibrated)
// and the trade judgement in bit 1 (1 = shrewd). A value without the tag, or with the tag and any other bit
// set, reads as both "As specified".
constexpr uint32_t kRulesTag = 0x4856;
constexpr uint32_t kRulesBits = 0x3;

// The value to write: the stored value unchanged while it has no tag and both options are as specified (an
// older save keeps its bytes), else the tag and the option bits.
inline int32_t RulesField(const SeasonState& s) {
    const auto stored = static_cast<uint32_t>(s.Reserved1);
    const bool asSpecified = s.Engine == GameEngine::AsSpecified && s.Trades == TradeJudgement::AsSpecified;
    if (asSpecified && stored >> 16 != kRulesTag) return s.Reserved1;
    uint32_t bits = kRulesTag << 16;
    if (s.Engine == GameEngine::Calibrated) bits |= 0x1;
    if (s.Trades == TradeJudgement::Shrewd) bits |= 0x2;
    return static_cast<int32_t>(bits);
}

// Reads the options from the stored value (kept in Reserved1 as it was read).
inline void ReadRulesField(SeasonState& s, int32_t stored) {
    s.Reserved1 = stored;
    const auto bits = static_cast<uint32_t>(stored);
    const bool valid = bits >> 16 == kRulesTag && (bits & 0xFFFF & ~kRulesBits) == 0;
    s.Engine = valid && (bits & 0x1) ? GameEngine::Calibrated : GameEngine::AsSpecified;
    s.Trades = valid && (bits & 0x2) ? TradeJudgement::Shrewd : TradeJudgement::AsSpecified;
}

} // namespace hv::savefile
