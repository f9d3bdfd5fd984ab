// The college list: colleges.dat in the program folder, one UTF-8 name per line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "league/league.h"

namespace hv {

// Reads a list of names, one per line; blank lines and a trailing carriage return are dropped.
std::vector<std::string> ReadNameList(const std::filesystem::path& file);

// A list of names that the program cannot do without (the name lists, the colleges), read as ReadNameList
// does. It must be a regular file of UTF-8 text holding at least one name; otherwise throws FatalError
// (critical icon): "Fatal Error: SHOWN not found.", "Fatal Error: SHOWN holds no names. Please reinstall the
// game." or "Fatal Error: SHOWN is not UTF-8 text (name N). Please reinstall the game.".
std::vector<std::string> ReadRequiredNameList(const std::filesystem::path& file, const std::string& shown);

// Reads colleges.dat into league.colleges; a missing, empty or damaged file is fatal (FatalError).
void LoadColleges(League& league);

} // namespace hv
