#include "setup/default_league_files.h"

#include <algorithm>
#include <cctype>
#include <unistd.h>

#include "platform/sqlite_db.h"
#include "setup/default_league.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

constexpr const char* kShipped = "default.lge";
constexpr const char* kWorking = "current.lge";

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool Refuse(Host& host, const std::string& text) {
    host.ShowMessage(text, kDefaultLeagueTitle, MessageIcon::Warning);
    return false;
}

// Copies `from` over `to` in one step: written under a name of this process's own, then renamed.
bool CopyOver(const fs::path& from, const fs::path& to, std::string& error) {
    const fs::path temporary = to.parent_path() / (".copy." + std::to_string(::getpid()) + ".tmp");
    std::error_code ec;
    fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::permissions(temporary, fs::perms::owner_write, fs::perm_options::add, ec);
    if (!ec) fs::rename(temporary, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        error = ec.message();
        return false;
    }
    return true;
}

} // namespace

std::vector<std::string> DefaultLeagueFiles(const fs::path& programFolder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(programFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!it->is_regular_file(ec) || Lower(it->path().extension().string()) != ".lge") continue;
        if (Lower(name) == kWorking || Lower(name) == kShipped) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    if (fs::is_regular_file(programFolder / kShipped, ec)) names.insert(names.begin(), kShipped);
    return names;
}

std::string SaveDefaultLeagueAs(Session& session, Host& host, const std::string& name) {
    const fs::path home = session.league.programFolder;
    std::string file = name;
    if (Lower(fs::path(file).extension().string()) != ".lge") file += ".lge";
    if (fs::path(name).has_parent_path() || name.find('\\') != std::string::npos ||
        std::none_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c); })) {
        Refuse(host, "\"" + name + "\" cannot name a default league file; give a name without a folder.");
        return {};
    }
    if (Lower(file) == kShipped || Lower(file) == kWorking) {
        Refuse(host, file + " is the program's own; save the default league under another name.");
        return {};
    }
    if (!session.database) {
        Refuse(host, "The default league database is not open.");
        return {};
    }
    std::error_code ec;
    if (fs::exists(home / file, ec) &&
        !host.AskYesNo("The default league " + file + " exists. Would you like to replace it?",
                       kDefaultLeagueTitle))
        return {};
    std::string error;
    if (!CopyOver(session.database->File(), home / file, error)) {
        Refuse(host, "The default league could not be saved as " + file + ": " + error + ".");
        return {};
    }
    return file;
}

bool UseDefaultLeague(Session& session, Host& host, const std::string& name) {
    const fs::path home = session.league.programFolder;
    const std::vector<std::string> files = DefaultLeagueFiles(home);
    auto it = std::find_if(files.begin(), files.end(),
                           [&](const std::string& f) { return Lower(f) == Lower(name); });
    if (it == files.end() || fs::path(name).has_parent_path())
        return Refuse(host, "There is no default league " + name + " in " + home.string() + ".");
    // Checked before the working database is touched.
    try {
        SqliteDb source(home / *it, true);
        League scratch;
        ReadDefaultTeams(scratch, source);
        source.Prepare("SELECT * FROM Player WHERE ID = 1")->Step();
    } catch (const DatabaseError& e) {
        return Refuse(host, "Invalid default league file " + *it + "\n" + e.what());
    }
    session.database.reset();
    std::string error;
    const bool copied = CopyOver(home / *it, home / kWorking, error);
    try {
        session.database = std::make_shared<SqliteDb>(home / kWorking);
    } catch (const DatabaseError& e) {
        return Refuse(host, std::string("The working database cannot be opened: ") + e.what());
    }
    if (!copied)
        return Refuse(host, "The working database could not be made from " + *it + ": " + error + ".");
    return true;
}

} // namespace hv
