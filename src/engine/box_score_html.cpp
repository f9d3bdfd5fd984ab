// The HTML page of a box score, in the league's page colours.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "engine/box_score.h"
#include "league/html_text.h"

namespace hv {

namespace {

// The page as it is built: a string that texts are appended to, without the stream's locale and formatting
// work for each piece (a season writes over a thousand pages).
struct PageText {
    std::string text;
    PageText& operator<<(std::string_view piece) {
        text.append(piece);
        return *this;
    }
};

// Page colours by their place in the league's style texts.
struct PageColours {
    std::string background, headerRow, headerText, alternateRow, row, text;
};

// Each colour escaped like every other text of the page, though a loaded league only holds real colours.
PageColours ColoursOf(const std::array<std::string, 7>& style) {
    auto pick = [&](size_t i, const char* fallback) {
        return style[i].empty() ? std::string(fallback) : HtmlEscape(style[i]);
    };
    return {pick(0, "#FFFFFF"), pick(1, "#000080"), pick(2, "#FFFFFF"),
            pick(3, "#E0E8F8"), pick(4, "#FFFFFF"), pick(6, "#000000")};
}

int Minutes(int seconds) {
    return NearestInt(seconds / 60.0);
}

void Cell(PageText& html, const std::string& text, const char* cls = "stat") {
    html << "<td class=\"" << cls << "\">" << text << "</td>";
}

void HeaderRow(PageText& html, const PageColours& c, std::initializer_list<const char*> titles) {
    html << "<tr bgcolor=\"" << c.headerRow << "\">";
    for (const char* t : titles)
        html << "<th><font color=\"" << c.headerText << "\">" << t << "</font></th>";
    html << "</tr>\n";
}

void QuarterTable(PageText& html, const BoxScore& box, const PageColours& c) {
    html << "<h3>Score By Quarters</h3>\n<table border=\"0\" cellspacing=\"1\" cellpadding=\"3\">\n";
    HeaderRow(html, c, {"Team", "1", "2", "3", "4", "OT", "SCORE"});
    int row = 0;
    for (const BoxSide* side : {&box.Away, &box.Home}) {
        html << "<tr bgcolor=\"" << (row++ % 2 ? c.alternateRow : c.row) << "\">";
        Cell(html, HtmlEscape(side->Name), "name");
        for (int16_t q : side->QuarterScores)
            Cell(html, std::to_string(q));
        Cell(html, std::to_string(side->Score()));
        html << "</tr>\n";
    }
    html << "</table>\n";
}

void PlayerTable(PageText& html, const BoxSide& side, const PageColours& c) {
    html << "<h3>" << HtmlEscape(side.Name)
         << "</h3>\n<table border=\"0\" cellspacing=\"1\" cellpadding=\"3\">\n";
    HeaderRow(html, c,
              {"PLAYER", "POS", "MIN", "FG", "FGA", "3P", "3PA", "FT", "FTA", "REB", "A", "PF", "ST", "TO",
               "BL", "PTS"});
    BoxPlayerLine total;
    int seconds = 0;
    int row = 0;
    auto numbers = [&](const BoxPlayerLine& l, int minutes) {
        for (int v : {minutes, int(l.FG), int(l.FGA), int(l.ThreeP), int(l.ThreePA), int(l.FT), int(l.FTA),
                      int(l.Rebounds), int(l.Assists), int(l.Fouls), int(l.Steals), int(l.Turnovers),
                      int(l.Blocks), int(l.Points)})
            Cell(html, std::to_string(v));
    };
    for (const BoxPlayerLine& l : side.Players) {
        if (l.ID == 0) continue;
        html << "<tr bgcolor=\"" << (row++ % 2 ? c.alternateRow : c.row) << "\">";
        Cell(html, HtmlEscape(l.Name), "name");
        Cell(html, HtmlEscape(l.Position));
        numbers(l, Minutes(l.Seconds));
        html << "</tr>\n";
        seconds += l.Seconds;
        for (auto f :
             {&BoxPlayerLine::FG, &BoxPlayerLine::FGA, &BoxPlayerLine::ThreeP, &BoxPlayerLine::ThreePA,
              &BoxPlayerLine::FT, &BoxPlayerLine::FTA, &BoxPlayerLine::Rebounds, &BoxPlayerLine::Assists,
              &BoxPlayerLine::Fouls, &BoxPlayerLine::Steals, &BoxPlayerLine::Turnovers,
              &BoxPlayerLine::Blocks, &BoxPlayerLine::Points})
            total.*f = static_cast<int16_t>(total.*f + l.*f);
    }
    html << "<tr bgcolor=\"" << c.headerRow << "\">";
    html << "<td class=\"name\" colspan=\"2\"><font color=\"" << c.headerText << "\">TEAM TOTALS</font></td>";
    numbers(total, Minutes(seconds));
    html << "</tr>\n<tr>";
    html << "<td class=\"name\" colspan=\"2\">PERCENTAGES</td>";
    html << "<td class=\"stat\" colspan=\"4\">FG: " << PercentText(total.FG, total.FGA) << "</td>";
    html << "<td class=\"stat\" colspan=\"4\">3PT: " << PercentText(total.ThreeP, total.ThreePA) << "</td>";
    html << "<td class=\"stat\" colspan=\"4\">FT: " << PercentText(total.FT, total.FTA) << "</td>";
    html << "</tr>\n</table>\n";
}

} // namespace

std::string PercentText(int32_t made, int32_t attempted) {
    if (attempted <= 0) return "0.0%";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", 100.0 * made / attempted);
    return text;
}

std::string BoxScoreHtml(const BoxScore& box, const std::array<std::string, 7>& siteStyle) {
    PageColours c = ColoursOf(siteStyle);
    PageText html;
    html.text.reserve(16384);
    std::string heading = HtmlEscape(box.Away.Name) + " at " + HtmlEscape(box.Home.Name);
    html << "<html>\n<head>\n<title>" << heading << "</title>\n";
    html << "<style>\n.name { font-size: 8pt; text-align: left }\n.stat { font-size: 8pt; text-align: right "
            "}\n"
            "</style>\n</head>\n";
    html << "<body bgcolor=\"" << c.background << "\" text=\"" << c.text << "\">\n";
    html << "<h2>" << heading << "</h2>\n";
    QuarterTable(html, box, c);
    PlayerTable(html, box.Away, c);
    PlayerTable(html, box.Home, c);
    html << "<p>Player of the Game: " << HtmlEscape(box.PogName) << "</p>\n";
    html << "<hr width=1000 align=left>\n<font size=1>Hoopvale | </font>";
    html << "<font size=2> Page created: " << PageDateText() << "</font>\n</body>\n</html>\n";
    return std::move(html.text);
}

} // namespace hv
