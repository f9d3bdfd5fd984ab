// The league's players as comma-separated files in the program folder's output folder: season statistics,
// attribute grades, the league-import file and the draft file (the last two read back by the player import).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "league/league.h"
#include "platform/host.h"

namespace hv {

enum class CsvKind { Statistics, Attributes, LeagueImport, DraftFile };

// "Statistics", "Attributes", "League Import", "Draft File", in CsvKind order.
const std::vector<std::string>& CsvKindItems();
// "All", "All Teams", "Draft", "FA", then the league's teams 1 to 29 by name.
std::vector<std::string> CsvScopeItems(const League& league);
// Whether a kind writes one file per team of its scope; the league-import and draft files ignore the scope.
inline bool CsvKindHasScope(CsvKind kind) {
    return kind == CsvKind::Statistics || kind == CsvKind::Attributes;
}

// The exact header line of a kind (without its line end).
const std::string& CsvHeader(CsvKind kind);
// One player's line of a kind (without its line end): plain decimal values joined by commas, the college
// without commas, a name without a blank giving empty first and last names.
std::string CsvPlayerLine(const Player& p, CsvKind kind);
// The college as written: every comma removed.
std::string CollegeWithoutCommas(std::string college);

// The program folder's output folder, where every export goes.
std::filesystem::path OutputFolder(const League& league);

// The files a kind and scope would write (the league's name first in each name), in writing order; empty
// when the scope names no team of the league (or "Draft" or "FA").
std::vector<std::filesystem::path> CsvExportFiles(const League& league, CsvKind kind,
                                                  const std::string& scope);

// Writes the files of a kind and scope, each a header (then, for the league-import and draft files, a line
// holding a single blank) and one CRLF-ended line per player of its team, slots 1 to 650 in order, empty
// slots left out. The league-import and draft files need commissioner rights. Shows the refusal, a failure
// ("Error") or "Output Complete. File created in folder ..." ("CSV Output"); returns the files written,
// nothing after a refusal or failure.
std::vector<std::filesystem::path> ExportCsv(const League& league, Host& host, CsvKind kind,
                                             const std::string& scope);

// The commissioner refusals of the two restricted kinds.
inline constexpr const char* kLeagueImportRefusal =
    "Only the league commissioner may output the CSV file in league import format.";
inline constexpr const char* kDraftFileRefusal =
    "Only the league commissioner may output a CSV file in draft export format.";

} // namespace hv
