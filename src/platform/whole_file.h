// Small output files written whole: one open, one write and one close, with no look at the folder first. A
// season writes thousands of them (two per game), so the system calls per file are what their speed is made
// of.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace hv {

// Creates or replaces `file` with `text`. A missing folder is made only when the first open fails for want of
// it, so that the usual case costs no look at the folder. Throws std::runtime_error naming the file when it
// cannot be created or written.
void WriteWholeFile(const std::filesystem::path& file, std::string_view text);
// The same without throwing: false when the file cannot be created or written (errno says why).
bool TryWriteWholeFile(const std::filesystem::path& file, std::string_view text);
// "Cannot write the file FILE: REASON", the reason from errno unless given: the message of a failed write.
std::string WriteFailureMessage(const std::filesystem::path& file);
std::string WriteFailureMessage(const std::filesystem::path& file, std::string_view reason);

} // namespace hv
