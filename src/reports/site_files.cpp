#include "reports/site_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/whole_file.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

// One open, one write, one close; false on any failure.
fs::path Beside(const fs::path& html, const char* suffix) {
    return html.parent_path() / (html.filename().string() + suffix);
}

} // namespace

const std::vector<std::string>& SiteFolders() {
    static const std::vector<std::string> folders{"boxes",
                                                  "draft",
                                                  "fa",
                                                  "hof",
                                                  "pbp",
                                                  "players",
                                                  "retiredplayers",
                                                  "rosters",
                                                  "tmstats",
                                                  "tmstats/defense",
                                                  "tmstats/offense",
                                                  "tmstats/shdefense",
                                                  "tmstats/shoffense"};
    return folders;
}

SiteFiles::SiteFiles(fs::path html)
    : html_(std::move(html)), work_(Beside(html_, ".new")), old_(Beside(html_, ".old")) {}

SiteFiles::~SiteFiles() {
    std::error_code ec;
    if (!committed_) fs::remove_all(work_, ec);
}

bool SiteFiles::Fail(const std::string& text) {
    error_ = text;
    return false;
}

bool SiteFiles::Begin() {
    std::error_code ec;
    // What an interrupted earlier run may have left: a half-made new site, or the previous site still
    // under its old name.
    fs::remove_all(work_, ec);
    if (!fs::exists(html_, ec) && fs::exists(old_, ec)) fs::rename(old_, html_, ec);
    fs::remove_all(old_, ec);
    if (!fs::create_directories(work_, ec) && ec)
        return Fail("cannot make " + work_.string() + ": " + ec.message());
    if (fs::is_directory(html_, ec)) {
        for (auto it = fs::recursive_directory_iterator(html_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            fs::path rel = it->path().lexically_relative(html_);
            fs::path to = work_ / rel;
            std::error_code one;
            if (it->is_directory(one)) {
                fs::create_directories(to, one);
            } else {
                fs::create_hard_link(it->path(), to, one);
                if (one) fs::copy_file(it->path(), to, one = {});
                if (one) return Fail("cannot take over " + it->path().string() + ": " + one.message());
                files_.insert(rel.generic_string());
            }
            if (one) return Fail("cannot make " + to.string() + ": " + one.message());
        }
        if (ec) return Fail("cannot read " + html_.string() + ": " + ec.message());
    }
    for (const std::string& folder : SiteFolders()) {
        fs::create_directories(work_ / folder, ec);
        if (ec) return Fail("cannot make " + (work_ / folder).string() + ": " + ec.message());
    }
    return true;
}

bool SiteFiles::Write(const std::string& path, const std::string& text) {
    fs::path file = work_ / path;
    // A taken-over file shares its data with the previous site: unlink it rather than write through it.
    if (files_.count(path) != 0 && ::unlink(file.c_str()) != 0 && errno != ENOENT)
        return Fail("cannot replace " + file.string() + ": " + std::strerror(errno));
    if (!TryWriteWholeFile(file, text))
        return Fail("cannot write " + file.string() + ": " + std::strerror(errno));
    files_.insert(path);
    ++pages_;
    bytes_ += static_cast<int64_t>(text.size());
    return true;
}

void SiteFiles::Drop(const std::string& path) {
    if (files_.erase(path) != 0) ::unlink((work_ / path).c_str());
}

bool SiteFiles::Commit() {
    std::error_code ec;
    bool hadSite = fs::exists(html_, ec);
    if (hadSite) {
        fs::rename(html_, old_, ec);
        if (ec) return Fail("cannot move the previous site aside: " + ec.message());
    }
    fs::rename(work_, html_, ec);
    if (ec) {
        std::string why = ec.message();
        if (hadSite) fs::rename(old_, html_, ec);
        return Fail("cannot put the new site in place: " + why);
    }
    committed_ = true;
    fs::remove_all(old_, ec);
    return true;
}

bool WriteSiteFileAtomically(const fs::path& file, const std::string& text) {
    fs::path temporary = file;
    temporary += ".part";
    if (!TryWriteWholeFile(temporary, text)) {
        ::unlink(temporary.c_str());
        return false;
    }
    std::error_code ec;
    fs::rename(temporary, file, ec);
    if (ec) ::unlink(temporary.c_str());
    return !ec;
}

int ClearSiteFiles(const fs::path& html) {
    int count = 0;
    std::error_code ec;
    std::vector<fs::path> pages;
    for (auto it = fs::recursive_directory_iterator(html, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::string ext = it->path().extension().string();
        if (it->is_regular_file() && (ext == ".htm" || ext == ".html")) pages.push_back(it->path());
    }
    for (const fs::path& page : pages)
        if (fs::remove(page, ec)) ++count;
    return count;
}

} // namespace hv
