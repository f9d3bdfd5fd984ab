#include "personnel/colleges.h"

#include <fstream>

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

void LoadColleges(League& league) {
    auto file = league.programFolder / "colleges.dat";
    league.colleges = std::filesystem::exists(file) ? ReadNameList(file) : std::vector<std::string>{};
}

} // namespace hv
