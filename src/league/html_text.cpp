#include "league/html_text.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace hv {

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool IsSiteColour(std::string_view text) {
    return text.empty() ||
           (text.size() == 7 && text[0] == '#' && std::all_of(text.begin() + 1, text.end(), [](char c) {
                return std::isxdigit(static_cast<unsigned char>(c)) != 0;
            }));
}

std::string PageDateText() {
    static const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char day[8];
    std::snprintf(day, sizeof day, "%02d", local.tm_mday);
    return std::string(months[local.tm_mon]) + " " + day + ", " + std::to_string(local.tm_year + 1900);
}

} // namespace hv
