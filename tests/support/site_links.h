// Checks a written league site as a browser would follow it: every relative link of every page (href, src,
// and the menu bar's option values) must name a file of the site.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/file_bytes.h"

namespace hv::test {

// The site's pages (".htm" and ".html"), relative to `html`, sorted.
inline std::vector<std::string> SitePages(const std::filesystem::path& html) {
    std::vector<std::string> pages;
    for (const auto& e : std::filesystem::recursive_directory_iterator(html)) {
        std::string ext = e.path().extension().string();
        if (e.is_regular_file() && (ext == ".htm" || ext == ".html"))
            pages.push_back(e.path().lexically_relative(html).generic_string());
    }
    std::sort(pages.begin(), pages.end());
    return pages;
}

// The text between "<title>" and "</title>".
inline std::string PageTitle(const std::string& page) {
    size_t from = page.find("<title>"), to = page.find("</title>");
    if (from == std::string::npos || to == std::string::npos) return {};
    return page.substr(from + 7, to - from - 7);
}

// The links that lead nowhere, as "page -> link"; `checked` counts every relative link looked at.
inline std::vector<std::string> BrokenSiteLinks(const std::filesystem::path& html, int* checked = nullptr) {
    static const std::regex link("(?:href|src|value)=\"([^\"]*)\"");
    std::vector<std::string> broken;
    int count = 0;
    for (const std::string& page : SitePages(html)) {
        const std::string text = FileBytes(html / page);
        // The menu bar's values load into the main frame, whose page is at the top of the site.
        const std::filesystem::path base = (html / page).parent_path();
        for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator();
             ++it) {
            std::string target = (*it)[1].str();
            bool isValue = it->str().rfind("value=", 0) == 0;
            if (target.empty() || target[0] == '#' || target.find("://") != std::string::npos ||
                target.rfind("mailto:", 0) == 0)
                continue;
            if (isValue && target.find(".htm") == std::string::npos) continue; // a form value, not a page
            target = target.substr(0, target.find('#'));
            ++count;
            if (!std::filesystem::is_regular_file(base / target))
                broken.push_back(page + " -> " + (*it)[1].str());
        }
    }
    if (checked) *checked = count;
    return broken;
}

} // namespace hv::test
