// The whole league as one SQLite database (output/NAME.sqlite), made from the template blank.dat of the
// program folder, for users who query their league with database tools (docs/database.md).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

// The export's steps, each with the message shown as it begins, in order.
const std::vector<std::string>& DatabaseExportSteps();

// output/NAME.sqlite of the league.
std::filesystem::path DatabaseExportFile(const League& league);

// Writes the league into a copy of blank.dat in one transaction: players of empty slots left out, retired
// players only in the Retired tables, unplayed games with the box name "N/A". The copy is written beside the
// target and renamed over it at the end, so a failed export leaves an earlier file as it was. Needs
// commissioner rights when the league has a password. Shows each step's message, a refusal or failure and,
// at the end, "File created: PATH" ("File Created"); returns the file, nothing when it was not written.
std::optional<std::filesystem::path> ExportDatabase(const League& league, Host& host);

inline constexpr const char* kDatabaseExportRefusal =
    "Only the league commissioner may output the league database.";

} // namespace hv
