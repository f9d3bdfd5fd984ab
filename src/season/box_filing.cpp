#include "season/box_filing.h"

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace hv {

namespace {

// The regular files of `folder` ending in `extension`; none when the folder is missing.
std::vector<fs::path> FilesIn(const fs::path& folder, const char* extension, std::error_code& ec) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder, ec)) return files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file() && it->path().extension() == extension) files.push_back(it->path());
    return files;
}

bool Fail(Host& host, const fs::path& file, const std::error_code& ec) {
    host.ShowMessage("The season's box scores could not be filed: " + file.string() + ": " + ec.message(),
                     "Error", MessageIcon::Warning);
    return false;
}

// Moves the season's files of one kind into the subfolder named after the season when the league keeps its
// box scores, and deletes them otherwise.
bool FileOrDelete(const fs::path& folder, const char* extension, bool keep, int16_t season, Host& host) {
    std::error_code ec;
    std::vector<fs::path> files = FilesIn(folder, extension, ec);
    if (ec) return Fail(host, folder, ec);
    const fs::path archive = folder / std::to_string(season);
    if (keep && !files.empty()) {
        fs::create_directories(archive, ec);
        if (ec) return Fail(host, archive, ec);
    }
    for (const fs::path& file : files) {
        // The archive is a subfolder, on the same disk: a rename moves the file without making a new one.
        if (keep)
            fs::rename(file, archive / file.filename(), ec);
        else
            fs::remove(file, ec);
        if (ec) return Fail(host, file, ec);
    }
    return true;
}

} // namespace

bool FileSeasonBoxScores(League& league, int16_t season, Host& host) {
    const fs::path folder = league.LeagueFolderOf(league.state.LeagueName);
    const bool keep = league.state.SaveBoxScores;
    return FileOrDelete(folder / "box", ".txt", keep, season, host) &&
           FileOrDelete(folder / "html" / "boxes", ".html", keep, season, host) &&
           FileOrDelete(folder / "pbp", ".txt", false, season, host);
}

} // namespace hv
