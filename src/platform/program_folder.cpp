#include "platform/program_folder.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace hv {

void SeedProgramFolder(const fs::path& from, const fs::path& to) {
    fs::create_directories(to);
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
        fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory()) {
            fs::create_directories(target);
        } else if (!fs::exists(target)) {
            fs::copy_file(entry.path(), target);
            fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
        }
    }
}

fs::path ResolveProgramFolder(const std::optional<fs::path>& explicitHome, const fs::path& executable) {
    if (explicitHome && !explicitHome->empty()) return fs::absolute(*explicitHome);
    if (const char* env = std::getenv("HOOPVALE_HOME"); env && *env) return fs::absolute(env);

    fs::path exeDir = executable.has_parent_path() ? executable.parent_path() : fs::current_path();
    // Build tree: bin/ beside home/.
    if (fs::path buildHome = exeDir / ".." / "home"; fs::exists(buildHome / "default.lge"))
        return fs::weakly_canonical(buildHome);

    // Installed copy: read-only data in share/hoopvale, user data in the XDG data folder.
    fs::path installed = exeDir / ".." / "share" / "hoopvale";
    if (!fs::exists(installed / "default.lge")) installed = HOOPVALE_INSTALL_DATA;
    fs::path user;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        user = fs::path(xdg) / "hoopvale";
    } else {
        const char* home = std::getenv("HOME");
        user = fs::path(home && *home ? home : ".") / ".local" / "share" / "hoopvale";
    }
    if (fs::exists(installed / "default.lge")) SeedProgramFolder(installed, user);
    return user;
}

std::string VersionText() {
    return std::to_string(HOOPVALE_VERSION_MAJOR) + "." + std::to_string(HOOPVALE_VERSION_MINOR) + "." +
           std::to_string(HOOPVALE_VERSION_PATCH);
}

} // namespace hv
