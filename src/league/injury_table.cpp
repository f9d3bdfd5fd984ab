#include "league/injury_table.h"

#include <fstream>
#include <iterator>

#include "league/binary_io.h"
#include "platform/host.h"

namespace hv {

namespace {

// Far beyond the table's few kilobytes; a larger file is not read.
constexpr uintmax_t kMaxInjuryFileBytes = 1 << 20;

std::string ValidText(ByteReader& reader) {
    std::string text = reader.Str();
    if (!IsValidUtf8(text)) throw FormatError("an injury text that is not UTF-8");
    return text;
}

} // namespace

std::vector<InjuryType> ReadInjuryFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw FormatError("not a file");
    uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxInjuryFileBytes) throw FormatError("the file cannot be read or is too large");
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw FormatError("the file cannot be read");
    ByteReader reader(bytes);
    std::vector<InjuryType> entries(1); // index 0 unused
    while (!reader.AtEnd()) {
        InjuryType e;
        e.Name = ValidText(reader);
        e.Severity = reader.I16();
        e.BaseDays = reader.I16();
        std::string text = ValidText(reader);
        if (e.Name.empty()) throw FormatError("an injury without a name");
        if (e.Severity < 1 || e.Severity > 10) throw FormatError("a severity class outside 1 to 10");
        if (e.BaseDays < 0) throw FormatError("a negative number of days");
        e.Text = text == "n/a" ? std::string() : " " + text;
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string EncodeInjuryRecord(const InjuryType& entry) {
    ByteWriter w;
    w.Str(entry.Name);
    w.I16(entry.Severity);
    w.I16(entry.BaseDays);
    w.Str(entry.Text.empty() ? "n/a" : entry.Text);
    return w.Bytes();
}

void LoadInjuryTable(League& league) {
    auto file = league.programFolder / "Injuries.dat";
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        throw FatalError{"Injuries.dat is missing, please reinstall the game.", "File Not Found",
                         MessageIcon::Critical};
    try {
        league.injuryTypes = ReadInjuryFile(file);
    } catch (const FormatError&) {
        throw FatalError{"Injuries.dat is damaged, please reinstall the game.", "Error",
                         MessageIcon::Critical};
    }
    if (league.injuryTypes.size() < 2)
        throw FatalError{"Injuries.dat is damaged, please reinstall the game.", "Error",
                         MessageIcon::Critical};
}

} // namespace hv
