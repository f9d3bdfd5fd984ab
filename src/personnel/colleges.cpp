#include "personnel/colleges.h"

#include <fstream>

#include "league/binary_io.h"
#include "platform/host.h"

namespace hv {

std::vector<std::string> ReadNameList(const std::filesystem::path& file) {
    std::vector<std::string> names;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        names.push_back(line);
    }
    return names;
}

std::vector<std::string> ReadRequiredNameList(const std::filesystem::path& file, const std::string& shown) {
    auto fatal = [&](const std::string& text) {
        return FatalError{"Fatal Error: " + shown + text, {}, MessageIcon::Critical};
    };
    std::error_code ec;
    // A folder or a link to nothing in the file's place is as good as no file.
    if (!std::filesystem::is_regular_file(file, ec)) throw fatal(" not found.");
    std::vector<std::string> names = ReadNameList(file);
    if (names.empty()) throw fatal(" holds no names. Please reinstall the game.");
    for (size_t i = 0; i < names.size(); ++i)
        if (!IsValidUtf8(names[i]))
            throw fatal(" is not UTF-8 text (name " + std::to_string(i + 1) +
                        "). Please reinstall the game.");
    return names;
}

void LoadColleges(League& league) {
    league.colleges = ReadRequiredNameList(league.programFolder / "colleges.dat", "colleges.dat");
}

} // namespace hv
