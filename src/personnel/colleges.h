// The college list: colleges.dat in the program folder, one UTF-8 name per line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "league/league.h"

namespace hv {

// Reads a list of names, one per line; blank lines and a trailing carriage return are dropped.
std::vector<std::string> ReadNameList(const std::filesystem::path& file);

// Reads colleges.dat into league.colleges; a missing file leaves the list empty.
void LoadColleges(League& league);

} // namespace hv
