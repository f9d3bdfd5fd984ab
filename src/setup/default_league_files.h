// Default league files: the shipped default.lge and the default leagues the user saved beside it. The working
// database current.lge, which new leagues read, is a copy of one of them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host.h"
#include "setup/startup.h"

namespace hv {

// The title of the default-league messages.
inline constexpr const char* kDefaultLeagueTitle = "Default League";

// The default league files of the program folder: "default.lge" first, then every other "*.lge" but the
// working database, by name.
std::vector<std::string> DefaultLeagueFiles(const std::filesystem::path& programFolder);

// Saves the working database as a default league file NAME of the program folder (".lge" added when the name
// lacks it). Refused with a message, nothing written, for default.lge and current.lge (the shipped league is
// never overwritten), a name with a folder or without letters, or a copy that fails; an existing file is
// replaced only when the user agrees (the question's safe answer keeps it). Returns the file's name, or an
// empty text when nothing was saved.
std::string SaveDefaultLeagueAs(Session& session, Host& host, const std::string& name);

// Makes the working database a fresh copy of the default league file `name` (as DefaultLeagueFiles lists it)
// and opens it, so that new leagues start from it. Refused with a message, the working database as it was,
// when there is no such file or it holds no default league (29 teams and their players).
bool UseDefaultLeague(Session& session, Host& host, const std::string& name);

} // namespace hv
