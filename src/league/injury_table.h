// The injury table, read from Injuries.dat in the program folder.
//
// Injuries.dat is a sequence of records, no header, read until the end of the file. Each record:
//   name      2-byte unsigned length, then UTF-8 bytes
//   severity  16-bit signed integer, class 1 to 10 (10: career-threatening)
//   days      16-bit signed integer, base length in days
//   text      2-byte unsigned length, then UTF-8 bytes; "n/a" means no text
// All integers are little-endian.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "league/league.h"

namespace hv {

// Reads program folder/Injuries.dat into league.injuryTypes (entry 1 at index 1).
// A missing file is fatal; a damaged one too, with its own message.
void LoadInjuryTable(League& league);

// The records of an injury file; throws FormatError when it is not a regular file of at most 1 MB holding
// whole records with a name, a class 1 to 10, days not negative and UTF-8 texts.
std::vector<InjuryType> ReadInjuryFile(const std::filesystem::path& file);
std::string EncodeInjuryRecord(const InjuryType& entry);

} // namespace hv
