#include "reports/site_page.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "league/html_text.h"
#include "setup/startup.h"

namespace hv {

namespace {

bool IsRealName(const std::string& name) {
    return !name.empty() && name != "N/A";
}

const char* kStyleBlock = "<style>\n"
                          "body { font-family: Verdana, Arial, sans-serif; font-size: 9pt }\n"
                          ".name { font-size: 8pt; text-align: left }\n"
                          ".stat { font-size: 8pt; text-align: right }\n"
                          ".head { font-size: 8pt; font-weight: bold }\n"
                          "</style>\n";

} // namespace

const std::array<const char*, 7>& SiteColourNames() {
    static const std::array<const char*, 7> names{
        "Page background", "Header rows", "Header text", "Alternate rows", "Rows", "Highlights", "Text"};
    return names;
}

const std::array<const char*, 7>& SiteColourKeys() {
    static const std::array<const char*, 7> keys{"background", "header",    "header-text", "alternate",
                                                 "row",        "highlight", "text"};
    return keys;
}

std::array<std::string, 7> SiteColoursOf(const SeasonState& state, std::vector<std::string>* warnings) {
    std::array<std::string, 7> colours = DefaultSiteStyle();
    for (size_t i = 0; i < colours.size(); ++i) {
        const std::string& text = state.SiteStyle[i];
        if (text.empty()) continue;
        if (IsSiteColour(text)) {
            colours[i] = text;
        } else if (warnings) {
            warnings->push_back(std::string("The site colour \"") + SiteColourNames()[i] + "\" is \"" +
                                VisibleText(text) + "\", not a colour of the form #RRGGBB; the pages use " +
                                colours[i] + ".");
        }
    }
    return colours;
}

SiteContext::SiteContext(const League& l) : league(l), today(PageDateText()) {
    colours = SiteColoursOf(l.state);
    playerPages = l.state.SitePages[kPlayerPages];
    retiredPages = l.state.SitePages[kRetiredPages];
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (IsRealName(l.team(t).Name)) teamSlots.emplace(l.team(t).Name, t);
    for (const RetiredPlayer& r : l.tables.retiredPlayers)
        retiredIds.insert(r.ID);
}

int SiteContext::TeamOf(const std::string& name) const {
    auto it = teamSlots.find(name);
    return it == teamSlots.end() ? 0 : it->second;
}

bool SiteContext::HasPlayerPage(int id) const {
    return playerPages && id >= 1 && id <= kLastLeaguePlayer && IsRealName(league.player(id).Name);
}

std::string SiteContext::BoxPage(int day, int game) const {
    std::string file = std::to_string(day) + "-" + std::to_string(game) + ".html";
    if (!exists) return {};
    if (exists("boxes/" + file)) return "boxes/" + file;
    for (int season : {league.state.Season - 1, int(league.state.Season)}) {
        std::string filed = "boxes/" + std::to_string(season) + "/" + file;
        if (exists(filed)) return filed;
    }
    return {};
}

SitePage::SitePage(const SiteContext& context, std::string_view title, int depth, bool scripted)
    : context_(context), depth_(depth) {
    out_.reserve(16384);
    out_ += "<html>\n<head>\n<meta charset=\"utf-8\">\n";
    // Only the menu bar runs script, its own; no page runs any other.
    out_ += scripted
                ? "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self'; script-src "
                  "'unsafe-inline'; style-src 'unsafe-inline'\">\n"
                : "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'self'; script-src "
                  "'none'; style-src 'unsafe-inline'\">\n";
    out_ += "<title>";
    out_ += HtmlEscape(title);
    out_ += "</title>\n";
    out_ += kStyleBlock;
    out_ += "</head>\n<body bgcolor=\"";
    out_ += context.colours[kBackground];
    out_ += "\" text=\"";
    out_ += context.colours[kText];
    out_ += "\">\n";
}

std::string SitePage::Href(std::string_view target) const {
    std::string href;
    if (depth_ == 0) href = "./";
    for (int i = 0; i < depth_; ++i)
        href += "../";
    href += target;
    return href;
}

std::string SitePage::LinkHtml(std::string_view target, std::string_view html) const {
    std::string a = "<a href=\"";
    a += HtmlEscape(Href(target));
    a += "\">";
    a += html;
    a += "</a>";
    return a;
}

std::string SitePage::Link(std::string_view target, std::string_view text) const {
    return LinkHtml(target, HtmlEscape(text));
}

std::string SitePage::TeamLink(int team) const {
    const std::string& name = context_.league.team(team).Name;
    if (!context_.teamPages || team < 1 || team > kLeagueTeams) return HtmlEscape(name);
    return Link("rosters/roster" + std::to_string(team) + ".htm", name);
}

std::string SitePage::TeamText(const std::string& name) const {
    int team = context_.TeamOf(name);
    return team ? TeamLink(team) : HtmlEscape(name);
}

std::string SitePage::PlayerLink(int id, const std::string& name) const {
    if (!context_.HasPlayerPage(id)) return HtmlEscape(name);
    return Link("players/player" + std::to_string(id) + ".htm", name);
}

std::string SitePage::RetiredLink(int id, const std::string& name) const {
    if (!context_.HasRetiredPage(id)) return HtmlEscape(name);
    return Link("retiredplayers/player" + std::to_string(id) + ".htm", name);
}

void SitePage::Heading(std::string_view text, int level, std::string_view anchor) {
    std::string tag = "h" + std::to_string(level);
    out_ += "<" + tag + ">";
    if (!anchor.empty()) {
        out_ += "<a name=\"";
        out_ += anchor;
        out_ += "\" id=\"";
        out_ += anchor;
        out_ += "\"></a>";
    }
    out_ += HtmlEscape(text);
    out_ += "</" + tag + ">\n";
}

void SitePage::Paragraph(std::string_view text) {
    out_ += "<p>";
    out_ += HtmlEscape(text);
    out_ += "</p>\n";
}

std::string SitePage::CellHtml(const ReportTable& table, size_t row, size_t column, int nameColumn) const {
    const ReportCell& cell = table.rows[row][column];
    int key = row < table.rowKeys.size() ? table.rowKeys[row] : 0;
    if (key != 0 && int(column) == nameColumn) {
        switch (table.rowKind) {
        case RowKind::Player:
            // A record book keeps a slot that a later player may hold: link the name only to its owner.
            if (key >= 1 && key <= kLastLeaguePlayer && context_.league.player(key).Name == cell.text)
                return PlayerLink(key, cell.text);
            if (context_.HasRetiredPage(key)) return RetiredLink(key, cell.text);
            break;
        case RowKind::Team:
            if (context_.teamPages && key >= 1 && key <= kLeagueTeams)
                return LinkHtml("rosters/roster" + std::to_string(key) + ".htm", HtmlEscape(cell.text));
            break;
        case RowKind::Game: {
            std::string box = context_.BoxPage(DayOfGameKey(key), GameOfGameKey(key));
            if (!box.empty()) return Link(box, cell.text);
            break;
        }
        default:
            break;
        }
    }
    if (!cell.numeric && context_.teamPages) {
        int team = context_.TeamOf(cell.text);
        if (team) return TeamLink(team);
    }
    return HtmlEscape(cell.text);
}

void SitePage::Table(const ReportTable& table, const TableLinks& links) {
    const auto& c = context_.colours;
    int nameColumn = 0;
    for (size_t i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].title == "Player" || table.columns[i].title == "Name") {
            nameColumn = int(i);
            break;
        }
    out_ += "<table border=\"0\" cellspacing=\"1\" cellpadding=\"3\">\n<tr bgcolor=\"";
    out_ += c[kHeaderRow];
    out_ += "\">";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        out_ += table.columns[i].align == Align::Right ? "<th class=\"stat\">" : "<th class=\"name\">";
        out_ += "<font color=\"";
        out_ += c[kHeaderText];
        out_ += "\">";
        const std::string& title = table.columns[i].title;
        bool linked = i < links.headerTargets.size() && !links.headerTargets[i].empty();
        out_ += linked ? Link(links.headerTargets[i], title) : HtmlEscape(title);
        out_ += "</font></th>";
    }
    out_ += "</tr>\n";
    for (size_t r = 0; r < table.rows.size(); ++r) {
        out_ += "<tr bgcolor=\"";
        out_ += table.IsHighlighted(r) ? c[kHighlight] : (r % 2 ? c[kAlternateRow] : c[kRow]);
        out_ += "\">";
        for (size_t col = 0; col < table.rows[r].size(); ++col) {
            bool right = col < table.columns.size() && table.columns[col].align == Align::Right;
            out_ += right ? "<td class=\"stat\">" : "<td class=\"name\">";
            std::string own = links.cell ? links.cell(r, col) : std::string();
            out_ += own.empty() ? CellHtml(table, r, col, nameColumn) : own;
            out_ += "</td>";
        }
        out_ += "</tr>\n";
    }
    out_ += "</table>\n";
}

std::string SitePage::Finish() {
    out_ += "<hr width=1000 align=left>\n<font size=1>";
    if (context_.mainPage) {
        out_ += "<a href=\"";
        out_ += Href("index.html");
        out_ += "\" target=\"_top\">Hoopvale</a> | </font>";
    } else {
        out_ += "Hoopvale | </font>";
    }
    out_ += "<font size=2> Page created: ";
    out_ += context_.today;
    out_ += "</font>\n</body>\n</html>\n";
    return std::move(out_);
}

} // namespace hv
