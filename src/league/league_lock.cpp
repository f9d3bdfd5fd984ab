#include "league/league_lock.h"

namespace fs = std::filesystem;

namespace hv {

namespace {
std::chrono::milliseconds lockWait{2000};
} // namespace

fs::path LeagueLockFile(const fs::path& programFolder, const std::string& leagueName) {
    return programFolder / "save" / ("." + leagueName + ".lock");
}

std::chrono::milliseconds LeagueLockWait() {
    return lockWait;
}

void SetLeagueLockWait(std::chrono::milliseconds wait) {
    lockWait = wait;
}

std::shared_ptr<FileLock> LockLeague(const fs::path& programFolder, const std::string& leagueName,
                                     Host& host) {
    try {
        fs::create_directories(programFolder / "save");
        if (auto lock = FileLock::Acquire(LeagueLockFile(programFolder, leagueName), lockWait)) return lock;
    } catch (const fs::filesystem_error& e) {
        host.ShowMessage("The league " + leagueName + " could not be locked: " + e.code().message() + ".",
                         "Error", MessageIcon::Critical);
        return nullptr;
    }
    host.ShowMessage(
        "The league " + leagueName +
            " is in use: it is open in Hoopvale or another command is changing it. Try again when "
            "it is closed.",
        "League In Use", MessageIcon::Warning);
    return nullptr;
}

} // namespace hv
