#include "platform/ini_file.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <fstream>

namespace hv {
namespace {

std::string Trim(const std::string& s) {
    auto begin = s.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return {};
    auto end = s.find_last_not_of(" \t\r\n");
    return s.substr(begin, end - begin + 1);
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The leading integer of a value: optional sign then digits; no digits gives 0.
int LeadingInt(const std::string& value) {
    size_t i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
    long long n = 0;
    for (; i < value.size() && std::isdigit(static_cast<unsigned char>(value[i])); ++i) {
        n = n * 10 + (value[i] - '0');
        if (n > INT_MAX) n = INT_MAX;
    }
    return static_cast<int>(negative ? -n : n);
}

} // namespace

int ReadIniInt(const std::filesystem::path& file, const std::string& section, const std::string& key,
               int defaultValue) {
    std::ifstream in(file);
    if (!in) return defaultValue;
    std::string line;
    bool inSection = false;
    for (bool first = true; std::getline(in, line); first = false) {
        // A file saved by an editor that marks UTF-8 with a byte-order mark still starts with its section.
        if (first && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        std::string t = Trim(line);
        if (t.empty() || t[0] == ';') continue;
        if (t.front() == '[') {
            auto close = t.find(']');
            inSection = close != std::string::npos && SameText(Trim(t.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection) continue;
        auto eq = t.find('=');
        if (eq == std::string::npos || !SameText(Trim(t.substr(0, eq)), key)) continue;
        return LeadingInt(Trim(t.substr(eq + 1)));
    }
    return defaultValue;
}

} // namespace hv
