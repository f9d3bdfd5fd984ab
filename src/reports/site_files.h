// The folder a league site is written into: a fresh copy of the previous site beside the league's `html`
// folder, filled page by page and put in place with two renames at the end, so that a browser never sees a
// half-written site and a run that fails or is stopped leaves the previous site whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

namespace hv {

class SiteFiles {
  public:
    // `html` is the league's site folder; the new site grows in `html` + ".new" beside it.
    explicit SiteFiles(std::filesystem::path html);
    // Removes the new site unless it was put in place.
    ~SiteFiles();
    SiteFiles(const SiteFiles&) = delete;
    SiteFiles& operator=(const SiteFiles&) = delete;

    // Starts the new site from the previous one (its files linked, not copied, so that box scores, older
    // seasons' pages and pages of removed players stay) and makes the site's folders, once.
    bool Begin();
    // Writes one page, `path` relative to the site ("rosters/roster3.htm"): the text in one piece, through
    // one open. A file taken over from the previous site is replaced, never written through, so the
    // previous site keeps its own text.
    bool Write(const std::string& path, const std::string& text);
    // Whether the new site holds this file (a page written by this run or taken over).
    bool Has(const std::string& path) const { return files_.count(path) != 0; }
    // Removes a taken-over file from the new site.
    void Drop(const std::string& path);
    // The new site's files, relative paths.
    const std::unordered_set<std::string>& Files() const { return files_; }
    // Puts the new site in place of the previous one.
    bool Commit();

    const std::filesystem::path& Folder() const { return work_; }
    int PagesWritten() const { return pages_; }
    int64_t BytesWritten() const { return bytes_; }
    // What went wrong, for the message of a failed run.
    const std::string& Error() const { return error_; }

  private:
    bool Fail(const std::string& text);

    std::filesystem::path html_, work_, old_;
    std::unordered_set<std::string> files_;
    int pages_ = 0;
    int64_t bytes_ = 0;
    bool committed_ = false;
    std::string error_;
};

// The site's folders below `html`, parents first.
const std::vector<std::string>& SiteFolders();

// Writes one file of a site in place through a temporary name and one rename, so that a browser never reads
// half of it; false when it cannot be written.
bool WriteSiteFileAtomically(const std::filesystem::path& file, const std::string& text);

// Deletes the ".htm" and ".html" files of a site folder and its subfolders; the number deleted.
int ClearSiteFiles(const std::filesystem::path& html);

} // namespace hv
