#include "season/injury_table.h"

#include <fstream>
#include <iterator>

#include "league/binary_io.h"
#include "platform/host.h"

namespace hv {

std::vector<InjuryType> ReadInjuryFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ByteReader reader(bytes);
    std::vector<InjuryType> entries(1);  // index 0 unused
    while (!reader.AtEnd()) {
        InjuryType e;
        e.Name = reader.Str();
        e.Severity = reader.I16();
        e.BaseDays = reader.I16();
        std::string text = reader.Str();
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
    if (!std::filesystem::exists(file))
        throw FatalError{"Injuries.dat is missing, please reinstall the game.", "File Not Found",
                         MessageIcon::Critical};
    try {
        league.injuryTypes = ReadInjuryFile(file);
    } catch (const FormatError&) {
        throw FatalError{"Injuries.dat is damaged, please reinstall the game.", "Error", MessageIcon::Critical};
    }
    if (league.injuryTypes.size() < 2)
        throw FatalError{"Injuries.dat is damaged, please reinstall the game.", "Error", MessageIcon::Critical};
}

} // namespace hv
