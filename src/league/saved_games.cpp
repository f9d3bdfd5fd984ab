#include "league/saved_games.h"

#include <algorithm>

#include "league/binary_io.h"
#include "league/league_lock.h"
#include "league/save_file.h"

namespace fs = std::filesystem;

namespace hv {

std::optional<std::string> LeagueNameProblem(const std::string& name) {
    if (name.empty()) return "Please enter a league name.";
    if (name.size() > kMaxLeagueNameBytes)
        return "The league name is too long: at most " + std::to_string(kMaxLeagueNameBytes) + " bytes.";
    if (!IsValidUtf8(name)) return "The league name is not valid text.";
    bool control = std::any_of(name.begin(), name.end(), [](char c) {
        auto u = static_cast<unsigned char>(c);
        return u < 32 || u == 127;
    });
    // A name of blanks alone shows as nothing in every list; one beginning with "." would be a hidden file,
    // like the lock files that sit beside the saved games.
    if (name.find_first_not_of(' ') == std::string::npos)
        return "The league name \"" + name + "\" cannot be used: it must hold more than blanks.";
    if (name[0] == '.')
        return "The league name \"" + name + "\" cannot be used: it must not begin with \".\".";
    if (control || name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
        name.find("..") != std::string::npos)
        return "The league name \"" + name +
               "\" cannot be used: it must not contain \"/\", \"\\\", \"..\" or "
               "control characters.";
    return std::nullopt;
}

std::vector<SavedGameEntry> ListSavedGames(const fs::path& programFolder, std::string* problem) {
    std::vector<SavedGameEntry> games;
    if (problem) problem->clear();
    const fs::path folder = programFolder / "save";
    std::error_code ec;
    // Every step is asked for its error rather than left to throw: a folder that cannot be read, a link that
    // leads nowhere or in a loop must not end the program.
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        std::string file = path.filename().string();
        std::error_code entryError;
        if (path.extension() != ".sav" || file.front() == '.' || !fs::is_regular_file(path, entryError))
            continue;
        games.push_back({file, path.stem().string(), ReadSaveHeader(path)});
    }
    if (ec && problem && !(ec == std::errc::no_such_file_or_directory && games.empty()))
        *problem = "The save folder " + folder.string() + " could not be read: " + ec.message() + ".";
    std::sort(games.begin(), games.end(),
              [](const SavedGameEntry& a, const SavedGameEntry& b) { return a.fileName < b.fileName; });
    return games;
}

std::string LeagueNameOfFile(const std::string& fileName) {
    const std::string extension = ".sav";
    if (fileName.size() > extension.size() &&
        fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0)
        return fileName.substr(0, fileName.size() - extension.size());
    return fileName;
}

bool SaveGameAs(League& league, const std::string& name, Host& host) {
    if (name.empty()) {
        host.ShowMessage("Please enter a save name.", "Error!", MessageIcon::Warning);
        return false;
    }
    if (auto problem = LeagueNameProblem(name)) {
        host.ShowMessage(*problem, "Error", MessageIcon::Warning);
        return false;
    }
    std::error_code ec;
    bool exists = fs::exists(league.SaveFolder() / SaveFileName(name), ec);
    if (exists && name != league.savedGame.name &&
        !host.AskYesNo("The league " + name + " already exists. Do you want to replace it?", "Save Game"))
        return false;
    auto lock = LockLeague(league.programFolder, name, host);
    if (!lock) return false;
    host.SetBusy(true);
    std::string bytes;
    bool saved = SaveLeague(league, name, host, &bytes);
    host.SetBusy(false);
    if (!saved) return false;
    league.state.LeagueName = name;
    league.savedGame = {name, std::move(lock), SaveDigest(bytes)};
    return true;
}

bool SaveUnderItsName(League& league, Host& host) {
    return SaveGameAs(league, league.savedGame.name.empty() ? league.state.LeagueName : league.savedGame.name,
                      host);
}

bool LoadSavedGame(League& league, const std::string& fileName, Host& host, bool holdLock) {
    if (fileName.empty()) return false;
    const std::string name = LeagueNameOfFile(fileName);
    // A name that could not be a league's, or a file that is not there, is refused by the loader before any
    // lock file is made for it.
    std::shared_ptr<FileLock> lock;
    std::error_code ec;
    if (holdLock && !LeagueNameProblem(name) && fs::is_regular_file(league.SaveFolder() / fileName, ec)) {
        lock = LockLeague(league.programFolder, name, host);
        if (!lock) return false;
    }
    if (!LoadLeague(league, fileName, host)) return false;
    // Holding the lock, this program is the league's only writer: what an interrupted save left is stale.
    if (lock) RemoveStaleSaveFiles(league.SaveFolder(), fileName);
    league.leagueOpen = true;
    std::optional<uint64_t> digest;
    try {
        digest = SaveDigest(EncodeLeague(league, name));
    } catch (const FormatError&) {
        // A league that cannot be written back as it is counts as changed.
    }
    league.savedGame = {name, std::move(lock), digest};
    return true;
}

bool DeleteSavedGame(const fs::path& programFolder, const std::string& fileName, Host& host) {
    if (fileName.empty()) return false;
    if (fileName.find('/') != std::string::npos || fileName.find('\\') != std::string::npos ||
        fileName == "." || fileName == "..") {
        host.ShowMessage("The file " + fileName + " is not a saved game.", "Error", MessageIcon::Warning);
        return false;
    }
    const fs::path file = programFolder / "save" / fileName;
    if (!SaveFileIsThere(file, host, MessageIcon::Warning)) return false;
    std::error_code ec;
    auto lock = LockLeague(programFolder, LeagueNameOfFile(fileName), host);
    if (!lock) return false;
    if (!host.AskYesNo("Are you sure you want to delete " + fileName + "?")) return false;
    if (!fs::remove(file, ec)) {
        host.ShowMessage("The file " + fileName + " could not be deleted: " + ec.message(), "Error",
                         MessageIcon::Critical);
        return false;
    }
    RemoveStaleSaveFiles(programFolder / "save", fileName);
    return true;
}

bool HasUnsavedChanges(const League& league) {
    if (!league.savedGame.digest) return true;
    try {
        return SaveDigest(EncodeLeague(league, league.savedGame.name)) != *league.savedGame.digest;
    } catch (const FormatError&) {
        return true;
    }
}

bool OfferToSaveChanges(League& league, Host& host) {
    if (!league.leagueOpen || !HasUnsavedChanges(league)) return true;
    const std::string name = league.savedGame.name.empty() ? league.state.LeagueName : league.savedGame.name;
    switch (host.AskYesNoCancel("Do you want to save the changes to the league " + name + "?", "Save Game")) {
    case Answer::Yes:
        return SaveUnderItsName(league, host);
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

} // namespace hv
