#include "league/saved_games.h"

#include <algorithm>

#include "league/binary_io.h"
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
    if (name == "." || control || name.find('/') != std::string::npos ||
        name.find('\\') != std::string::npos || name.find("..") != std::string::npos)
        return "The league name \"" + name +
               "\" cannot be used: it must not contain \"/\", \"\\\", \"..\" or "
               "control characters.";
    return std::nullopt;
}

std::vector<SavedGameEntry> ListSavedGames(const fs::path& programFolder) {
    std::vector<SavedGameEntry> games;
    std::error_code ec;
    fs::directory_iterator it(programFolder / "save", ec);
    if (ec) return games;
    for (const auto& entry : it) {
        const fs::path& path = entry.path();
        std::string file = path.filename().string();
        if (path.extension() != ".sav" || file.front() == '.' || !entry.is_regular_file(ec)) continue;
        games.push_back({file, path.stem().string()});
    }
    std::sort(games.begin(), games.end(),
              [](const SavedGameEntry& a, const SavedGameEntry& b) { return a.fileName < b.fileName; });
    return games;
}

bool SaveGameAs(League& league, const std::string& name, Host& host) {
    if (name.empty()) {
        host.ShowMessage("Please enter a save name.", "Error!");
        return false;
    }
    if (auto problem = LeagueNameProblem(name)) {
        host.ShowMessage(*problem, "Error");
        return false;
    }
    host.SetBusy(true);
    bool saved = SaveLeague(league, name, host);
    host.SetBusy(false);
    if (saved) league.state.LeagueName = name;
    return saved;
}

bool LoadSavedGame(League& league, const std::string& fileName, Host& host) {
    if (fileName.empty()) return false;
    if (!LoadLeague(league, fileName, host)) return false;
    league.leagueOpen = true;
    return true;
}

bool DeleteSavedGame(const fs::path& programFolder, const std::string& fileName, Host& host) {
    if (!host.AskYesNo("Are you sure you want to delete " + fileName + "?")) return false;
    if (fileName.empty()) return false;
    if (fileName.find('/') != std::string::npos || fileName.find('\\') != std::string::npos ||
        fileName == "." || fileName == "..") {
        host.ShowMessage("The file " + fileName + " is not a saved game.", "Error");
        return false;
    }
    fs::path file = programFolder / "save" / fileName;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        host.ShowMessage("The file " + fileName + " was not found.", "File Not Found");
        return false;
    }
    if (!fs::remove(file, ec)) {
        host.ShowMessage("The file " + fileName + " could not be deleted: " + ec.message(), "Error");
        return false;
    }
    return true;
}

} // namespace hv
