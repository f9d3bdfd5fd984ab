// Saving to and loading from the save folder: the file handling around the encoder and decoder.
#include "league/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <sstream>

#include "league/html_text.h"
#include "league/saved_games.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

// Writes all bytes to a new file and forces them to disk; throws std::runtime_error with the reason. The file
// gets the permission bits `mode` when given, else the usual ones for a new file.
void WriteFileDurably(const fs::path& file, const std::string& bytes, std::optional<mode_t> mode) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode ? 0600 : 0644);
    if (fd < 0) throw std::runtime_error(std::strerror(errno));
    auto fail = [&](int error) {
        ::close(fd);
        throw std::runtime_error(std::strerror(error));
    };
    if (mode && ::fchmod(fd, *mode) != 0) fail(errno);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail(n < 0 ? errno : EIO);
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) fail(errno);
    if (::close(fd) != 0) throw std::runtime_error(std::strerror(errno));
}

// The permission bits of the file a save replaces (a league kept private stays private); nothing for a new
// file.
std::optional<mode_t> ExistingMode(const fs::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) return std::nullopt;
    return existing.st_mode & 07777;
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
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) return false;
        std::ostringstream content;
        content << in.rdbuf();
        if (in.bad()) return false;
        bytes = std::move(content).str();
        return true;
    } catch (const std::exception&) { // no memory for it, or a stream failure
        return false;
    }
}

// The first `limit` bytes of a file (fewer when it is shorter).
std::optional<std::string> ReadFileStart(const fs::path& file, size_t limit) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// A header's largest size: nine texts of at most 65535 bytes and 46 bytes of numbers.
constexpr size_t kMaxHeaderBytes = 9 * (2 + 65535) + 46;
// Enough for the header of every league the program writes.
constexpr size_t kUsualHeaderBytes = 4096;

bool IsTemporaryOf(const std::string& entry, const std::string& fileName) {
    const std::string prefix = "." + fileName + ".", suffix = ".tmp";
    if (entry.size() <= prefix.size() + suffix.size() || entry.compare(0, prefix.size(), prefix) != 0 ||
        entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    std::string middle = entry.substr(prefix.size(), entry.size() - prefix.size() - suffix.size());
    return middle.find_first_not_of("0123456789abcdef") == std::string::npos;
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

std::optional<SaveHeader> ReadSaveHeader(const fs::path& file) {
    for (size_t limit : {kUsualHeaderBytes, kMaxHeaderBytes}) {
        auto bytes = ReadFileStart(file, limit);
        if (!bytes) return std::nullopt;
        try {
            return DecodeSaveHeader(*bytes);
        } catch (const FormatError&) {
            if (bytes->size() < limit) return std::nullopt; // the whole file was read
        }
    }
    return std::nullopt;
}

uint64_t SaveDigest(std::string_view bytes) {
    return std::hash<std::string_view>{}(bytes);
}

void RemoveStaleSaveFiles(const fs::path& saveFolder, const std::string& fileName) {
    std::error_code ec;
    fs::directory_iterator it(saveFolder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (!IsTemporaryOf(it->path().filename().string(), fileName)) continue;
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
}

bool SaveLeague(const League& league, const std::string& leagueName, Host& host, std::string* written) {
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
    if (bytes.size() > kMaxSaveFileBytes) return fail("its saved game would exceed 256 MB");
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
        RemoveStaleSaveFiles(folder, fileName);
        WriteFileDurably(temporary, bytes, ExistingMode(target));
        fs::rename(temporary, target);
    } catch (const std::exception& e) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return fail(e.what());
    }
    SyncFolder(folder);
    if (written) *written = std::move(bytes);
    return true;
}

bool SaveFileIsThere(const fs::path& file, Host& host, MessageIcon icon) {
    const std::string fileName = file.filename().string();
    std::error_code ec;
    if (fs::is_directory(file, ec)) {
        host.ShowMessage("The file " + fileName + " is a folder, not a saved game.", "Error", icon);
        return false;
    }
    if (!fs::is_regular_file(file, ec)) {
        host.ShowMessage("The file " + fileName + " was not found.", "File Not Found", icon);
        return false;
    }
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
    if (!SaveFileIsThere(file, host, MessageIcon::Critical)) return false;
    std::error_code ec;
    if (uintmax_t size = fs::file_size(file, ec); !ec && size > kMaxSaveFileBytes) {
        host.ShowMessage("The file " + fileName + " is too large to be a saved game.", "Error",
                         MessageIcon::Critical);
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
    // The colours go into the site's pages: a text that is not a colour gives way to the default.
    for (size_t i = 0; i < loaded->state.SiteStyle.size(); ++i) {
        std::string& colour = loaded->state.SiteStyle[i];
        if (IsSiteColour(colour)) continue;
        colour.clear();
        host.ShowMessage("Site colour " + std::to_string(i + 1) + " of " + fileName +
                             " is not a colour of the form #RRGGBB; the default colour is used.",
                         "Warning", MessageIcon::Warning);
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
