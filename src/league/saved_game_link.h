// What ties a league in memory to its saved game: the file's league name, the lock held on it while the
// league is open (so that no other program changes that file meanwhile), and a digest of the bytes last
// saved or loaded (so that unsaved changes can be told).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace hv {

class FileLock;

struct SavedGameLink {
    std::string name;               // NAME of save/NAME.sav; empty while the league has no saved game
    std::shared_ptr<FileLock> lock; // held while the league is open
    std::optional<uint64_t> digest; // of the saved form last written or read
};

} // namespace hv
