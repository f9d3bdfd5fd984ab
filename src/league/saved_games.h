// The saved games of the program folder and the screens that handle them: league names, the list of saved
// leagues, and the Save, Load and Delete commands.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

constexpr size_t kMaxLeagueNameBytes = 100;

// Why a league name cannot be used as a file name, or nothing when it can. Refused: empty, ".", longer than
// kMaxLeagueNameBytes bytes, not UTF-8, or holding "/", "\", ".." or a control character.
std::optional<std::string> LeagueNameProblem(const std::string& name);

// One saved game of the save folder.
struct SavedGameEntry {
    std::string fileName;   // "NAME.sav"
    std::string leagueName; // NAME
};

// The .sav files of program folder/save, sorted by name.
std::vector<SavedGameEntry> ListSavedGames(const std::filesystem::path& programFolder);

// Save screen, Save button. An empty name: "Please enter a save name." (title "Error!"); a name that cannot
// be a file name: its problem (title "Error"). Otherwise saves with the busy pointer shown and, on success,
// makes the name the league's name. Returns true when the league was saved (the screen closes).
bool SaveGameAs(League& league, const std::string& name, Host& host);

// Load screen, Load button or double click. No file selected (empty name): nothing happens, false. Otherwise
// loads save/FILENAME and marks the league open; on failure the league is unchanged (the message comes from
// LoadLeague). Returns true when a league was loaded (the screen closes).
bool LoadSavedGame(League& league, const std::string& fileName, Host& host);

// Load screen, Delete button: asks "Are you sure you want to delete FILENAME?" (Yes/No); on Yes, when a file
// is selected, deletes save/FILENAME. Returns true when a file was deleted (the list is then refreshed).
// A file name that could leave the save folder or does not exist is refused with a message.
bool DeleteSavedGame(const std::filesystem::path& programFolder, const std::string& fileName, Host& host);

} // namespace hv
