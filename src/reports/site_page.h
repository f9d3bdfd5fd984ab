// One page of the league site: its head, the three link builders, tables in the league's colours, and the
// shared footer. Every text that comes from the league is escaped where it lands.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "league/league.h"
#include "reports/report_table.h"

namespace hv {

// The five page switches of the season state, by their place there.
enum SitePageSwitch {
    kPlayerPages = 0,
    kRetiredPages = 1,
    kSortableDraft = 2,
    kSortableFreeAgents = 3,
    kSortableTeamStats = 4
};
// The seven colours of the season state's style texts, by their place there.
enum SiteColour {
    kBackground = 0,
    kHeaderRow = 1,
    kHeaderText = 2,
    kAlternateRow = 3,
    kRow = 4,
    kHighlight = 5,
    kText = 6
};

// The league's site colours: each style text that is a colour ("#RRGGBB"), the default in place of one
// left unset; one that is not a colour also gives the default and adds a warning line.
std::array<std::string, 7> SiteColoursOf(const SeasonState& state,
                                         std::vector<std::string>* warnings = nullptr);
// The colours' names, for the output screen and the command line's --color keys.
const std::array<const char*, 7>& SiteColourNames();
const std::array<const char*, 7>& SiteColourKeys();

// What every page of one run shares: the league, the colours, which pages exist to link to.
struct SiteContext {
    const League& league;
    std::array<std::string, 7> colours;
    bool playerPages = true;
    bool retiredPages = true;
    bool teamPages = true; // the roster pages exist (a day page written alone checks)
    bool mainPage = true;  // the main page exists, for the footer's link
    std::string today;
    // Whether a file of the site exists, by its path below `html` ("boxes/3-1.html").
    std::function<bool(const std::string&)> exists;

    explicit SiteContext(const League& l);
    // The team slot of a team name, 0 for none.
    int TeamOf(const std::string& name) const;
    bool HasPlayerPage(int id) const;
    bool HasRetiredPage(int id) const { return retiredPages && retiredIds.count(id) != 0; }
    // The path below `html` of a played game's box page, where it is: the season's boxes, or those of
    // the season just filed away; empty when there is none.
    std::string BoxPage(int day, int game) const;

    std::unordered_map<std::string, int> teamSlots;
    std::unordered_set<int> retiredIds;
};

// Per table: links of the header cells (paths below `html`, empty for none) and cells written by hand.
struct TableLinks {
    std::vector<std::string> headerTargets;
    // The markup of a cell (already escaped) in place of the automatic one; empty to keep that.
    std::function<std::string(size_t row, size_t column)> cell;
};

class SitePage {
  public:
    // `depth` is the page's folder depth below `html` (0 for "index1.htm", 1 for "rosters/...").
    SitePage(const SiteContext& context, std::string_view title, int depth, bool scripted = false);

    // Relative path from this page to `target` below `html`.
    std::string Href(std::string_view target) const;
    // An anchor to `target` with text that is escaped here.
    std::string Link(std::string_view target, std::string_view text) const;
    // An anchor to `target` around markup that is already escaped.
    std::string LinkHtml(std::string_view target, std::string_view html) const;

    // The three link builders: a team's page, a player's page (his plain name without player pages), and
    // a retired player's page.
    std::string TeamLink(int team) const;
    std::string TeamText(const std::string& name) const; // a link when it names a team of the league
    std::string PlayerLink(int id, const std::string& name) const;
    std::string RetiredLink(int id, const std::string& name) const;

    // Text escaped here.
    void Heading(std::string_view text, int level = 2, std::string_view anchor = {});
    void Paragraph(std::string_view text);
    // Markup as it stands (built from escaped parts).
    void Raw(std::string_view html) { out_ += html; }
    // A table with the site's colours. Player rows link the player's name, team rows the team, game rows
    // the box score; any cell that names a team links it.
    void Table(const ReportTable& table, const TableLinks& links = {});

    // The footer, and the whole page.
    std::string Finish();

    const SiteContext& Context() const { return context_; }

  private:
    std::string CellHtml(const ReportTable& table, size_t row, size_t column, int nameColumn) const;

    const SiteContext& context_;
    int depth_;
    std::string out_;
};

} // namespace hv
