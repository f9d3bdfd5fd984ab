// Where the program keeps its data files and the folders it creates.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace hv {

// The program folder: the explicit choice (--home), else HOOPVALE_HOME, else the build tree's home folder
// next to the executable, else a per-user folder seeded from the installed, read-only data files.
std::filesystem::path ResolveProgramFolder(const std::optional<std::filesystem::path>& explicitHome,
                                           const std::filesystem::path& executable);

// Copy every data file of `from` that `to` lacks; existing files are left alone.
void SeedProgramFolder(const std::filesystem::path& from, const std::filesystem::path& to);

std::string VersionText(); // "x.y.z"

} // namespace hv
