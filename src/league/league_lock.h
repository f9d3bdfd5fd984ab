// The lock that guards one saved league while a program changes it: save/.NAME.lock, taken by the desktop
// program for as long as the league is open there and by every command-line command that may change the
// league, from before it reads the file until it ends. A second writer waits briefly, then is refused.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/file_lock.h"
#include "platform/host.h"

namespace hv {

// save/.NAME.lock under the program folder.
std::filesystem::path LeagueLockFile(const std::filesystem::path& programFolder,
                                     const std::string& leagueName);

// How long a writer waits for a league that another program holds (2 seconds unless set).
std::chrono::milliseconds LeagueLockWait();
void SetLeagueLockWait(std::chrono::milliseconds wait);

// Takes the league's lock (creating the save folder when missing). When another program keeps it past the
// wait, shows "The league NAME is in use: it is open in Hoopvale or another command is changing it. Try
// again when it is closed." (title "League In Use") and returns null; when the lock file cannot be made,
// shows why (title "Error") and returns null.
std::shared_ptr<FileLock> LockLeague(const std::filesystem::path& programFolder,
                                     const std::string& leagueName, Host& host);

} // namespace hv
