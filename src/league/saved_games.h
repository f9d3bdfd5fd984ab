// The saved games of the program folder and the screens that handle them: league names, the list of saved
// leagues, and the Save, Load and Delete commands.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/league.h"
#include "league/save_file.h"
#include "platform/host.h"

namespace hv {

constexpr size_t kMaxLeagueNameBytes = 100;

// Why a league name cannot be used as a file name, or nothing when it can. Refused: empty, blanks alone,
// beginning with ".", longer than kMaxLeagueNameBytes bytes, not UTF-8, or holding "/", "\", ".." or a
// control character.
std::optional<std::string> LeagueNameProblem(const std::string& name);

// One saved game of the save folder.
struct SavedGameEntry {
    std::string fileName;   // "NAME.sav"
    std::string leagueName; // NAME
    // Season and phase from the file's header alone; nothing when the file is not a valid saved game.
    std::optional<SaveHeader> header;
};

// The .sav files of program folder/save, sorted by name. A save folder that cannot be listed gives the
// files found so far and, in `problem` when given, why (empty when all went well; a missing folder is no
// problem).
std::vector<SavedGameEntry> ListSavedGames(const std::filesystem::path& programFolder,
                                           std::string* problem = nullptr);

// Save screen, Save button. An empty name: "Please enter a save name." (title "Error!"); a name that cannot
// be a file name: its problem (title "Error"). A name whose saved game exists and is not this league's own
// asks "The league NAME already exists. Do you want to replace it?" (title "Save Game") first. The league's
// lock is taken for the name (refused while another program holds it), then the league is saved with the
// busy pointer shown and, on success, the name becomes the league's name and its saved game. Returns true
// when the league was saved (the screen closes).
bool SaveGameAs(League& league, const std::string& name, Host& host);

// The league saved again under its own name, as SaveGameAs saves it: the name of its saved game, or, for a
// league not saved yet, the name it was created with. The desktop's checkpoints of long runs save this way.
bool SaveUnderItsName(League& league, Host& host);

// Load screen, Load button or double click. No file selected (empty name): nothing happens, false. Otherwise
// takes the league's lock (refused while another program holds it), loads save/FILENAME and marks the league
// open; the lock is then held while the league stays open, and the leftovers of interrupted saves of that
// league are removed. On failure the league is unchanged (the message comes from LoadLeague). Returns true
// when a league was loaded (the screen closes). With `holdLock` false (a command that only reads) no lock is
// taken.
bool LoadSavedGame(League& league, const std::string& fileName, Host& host, bool holdLock = true);

// Load screen, Delete button. A file name that could leave the save folder, does not exist or names a folder
// is refused with a message; a league another program holds is refused as in use. Otherwise asks "Are you
// sure you want to delete FILENAME?" (Yes/No) and on Yes deletes save/FILENAME and the leftovers of its
// interrupted saves.
// Returns true when a file was deleted (the list is then refreshed).
bool DeleteSavedGame(const std::filesystem::path& programFolder, const std::string& fileName, Host& host);

// NAME of "NAME.sav" (the file name itself when it has another extension).
std::string LeagueNameOfFile(const std::string& fileName);

// True when the open league differs from what was last saved or loaded (a league never saved has changes).
bool HasUnsavedChanges(const League& league);
// Before the open league is closed (Quit, loading another one): when it has unsaved changes, asks "Do you
// want to save the changes to the league NAME?" (Yes/No/Cancel). Yes saves it under its name; returns false
// when the user cancelled or the save failed, so that the league stays open.
bool OfferToSaveChanges(League& league, Host& host);

} // namespace hv
