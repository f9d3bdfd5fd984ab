#include "setup/startup.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>

#include "league/injury_table.h"
#include "personnel/colleges.h"
#include "platform/ini_file.h"
#include "platform/program_folder.h"
#include "platform/sqlite_db.h"

namespace fs = std::filesystem;

namespace hv {

Settings ReadSettings(const fs::path& iniFile) {
    Settings s;
    s.SalaryStyle = ReadIniInt(iniFile, "Creation Draft Settings", "SalaryStyle", 0);
    s.SalaryCap = std::max(0, ReadIniInt(iniFile, "Default Settings", "SalaryCap", 42500000));
    s.FirstSeason = std::clamp(ReadIniInt(iniFile, "Default Settings", "FirstSeason", 2003), 1891, 3000);
    return s;
}

std::string WindowCaption() {
    return "Hoopvale Version " + VersionText();
}

std::array<std::string, 7> DefaultSiteStyle() {
    return {"#FFFFFF", "#000080", "#FFFFFF", "#E0E8F8", "#FFFFFF", "#FFFF99", "#000000"};
}

const std::vector<std::string>& ProgramFolders() {
    static const std::vector<std::string> folders{"output",        "textreports", "import",
                                                  "import/backup", "gamedata",    "save"};
    return folders;
}

namespace {

bool Fail(Host& host, const std::string& text, const std::string& title = {}) {
    host.ShowMessage(text, title, MessageIcon::Critical);
    return false;
}

// Reads a required name list into a 1-based vector; throws FatalError.
void ReadNames(const fs::path& file, std::vector<std::string>& into) {
    auto names = ReadRequiredNameList(file, file.filename().string());
    into.assign(1, std::string());
    into.insert(into.end(), names.begin(), names.end());
}

// The season row must hold exactly the whole numbers 2001 and 0: "2001abc", 2001.4 or NULL do not pass.
bool DatabaseIsDefault(SqliteDb& db) {
    auto stmt = db.Prepare("SELECT * FROM Seasoninfo");
    if (!stmt->Step()) return false;
    return stmt->ExactInt("Season") == 2001 && stmt->ExactInt("SeasonDay") == 0;
}

const char* const kWorkingCopyPrefix = ".current.lge.";
const char* const kWorkingCopySuffix = ".tmp";

// The process that writes a working copy under this name, or 0 when the name is no working copy's.
pid_t WorkingCopyWriter(const std::string& name) {
    const std::string prefix = kWorkingCopyPrefix, suffix = kWorkingCopySuffix;
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const char* begin = name.data() + prefix.size();
    const char* end = name.data() + name.size() - suffix.size();
    pid_t pid = 0;
    auto [ptr, ec] = std::from_chars(begin, end, pid);
    return ec == std::errc() && ptr == end && pid > 0 ? pid : 0;
}

// Removes the working copies of start-ups that were killed mid-copy. A copy whose process still runs is
// being written by a program starting at this moment and stays. Best effort: a folder that cannot be
// changed keeps them.
void RemoveStaleWorkingCopies(const fs::path& home) {
    std::error_code ec;
    for (fs::directory_iterator it(home, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t writer = WorkingCopyWriter(it->path().filename().string());
        if (writer == 0) continue;
        if (writer != ::getpid() && !(::kill(writer, 0) != 0 && errno == ESRCH)) continue;
        std::error_code ignored;
        fs::remove(it->path(), ignored);
    }
}

// Replaces current.lge by a fresh copy of default.lge in one step: the copy is written under a name of this
// process's own and renamed over the old one, so a program starting at the same time never opens a half-
// written database. A failure names the working copy, not default.lge, which is only read.
void CopyWorkingDatabase(const fs::path& home) {
    const fs::path working = home / "current.lge";
    const fs::path temporary = home / (kWorkingCopyPrefix + std::to_string(::getpid()) + kWorkingCopySuffix);
    std::error_code ec;
    fs::copy_file(home / "default.lge", temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::permissions(temporary, fs::perms::owner_write, fs::perm_options::add, ec);
    if (!ec) fs::rename(temporary, working, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw FatalError{"The working database " + working.string() +
                             " could not be made from default.lge: " + ec.message() + ".",
                         "Error", MessageIcon::Critical};
    }
}

} // namespace

bool RunStartup(Session& session, Host& host, const StartupHooks& hooks, WorkingDatabase working) {
    League& league = session.league;
    const fs::path home = league.programFolder;
    try {
        std::error_code ec;
        if (!fs::is_regular_file(home / "default.lge", ec))
            return Fail(host,
                        "Missing File: default.lge\nPlease reinstall the game.\nProgram folder searched: " +
                            home.string(),
                        "Error");

        LoadInjuryTable(league);
        session.settings = ReadSettings(home / "HVL.ini");
        league.state.SiteStyle = DefaultSiteStyle();

        if (hooks.showBackground && fs::exists(home / "bg.bmp")) hooks.showBackground(home / "bg.bmp");
        if (hooks.restorePlacement) hooks.restorePlacement();

        LoadColleges(league);
        league.state.SeasonDay = Phase::NoLeague;

        if (hooks.setCaption) hooks.setCaption(WindowCaption());

        RemoveStaleWorkingCopies(home);
        const bool copy = working == WorkingDatabase::Copy;
        if (copy) {
            CopyWorkingDatabase(home);
            session.database = std::make_shared<SqliteDb>(home / "current.lge");
        } else {
            session.database = std::make_shared<SqliteDb>(home / "default.lge", true);
        }

        league.state.LeagueName = "default";
        league.state.LeagueFolder = league.LeagueFolderOf("default").string();
        auto makeFolders = [&] {
            EnsureLeagueFolders(home, league.state.LeagueName);
            for (const auto& folder : ProgramFolders())
                fs::create_directories(home / folder);
        };
        if (copy) {
            makeFolders();
        } else {
            // Missing folders are made when the folder allows it; a program that only reads needs none.
            try {
                makeFolders();
            } catch (const fs::filesystem_error&) {
            }
        }

        ReadNames(home / "gamedata" / "Firstnames.txt", league.firstNames);
        ReadNames(home / "gamedata" / "lastnames.txt", league.lastNames);

        bool valid = false;
        try {
            valid = DatabaseIsDefault(*session.database);
        } catch (const DatabaseError&) {
            valid = false;
        }
        if (!valid) {
            session.database.reset();
            return Fail(host, "Invalid default.lge file", "Error");
        }
        if (!copy) session.database.reset(); // only checked: nothing of this program reads it
    } catch (const FatalError& fatal) {
        session.database.reset();
        host.ShowMessage(fatal.text, fatal.title, fatal.icon);
        return false;
    } catch (const DatabaseError&) {
        session.database.reset();
        return Fail(host, "Invalid default.lge file", "Error");
    } catch (const fs::filesystem_error& e) {
        return Fail(host,
                    "Cannot prepare the program folder: " + e.path1().string() + ": " + e.code().message() +
                        ".",
                    "Error");
    }
    league.leagueOpen = false;
    return true;
}

} // namespace hv
