// Players read from comma-separated files in the two export layouts: the league-import file (a whole
// league's players for a new league) and the draft file (a class of prospects).
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "setup/default_league.h"

namespace hv {

enum class ImportFormat { League, Draft };

// The exact header line of each layout.
const std::string& ImportHeader(ImportFormat format);

// The first line of a file that is not valid, and why.
struct ImportProblem {
    int line = 0;
    std::string reason;
};

struct ImportResult {
    std::vector<SourcePlayer> players;
    std::optional<ImportProblem> problem;
};

// The most players a file may hold: a draft file 650, a league-import file 550, so that the new league keeps
// room for its draft class.
int MostImportedPlayers(ImportFormat format);

// Reads the players of a file's text: an optional UTF-8 byte-order mark, the header line, then one player a
// line (blank lines, such as the line holding a single blank after the header, are skipped). `knownTeam`
// tells which Team values a league-import file may use. Every number must be whole and within its range,
// every position one of the five, every name and college UTF-8; at most MostImportedPlayers(format).
ImportResult ParseImportText(std::string_view text, ImportFormat format,
                             const std::function<bool(const std::string&)>& knownTeam = {});
// The same for a file; a file that cannot be read is a problem of line 0.
ImportResult ReadImportFile(const std::filesystem::path& file, ImportFormat format,
                            const std::function<bool(const std::string&)>& knownTeam = {});

// "Invalid File Format" and the line and reason, for the "Import Error" message.
std::string ImportErrorText(const ImportProblem& problem);

// The files of the program folder's import folder ("*.csv", in any letter case) that begin with the
// league-import header, sorted by name.
std::vector<std::string> LeagueImportFiles(const std::filesystem::path& programFolder);

// The file of the program folder's import folder that `given` names: a file name, or a path to that very
// file. Anything else shows why (a path elsewhere: title "Import Error"; no such file: "File Not Found")
// and gives nothing.
std::optional<std::filesystem::path> FindImportFile(const std::filesystem::path& programFolder,
                                                    const std::string& given, Host& host);

// Replaces the current draft class ("Draft") with the prospects of a draft file, after the question
// "This will replace the N prospects of the draft class. Would you like to continue?". Refused during a
// draft and without commissioner rights. A bad file shows "Import Error" and changes nothing. Returns the
// number of prospects imported, 0 when nothing was done.
int ImportRookies(League& league, Host& host, const std::filesystem::path& file);

} // namespace hv
