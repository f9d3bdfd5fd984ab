// Integer settings from an INI file: sections and keys match case-insensitively,
// a missing file or key gives the default, and a value's leading integer is taken.
#pragma once

#include <filesystem>
#include <string>

namespace hv {

int ReadIniInt(const std::filesystem::path& file, const std::string& section, const std::string& key,
               int defaultValue);

} // namespace hv
