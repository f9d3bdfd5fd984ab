#include "league/html_text.h"

#include <algorithm>
#include <cctype>

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

} // namespace hv
