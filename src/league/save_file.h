// The saved game: one file per league, save/NAME.sav under the program folder. docs/save_file.md gives the
// byte layout. Saving never destroys the previous file; loading either replaces the league completely or
// leaves it exactly as it was.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "league/binary_io.h"
#include "league/league.h"
#include "platform/host.h"

namespace hv {

// "NAME.sav"
std::string SaveFileName(const std::string& leagueName);

// The largest file taken for a saved game: far beyond any league's, yet small enough to read whole. A larger
// file is refused before it is read, and a league whose saved game would be larger is not saved.
constexpr uintmax_t kMaxSaveFileBytes = uintmax_t{256} << 20;

// The whole saved part of the league as the file's bytes, with `leagueName` in the header. Throws FormatError
// when a value does not fit its field (a text over 65535 bytes, a table over 32767 entries, a salary cap over
// 32 bits).
// `blockStarts`, when given, receives the offset at which each block 1 to 16 begins (index 0 unused) and
// the file size at index 17.
using SaveBlockStarts = std::array<size_t, 18>;
std::string EncodeLeague(const League& league, const std::string& leagueName,
                         SaveBlockStarts* blockStarts = nullptr);

// Reads a saved game's bytes into `fresh`, a newly constructed League, and rebuilds the derived values
// (display fields, ratings, Win%, roster counts, free-ID list, commissioner rights). Throws FormatError on
// any inconsistency: a count, length or bound out of range, a bad slot number, a boolean other than -1 or 0,
// text that is not UTF-8, or bytes missing or left over.
void DecodeLeague(std::string_view bytes, League& fresh);

// The header alone: what the load list and the `leagues` command show without reading the whole file.
struct SaveHeader {
    std::string LeagueName;
    int16_t Season = 0;
    int16_t SeasonDay = 0;
};
// Throws FormatError when the header is not valid.
SaveHeader DecodeSaveHeader(std::string_view bytes);
// The header of a saved-game file, reading no more than a header can take; nothing when the file cannot be
// read or does not start with a valid header.
std::optional<SaveHeader> ReadSaveHeader(const std::filesystem::path& file);

// A digest of a saved game's bytes: equal bytes give equal digests, so a league whose encoded form has
// another digest than the one last saved or loaded has unsaved changes.
uint64_t SaveDigest(std::string_view bytes);

// Writes the league to save/NAME.sav: the bytes are first checked to load again, then go to a temporary file
// in the same folder, which is flushed to disk and renamed over the old save, keeping the old file's
// permission bits. Temporary files that an interrupted save of this league left behind are removed first
// (the caller holds the league's lock, so none of them is in use). On failure shows an error (title
// "Error"), removes the temporary file, keeps the previous save and returns false. The league is not
// changed. `written`, when given, receives the bytes saved.
bool SaveLeague(const League& league, const std::string& leagueName, Host& host,
                std::string* written = nullptr);

// Removes save/.NAME.sav.*.tmp, the leftovers of interrupted saves of that league.
void RemoveStaleSaveFiles(const std::filesystem::path& saveFolder, const std::string& fileName);

// True when `file` is a file; otherwise shows "The file FILENAME was not found." (title "File Not Found") or,
// for a folder of that name, "The file FILENAME is a folder, not a saved game." (title "Error").
bool SaveFileIsThere(const std::filesystem::path& file, Host& host, MessageIcon icon);

// Replaces the league by the saved game save/FILENAME ("NAME.sav"): reads into a fresh league object, makes
// sure the league's folders exist, sets the league folder, and only then moves the result in. A missing
// file or a folder is refused as SaveFileIsThere says; a damaged one shows "The file FILENAME is not a valid
// saved game." (title "Error"); one larger than kMaxSaveFileBytes "The file FILENAME is too large
// to be a saved game." without being read. On failure the league is left exactly as it was.
bool LoadLeague(League& league, const std::string& fileName, Host& host);

} // namespace hv
