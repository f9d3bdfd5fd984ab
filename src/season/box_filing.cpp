#include "season/box_filing.h"

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace hv {

namespace {

// The regular files of `folder` ending in ".txt"; none when the folder is missing.
std::vector<fs::path> TextFilesIn(const fs::path& folder, std::error_code& ec) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder, ec)) return files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file() && it->path().extension() == ".txt") files.push_back(it->path());
    return files;
}

bool Fail(Host& host, const fs::path& file, const std::error_code& ec) {
    host.ShowMessage("The season's box scores could not be filed: " + file.string() + ": " + ec.message(),
                     "Error", MessageIcon::Warning);
    return false;
}

} // namespace

bool FileSeasonBoxScores(League& league, int16_t season, Host& host) {
    const fs::path folder = league.LeagueFolderOf(league.state.LeagueName);
    const fs::path box = folder / "box";
    std::error_code ec;
    std::vector<fs::path> boxFiles = TextFilesIn(box, ec);
    if (ec) return Fail(host, box, ec);
    const fs::path archive = box / std::to_string(season);
    if (league.state.SaveBoxScores && !boxFiles.empty()) {
        fs::create_directories(archive, ec);
        if (ec) return Fail(host, archive, ec);
    }
    for (const fs::path& file : boxFiles) {
        if (league.state.SaveBoxScores) {
            fs::copy_file(file, archive / file.filename(), fs::copy_options::overwrite_existing, ec);
            if (ec) return Fail(host, file, ec);
        }
        fs::remove(file, ec);
        if (ec) return Fail(host, file, ec);
    }
    const fs::path pbp = folder / "pbp";
    std::vector<fs::path> pbpFiles = TextFilesIn(pbp, ec);
    if (ec) return Fail(host, pbp, ec);
    for (const fs::path& file : pbpFiles) {
        fs::remove(file, ec);
        if (ec) return Fail(host, file, ec);
    }
    return true;
}

} // namespace hv
