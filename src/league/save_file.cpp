// Saving to and loading from the save folder: the file handling around the encoder and decoder.
#include "league/save_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "league/saved_games.h"
#include "league/startup.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

// Writes all bytes to a new file and forces them to disk; throws std::runtime_error with the reason.
void WriteFileDurably(const fs::path& file, const std::string& bytes) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error(std::strerror(errno));
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            int error = n < 0 ? errno : EIO;
            ::close(fd);
            throw std::runtime_error(std::strerror(error));
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) {
        int error = errno;
        ::close(fd);
        throw std::runtime_error(std::strerror(error));
    }
    if (::close(fd) != 0) throw std::runtime_error(std::strerror(errno));
}

// Makes a finished rename durable; a folder that cannot be synced is not an error.
void SyncFolder(const fs::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string TemporaryName(const std::string& fileName) {
    static std::mt19937_64 names{std::random_device{}()};
    std::ostringstream s;
    s << '.' << fileName << '.' << std::hex << names() << ".tmp";
    return s.str();
}

bool ReadWholeFile(const fs::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return false;
    bytes = std::move(content).str();
    return true;
}

// Moves the saved part of a freshly loaded league into the running one. Slot 0 and the exhibition slots
// 651 to 680 are not part of a saved game and stay; the team table is re-created, slots 30 and 31 empty.
void AdoptLoadedLeague(League& league, League&& loaded) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        league.player(id) = std::move(loaded.player(id));
    league.teams = std::move(loaded.teams);
    league.freeIDs = std::move(loaded.freeIDs);
    league.state = std::move(loaded.state);
    league.schedule = std::move(loaded.schedule);
    league.tables = std::move(loaded.tables);
}

} // namespace

bool SaveLeague(const League& league, const std::string& leagueName, Host& host) {
    const std::string fileName = SaveFileName(leagueName);
    auto fail = [&](const std::string& reason) {
        host.ShowMessage("The league could not be saved to " + fileName + ": " + reason, "Error",
                         MessageIcon::Critical);
        return false;
    };
    if (auto problem = LeagueNameProblem(leagueName)) return fail(*problem);
    std::string bytes;
    try {
        bytes = EncodeLeague(league, leagueName);
    } catch (const FormatError& e) {
        return fail(e.what());
    }
    // Never write a file that would not load again: the loader's checks run on the new bytes first, and a
    // league that fails them keeps its previous save.
    try {
        auto check = std::make_unique<League>();
        DecodeLeague(bytes, *check);
    } catch (const FormatError& e) {
        return fail(std::string("the league holds a value that its saved game could not load again (") +
                    e.what() + ")");
    }
    const fs::path folder = league.SaveFolder();
    const fs::path target = folder / fileName;
    const fs::path temporary = folder / TemporaryName(fileName);
    try {
        fs::create_directories(folder);
        WriteFileDurably(temporary, bytes);
        fs::rename(temporary, target);
    } catch (const std::exception& e) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return fail(e.what());
    }
    SyncFolder(folder);
    return true;
}

bool LoadLeague(League& league, const std::string& fileName, Host& host) {
    const fs::path file = league.SaveFolder() / fileName;
    const std::string invalid = "The file " + fileName + " is not a valid saved game.";
    if (fileName.empty() || fileName.find('/') != std::string::npos ||
        fileName.find('\\') != std::string::npos || fileName == "." || fileName == "..") {
        host.ShowMessage(invalid, "Error", MessageIcon::Critical);
        return false;
    }
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        host.ShowMessage("The file " + fileName + " was not found.", "File Not Found", MessageIcon::Critical);
        return false;
    }
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) {
        host.ShowMessage("The file " + fileName + " could not be read.", "Error", MessageIcon::Critical);
        return false;
    }
    // On the heap: a league object is about 1.5 MB.
    auto loaded = std::make_unique<League>();
    loaded->programFolder = league.programFolder;
    try {
        DecodeLeague(bytes, *loaded);
    } catch (const FormatError&) {
        host.ShowMessage(invalid, "Error", MessageIcon::Critical);
        return false;
    }
    try {
        EnsureLeagueFolders(league.programFolder, loaded->state.LeagueName);
    } catch (const fs::filesystem_error& e) {
        host.ShowMessage("The folders of the league " + loaded->state.LeagueName +
                             " could not be created: " + e.what(),
                         "Error", MessageIcon::Critical);
        return false;
    }
    AdoptLoadedLeague(league, std::move(*loaded));
    return true;
}

} // namespace hv
