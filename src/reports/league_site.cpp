#include "reports/league_site.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>

#include "engine/box_score.h"
#include "engine/box_score_files.h"
#include "league/html_text.h"
#include "league/ratings.h"
#include "personnel/draft.h"
#include "reports/awards_tables.h"
#include "reports/contract_tables.h"
#include "reports/draft_reports.h"
#include "reports/history_tables.h"
#include "reports/injury_report.h"
#include "reports/leaders_table.h"
#include "reports/player_card.h"
#include "reports/player_stats_tables.h"
#include "reports/playoff_tables.h"
#include "reports/records_tables.h"
#include "reports/roster_report.h"
#include "reports/schedule_table.h"
#include "reports/site_files.h"
#include "reports/site_page.h"
#include "reports/standings_table.h"
#include "reports/team_stats_table.h"
#include "reports/transaction_list.h"
#include "season/season_hooks.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

std::string Num(int value) {
    return std::to_string(value);
}

bool IsRealName(const std::string& name) {
    return !name.empty() && name != "N/A";
}

// The season whose statistics the pages show: the one under way, or in the off-season the one just played.
int16_t ShownSeason(const SeasonState& s) {
    const bool underWay = s.SeasonDay >= Phase::FirstDay && s.SeasonDay <= kScheduleDays;
    return underWay ? s.Season : static_cast<int16_t>(s.Season - 1);
}

// One run: the league, the new site's files and what its pages share.
struct SiteRun {
    const League& league;
    Host& host;
    SiteFiles& files;
    SiteContext context;
    bool ok = true;

    SiteRun(const League& l, Host& h, SiteFiles& f) : league(l), host(h), files(f), context(l) {
        context.exists = [this](const std::string& path) { return files.Has(path); };
    }
    SitePage Page(std::string_view title, int depth) const { return SitePage(context, title, depth); }
    void Write(const std::string& path, SitePage& page) {
        if (ok && !files.Write(path, page.Finish())) ok = false;
    }
    // Lets the interface breathe inside a long step.
    void Breathe(int done) const {
        if (done % 64 == 0) host.PumpEvents();
    }
};

// A table as a page: heading, then the table.
void TablePage(SiteRun& run, const std::string& path, const std::string& title, int depth,
               const std::vector<ReportTable>& tables, std::string_view note = {}) {
    SitePage page = run.Page(title, depth);
    page.Heading(title);
    if (!note.empty()) page.Paragraph(note);
    for (const ReportTable& t : tables) {
        if (!t.title.empty() && tables.size() > 1) page.Heading(t.title, 3);
        if (t.rows.empty())
            page.Paragraph("None.");
        else
            page.Table(t);
    }
    run.Write(path, page);
}

ReportTable AsPlayers(ReportTable table) {
    table.rowKind = RowKind::Player;
    return table;
}

ReportTable AsTeams(ReportTable table) {
    table.rowKind = RowKind::Team;
    return table;
}

// ---- 1. All-Star weekend ----

void AllStarWeekend(SiteRun& run) {
    ReportTable winners = AsPlayers(AllStarWinnersTable(run.league));
    TablePage(run, "allstarweekend.htm", "All-Star Weekend Winners", 0, {winners});
    // The contests' own pages: each season's winner of the one contest.
    auto contest = [&](const std::string& path, const std::string& title, const std::string& word) {
        ReportTable only = winners;
        only.rows.clear();
        only.rowKeys.clear();
        for (size_t r = 0; r < winners.rows.size(); ++r) {
            bool match = false;
            for (const ReportCell& cell : winners.rows[r])
                if (cell.text.find(word) != std::string::npos) match = true;
            if (!match) continue;
            only.rows.push_back(winners.rows[r]);
            only.rowKeys.push_back(r < winners.rowKeys.size() ? winners.rowKeys[r] : 0);
        }
        TablePage(run, path, title, 1, {only.rows.empty() ? winners : only});
    };
    contest("boxes/3presults.htm", "3P Shootout Results", "Shootout");
    contest("boxes/dunkresults.htm", "Dunk Contest Results", "Dunk");
}

// ---- 2 and 4. Sortable player lists ----

struct ListKey {
    const char* key;
    const char* title;
};

const std::vector<ListKey>& ProspectKeys() {
    static const std::vector<ListKey> keys{{"name", "Name"}, {"pos", "Pos"}, {"ht", "Ht"},   {"wt", "Wt"},
                                           {"age", "Age"},   {"in", "In"},   {"out", "Out"}, {"hn", "Hn"},
                                           {"df", "Df"},     {"reb", "Reb"}, {"pot", "Pot"}};
    return keys;
}

// The players of a list with one column per sort key (and the last team for free agents); each cell's
// sort key is what its page sorts by, best first.
ReportTable SortablePlayers(const League& league, const std::vector<int>& ids, bool lastTeam) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    for (const ListKey& k : ProspectKeys())
        table.Column(k.title, k.key == std::string("name") || k.key == std::string("pos") ? Align::Left
                                                                                          : Align::Right);
    if (lastTeam) table.Column("Last");
    table.Column("College");
    auto grade = [](int value) { return ReportTable::Keyed(LetterGrade(value), -value); };
    for (int id : ids) {
        const Player& p = league.player(id);
        table.Row(id)
            .Add(ReportTable::Keyed(p.Name, 0))
            .Add(ReportTable::Keyed(p.DefaultPosition, PositionNumberOf(p.DefaultPosition)))
            .Add(ReportTable::Keyed(p.DisplayHeight, -p.Height))
            .Add(ReportTable::Keyed(Num(p.Weight), -p.Weight))
            .Add(ReportTable::Keyed(Num(p.Age), p.Age))
            .Add(grade(p.RatingInsideScoring))
            .Add(grade(p.RatingOutsideScoring))
            .Add(grade(p.RatingHandling))
            .Add(grade(p.RatingDefense))
            .Add(grade(p.RatingRebounding))
            .Add(ReportTable::Keyed(p.PotentialGrade, 0));
        if (lastTeam) table.Add(p.LastTeam);
        table.Add(p.College);
    }
    return table;
}

// The list sorted by column `column`: names and grades as text, the others by their keys, best first.
ReportTable SortedBy(const ReportTable& table, size_t column) {
    std::vector<size_t> order(table.rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const bool byText = !table.columns.empty() &&
                        (table.columns[column].title == "Name" || table.columns[column].title == "Pot" ||
                         table.columns[column].title == "Last");
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const ReportCell& x = table.rows[a][column];
        const ReportCell& y = table.rows[b][column];
        if (byText) {
            if (table.columns[column].title == "Name")
                return LastName(x.text) + x.text < LastName(y.text) + y.text;
            return x.text < y.text;
        }
        return x.sortKey < y.sortKey;
    });
    ReportTable sorted = table;
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.rows[i] = table.rows[order[i]];
        sorted.rowKeys[i] = table.rowKeys[order[i]];
    }
    return sorted;
}

// One page per sort key when `sortable` (the key's column header links to it), else the "pos" page alone.
void SortablePages(SiteRun& run, const std::string& folder, const std::string& prefix,
                   const std::string& title, const ReportTable& table, bool sortable,
                   std::vector<ListKey> keys) {
    std::vector<std::string> targets(table.columns.size());
    if (sortable)
        for (size_t k = 0; k < keys.size(); ++k)
            targets[k] = folder + "/" + prefix + keys[k].key + ".htm";
    for (size_t k = 0; k < keys.size() && run.ok; ++k) {
        if (!sortable && keys[k].key != std::string("pos")) continue;
        SitePage page = run.Page(title, 1);
        page.Heading(title);
        if (table.rows.empty())
            page.Paragraph("None.");
        else
            page.Table(SortedBy(table, k), {targets, {}});
        run.Write(folder + "/" + prefix + keys[k].key + ".htm", page);
    }
}

std::vector<int> PlayersOf(const League& league, const char* team) {
    std::vector<int> ids;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (IsRealName(league.player(id).Name) && league.player(id).Team == team) ids.push_back(id);
    return ids;
}

void Draft(SiteRun& run) {
    const int day = run.league.state.SeasonDay;
    const bool creation = IsCreationDraft(run.league);
    if (!((day >= 1 && day <= Phase::RookieDraft) || creation)) return;
    std::vector<int> ids;
    for (int id : ProspectsTable(run.league).rowKeys)
        ids.push_back(id);
    SortablePages(run, "draft", "draftplayers-", "Draft Eligible Players",
                  SortablePlayers(run.league, ids, false), run.league.state.SitePages[kSortableDraft],
                  ProspectKeys());
    if (day == Phase::RookieDraft || creation)
        TablePage(run, "draftorder.htm", "Draft Order", 0,
                  {creation ? CreationOrderTable(run.league) : DraftOrderTable(run.league)});
}

void CapRoom(SiteRun& run) {
    TablePage(run, "salaryneeds.htm", "Available Cap Room", 0, {AsTeams(CapRoomTable(run.league))});
}

void FreeAgents(SiteRun& run) {
    std::vector<ListKey> keys = ProspectKeys();
    keys.push_back({"last", "Last"});
    ReportTable table = SortablePlayers(run.league, PlayersOf(run.league, kFreeAgent), true);
    // The "last" key sorts the column after the eleven of the prospects.
    SortablePages(run, "fa", "fa-", "Free Agents", table, run.league.state.SitePages[kSortableFreeAgents],
                  keys);
    TablePage(run, "potentialfas.htm", "Potential Free Agents", 0, {PotentialFreeAgentsTable(run.league, 0)});
}

void HistoricalPerformance(SiteRun& run) {
    TablePage(run, "historicalperformance.htm", "Historical Team Performance", 0,
              {AsTeams(TeamPerformanceTable(run.league, 0))});
}

// ---- 6. Hall of Fame: every inductee, and one page per induction year ----

ReportTable InducteesTable(const League& league, int year) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.Column("Player").Column("Pos").Column("Inducted", Align::Right).Column("Seasons", Align::Right);
    table.Column("G", Align::Right).Column("PTS", Align::Right).Column("PPG", Align::Right);
    table.Column("REB", Align::Right).Column("AST", Align::Right).Column("Titles", Align::Right);
    std::vector<const RetiredPlayer*> players;
    for (const RetiredPlayer& r : league.tables.retiredPlayers)
        if (year == 0 || r.RetiredSeason == year) players.push_back(&r);
    std::stable_sort(players.begin(), players.end(), [](const RetiredPlayer* a, const RetiredPlayer* b) {
        return a->RetiredSeason > b->RetiredSeason;
    });
    for (const RetiredPlayer* r : players)
        table.Row(r->ID)
            .Add(r->Name)
            .Add(r->DefaultPosition)
            .Add(int(r->RetiredSeason))
            .Add(int(r->Experience))
            .Add(int(r->CareerGames))
            .Add(int64_t(r->Points))
            .Add(ReportTable::Decimal(r->CareerGames ? double(r->Points) / r->CareerGames : 0.0, 1))
            .Add(int64_t(r->Rebounds))
            .Add(int64_t(r->Assists))
            .Add(int(r->Championships));
    return table;
}

void HallOfFame(SiteRun& run) {
    std::vector<int> years;
    for (const RetiredPlayer& r : run.league.tables.retiredPlayers)
        if (std::find(years.begin(), years.end(), r.RetiredSeason) == years.end())
            years.push_back(r.RetiredSeason);
    std::sort(years.rbegin(), years.rend());
    SitePage all = run.Page("Hall Of Fame", 1);
    all.Heading("Hall Of Fame");
    std::string classes;
    for (int y : years)
        classes += all.Link("hof/" + Num(y) + ".htm", "Class of " + Num(y)) + " ";
    if (!classes.empty()) all.Raw("<p>" + classes + "</p>\n");
    ReportTable everyone = InducteesTable(run.league, 0);
    if (everyone.rows.empty())
        all.Paragraph("No player has been inducted yet.");
    else
        all.Table(everyone);
    run.Write("hof/all.htm", all);
    for (int y : years) {
        SitePage page = run.Page("Hall Of Fame", 1);
        page.Heading("Hall Of Fame: Class of " + Num(y));
        page.Raw("<p>" + page.Link("hof/all.htm", "Every inductee") + "</p>\n");
        page.Table(InducteesTable(run.league, y));
        run.Write("hof/" + Num(y) + ".htm", page);
    }
}

void Injuries(SiteRun& run) {
    TablePage(run, "injuries.htm", "Injured Players", 0, {InjuryListTable(run.league)});
    TablePage(run, "ir.htm", "Injured Reserve", 0, {InjuredReserveTable(run.league)});
}

void WeeklyMonthly(SiteRun& run) {
    std::vector<int16_t> seasons = SeasonsWithAwards(run.league, true);
    std::vector<ReportTable> tables;
    if (!seasons.empty()) {
        ReportTable t = AsPlayers(InSeasonAwardsTable(run.league, seasons.front()));
        t.title = "Season " + Num(seasons.front());
        tables.push_back(t);
    }
    TablePage(run, "wkly-mnthly.htm", "Weekly/Monthly Awards", 0, tables,
              tables.empty() ? "No player of the week has been named yet." : "");
}

void Leaders(SiteRun& run) {
    ReportTable t = LeadersTable(run.league, -1, 10);
    std::string note = t.title;
    t.title.clear();
    TablePage(run, "leagueleaders.htm", "League Leaders", 0, {t}, note);
}

void PastChamps(SiteRun& run) {
    TablePage(run, "pastchamps.htm", "Past Champions", 0, {ChampionsTable(run.league)});
}

void PastFirstPicks(SiteRun& run) {
    TablePage(run, "past1picks.htm", "Past #1 Overall Picks", 0, {AsPlayers(FirstPicksTable(run.league))});
}

// ---- 12 and 16. Player pages ----

std::vector<int> PlayersWithPages(const SiteRun& run) {
    std::vector<int> ids;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (run.context.HasPlayerPage(id)) ids.push_back(id);
    return ids;
}

void PlayerPage(SiteRun& run, int id) {
    const Player& p = run.league.player(id);
    SitePage page = run.Page(p.Name, 1);
    page.Heading(p.Name);
    std::string facts = "<table border=\"0\" cellspacing=\"1\" cellpadding=\"2\">\n";
    for (const CardFact& f : PlayerCardFacts(run.league, id)) {
        facts += "<tr><td class=\"head\">" + HtmlEscape(f.label) + "</td><td class=\"name\">";
        facts += f.label == "Team" ? page.TeamText(f.text) : HtmlEscape(f.text);
        facts += "</td></tr>\n";
    }
    facts += "</table>\n";
    page.Raw(facts);
    page.Raw("<p>" + page.Link("players/player" + Num(id) + "stats.htm", "Statistics") + "</p>\n");
    page.Heading("Ratings", 3);
    page.Table(PlayerRatingsTable(p));
    ReportTable awards = PlayerAwardsTable(p);
    if (!awards.rows.empty()) {
        page.Heading("Awards", 3);
        page.Table(awards);
    }
    run.Write("players/player" + Num(id) + ".htm", page);
}

void PlayerStatsPage(SiteRun& run, int id) {
    const Player& p = run.league.player(id);
    SitePage page = run.Page("Player Statistics", 1);
    page.Heading(p.Name);
    page.Raw("<p>" + page.Link("players/player" + Num(id) + ".htm", "Player page") + "</p>\n");
    page.Heading("Regular Season", 3);
    page.Table(CareerStatsTable(run.league, id));
    ReportTable playoffs = PlayerPlayoffTable(run.league, id);
    if (!playoffs.rows.empty()) {
        page.Heading("Playoffs", 3);
        page.Table(playoffs);
    }
    run.Write("players/player" + Num(id) + "stats.htm", page);
}

void Players(SiteRun& run) {
    int done = 0;
    for (int id : PlayersWithPages(run)) {
        if (!run.ok) return;
        PlayerPage(run, id);
        run.Breathe(++done);
    }
}

void PlayerStats(SiteRun& run) {
    int done = 0;
    for (int id : PlayersWithPages(run)) {
        if (!run.ok) return;
        PlayerStatsPage(run, id);
        run.Breathe(++done);
    }
}

void RecordPage(SiteRun& run, const std::string& path, const std::string& title, RecordBookKind kind) {
    ReportTable t = AsPlayers(PlayerRecordsTable(run.league, kind, -1, 10));
    t.title.clear();
    TablePage(run, path, title, 0, {t});
}

void PlayoffLeaders(SiteRun& run) {
    ReportTable all = PlayerStatsTable(run.league, ShownSeason(run.league.state), true);
    if (all.rows.size() > 40) {
        all.rows.resize(40);
        all.rowKeys.resize(40);
    }
    TablePage(run, "playoffleaders.htm", "Playoff Leaders", 0, {all},
              all.rows.empty() ? "" : "The playoffs' leading scorers.");
}

void Playoffs(SiteRun& run) {
    SitePage page = run.Page("Playoffs", 0);
    page.Heading("Playoffs");
    for (const std::string& line : ChampionLines(run.league))
        page.Paragraph(line);
    ReportTable bracket = BracketTable(run.league);
    if (bracket.rows.empty()) {
        page.Paragraph("The playoffs have not begun.");
    } else {
        page.Table(bracket);
        for (size_t b = 0; b < bracket.rows.size(); ++b) {
            ReportTable games = SeriesGamesTable(run.league, bracket.rowKeys[b]);
            if (games.rows.empty()) continue;
            page.Heading(bracket.rows[b][0].text + ": " + games.title, 4);
            // Each played game links its day's page as "Game " and its number.
            TableLinks links;
            links.cell = [&](size_t row, size_t column) -> std::string {
                if (column != 0) return {};
                int day = DayOfGameKey(games.rowKeys[row]);
                std::string dayPage = "boxes/day" + Num(day) + ".htm";
                if (!run.files.Has(dayPage)) return {};
                return page.Link(dayPage, "Game " + games.rows[row][0].text);
            };
            page.Table(games, links);
        }
    }
    run.Write("playoffs.htm", page);
}

// ---- 19. Retired players ----

ReportTable RetiredSeasonsTable(const RetiredPlayer& r) {
    ReportTable table;
    for (const char* c : {"Season", "Team"})
        table.Column(c);
    for (const char* c : {"G", "GS", "MIN", "FG", "FGA", "3P", "3PA", "FT", "FTA", "REB", "AST", "STL", "BLK",
                          "TO", "PTS", "PPG"})
        table.Column(c, Align::Right);
    for (const SeasonHistoryEntry& s : r.Seasons)
        table.Row()
            .Add(int(s.Season))
            .Add(s.Team)
            .Add(int(s.Games))
            .Add(int(s.GamesStarted))
            .Add(int(s.Minutes))
            .Add(int(s.FG))
            .Add(int(s.FGA))
            .Add(int(s.ThreeP))
            .Add(int(s.ThreePA))
            .Add(int(s.FT))
            .Add(int(s.FTA))
            .Add(int(s.Rebounds))
            .Add(int(s.Assists))
            .Add(int(s.Steals))
            .Add(int(s.Blocks))
            .Add(int(s.Turnovers))
            .Add(int(s.Points))
            .Add(ReportTable::Decimal(s.Games ? double(s.Points) / s.Games : 0.0, 1));
    table.Row()
        .Add("Career")
        .Add("")
        .Add(int(r.CareerGames))
        .Add(int(r.CareerGamesStarted))
        .Add(int64_t(r.Minutes))
        .Add(int64_t(r.FG))
        .Add(int64_t(r.FGA))
        .Add(int64_t(r.ThreeP))
        .Add(int64_t(r.ThreePA))
        .Add(int64_t(r.FT))
        .Add(int64_t(r.FTA))
        .Add(int64_t(r.Rebounds))
        .Add(int64_t(r.Assists))
        .Add(int64_t(r.Steals))
        .Add(int64_t(r.Blocks))
        .Add(int64_t(r.Turnovers))
        .Add(int64_t(r.Points))
        .Add(ReportTable::Decimal(r.CareerGames ? double(r.Points) / r.CareerGames : 0.0, 1));
    return table;
}

void RetiredPlayers(SiteRun& run) {
    if (!run.context.retiredPages) return;
    int done = 0;
    for (const RetiredPlayer& r : run.league.tables.retiredPlayers) {
        if (!run.ok) return;
        const std::string base = "retiredplayers/player" + Num(r.ID);
        SitePage page = run.Page(r.Name, 1);
        page.Heading(r.Name);
        ReportTable facts;
        facts.Column("Position")
            .Column("Height")
            .Column("Weight", Align::Right)
            .Column("Retired", Align::Right);
        facts.Column("Seasons", Align::Right).Column("Drafted").Column("Titles", Align::Right);
        facts.Row()
            .Add(r.DefaultPosition)
            .Add(r.DisplayHeight)
            .Add(int(r.Weight))
            .Add(int(r.RetiredSeason))
            .Add(int(r.Experience))
            .Add(r.Round > 0 ? "Round " + Num(r.Round) + ", pick " + Num(r.Pick) : std::string("Undrafted"))
            .Add(int(r.Championships));
        page.Table(facts);
        page.Raw("<p>" + page.Link(base + "stats.htm", "Statistics") + " | " +
                 page.Link("hof/all.htm", "Hall Of Fame") + "</p>\n");
        if (!r.Awards.empty()) {
            ReportTable awards;
            awards.Column("Season", Align::Right).Column("Award");
            for (const Award& a : r.Awards)
                awards.Row().Add(int(a.Season)).Add(a.Name);
            page.Heading("Awards", 3);
            page.Table(awards);
        }
        run.Write(base + ".htm", page);
        SitePage stats = run.Page("Player Statistics", 1);
        stats.Heading(r.Name);
        stats.Raw("<p>" + stats.Link(base + ".htm", "Player page") + "</p>\n");
        stats.Table(RetiredSeasonsTable(r));
        run.Write(base + "stats.htm", stats);
        run.Breathe(++done);
    }
}

void SeasonAwards(SiteRun& run) {
    std::vector<int16_t> seasons = SeasonsWithAwards(run.league, false);
    std::vector<ReportTable> tables;
    for (size_t i = 0; i < seasons.size() && i < 10; ++i) {
        ReportTable t = AsPlayers(SeasonAwardsTable(run.league, seasons[i]));
        t.title = "Season " + Num(seasons[i]);
        tables.push_back(t);
    }
    TablePage(run, "regssnawards.htm", "Regular Season Awards", 0, tables,
              tables.empty() ? "No season awards have been given yet." : "");
}

// ---- 21. Schedule and day pages ----

bool DayPlayed(const League& league, int day) {
    const ScheduleDay& d = league.schedule[static_cast<size_t>(day)];
    for (int g = 1; g <= std::min<int>(d.NumGames, kGamesPerDay); ++g)
        if (d.Games[static_cast<size_t>(g)].Played) return true;
    return false;
}

std::string DayPageText(const SiteContext& context, int day) {
    const League& league = context.league;
    SitePage page(context, "Daily Schedule", 1);
    page.Heading(league.state.LeagueName + " " + Num(league.state.Season) + ": Day " + Num(day));
    const ScheduleDay& d = league.schedule[static_cast<size_t>(day)];
    std::string rows;
    int row = 0;
    const auto& c = context.colours;
    std::string html =
        "<table border=\"0\" cellspacing=\"1\" cellpadding=\"3\">\n<tr bgcolor=\"" + c[kHeaderRow] + "\">";
    for (const char* title : {"Game", "Away", "Score", "Home", "Score", "Player of the Game"})
        html += "<th class=\"name\"><font color=\"" + c[kHeaderText] + "\">" + title + "</font></th>";
    html += "</tr>\n";
    for (int g = 1; g <= std::min<int>(d.NumGames, kGamesPerDay); ++g) {
        const ScheduledGame& game = d.Games[static_cast<size_t>(g)];
        std::string label = "Game " + Num(g);
        std::string box = context.BoxPage(day, g);
        html += "<tr bgcolor=\"" + (row++ % 2 ? c[kAlternateRow] : c[kRow]) + "\"><td class=\"name\">";
        html += box.empty() ? label : page.Link(box, label);
        html += "</td><td class=\"name\">" + page.TeamText(game.AwayTeam) + "</td><td class=\"stat\">" +
                (game.Played ? Num(game.AwayScore) : "") + "</td><td class=\"name\">" +
                page.TeamText(game.HomeTeam) + "</td><td class=\"stat\">" +
                (game.Played ? Num(game.HomeScore) : "") + "</td><td class=\"name\">" +
                HtmlEscape(game.PlayerOfGame) + "</td></tr>\n";
    }
    html += "</table>\n";
    page.Raw(html);
    if (day == Phase::AllStarDay) {
        std::string weekend;
        for (auto [file, text] : {std::pair{"boxes/rookiegame.html", "Rookie Game"},
                                  std::pair{"boxes/allstar.html", "All-Star Game"},
                                  std::pair{"boxes/3presults.htm", "3P Shootout Results"},
                                  std::pair{"boxes/dunkresults.htm", "Dunk Contest Results"}})
            if (context.exists && context.exists(file)) weekend += page.Link(file, text) + " ";
        if (!weekend.empty()) page.Raw("<p>All-Star Weekend: " + weekend + "</p>\n");
    }
    return page.Finish();
}

void Schedule(SiteRun& run) {
    // Day pages of days that are not played in the schedule as it stands belong to an earlier season.
    std::vector<std::string> stale;
    for (const std::string& f : run.files.Files())
        if (f.rfind("boxes/day", 0) == 0 && f.find('/', 6) == std::string::npos) stale.push_back(f);
    for (const std::string& f : stale)
        run.files.Drop(f);
    for (int day = 1; day <= kScheduleDays && run.ok; ++day)
        if (DayPlayed(run.league, day))
            run.ok = run.files.Write("boxes/day" + Num(day) + ".htm", DayPageText(run.context, day));
    if (!run.ok) return;

    ReportTable t = ScheduleTable(run.league);
    TableLinks links;
    SitePage page = run.Page("League Schedule", 0);
    page.Heading("League Schedule");
    links.cell = [&](size_t row, size_t column) -> std::string {
        if (column != 0) return {};
        std::string dayPage = "boxes/day" + t.rows[row][0].text + ".htm";
        return run.files.Has(dayPage) ? page.Link(dayPage, t.rows[row][0].text) : std::string();
    };
    // The game number links the box score.
    ReportTable games = t;
    games.rowKind = RowKind::None;
    auto cell = links.cell;
    links.cell = [&, cell](size_t row, size_t column) -> std::string {
        if (column == 1) {
            int key = t.rowKeys[row];
            std::string box = run.context.BoxPage(DayOfGameKey(key), GameOfGameKey(key));
            return box.empty() ? std::string() : page.Link(box, t.rows[row][1].text);
        }
        return cell(row, column);
    };
    if (games.rows.empty())
        page.Paragraph("No games are scheduled.");
    else
        page.Table(games, links);
    run.Write("leagueschedule.htm", page);
}

void Standings(SiteRun& run) {
    TablePage(run, "divstand.htm", "Standings", 0, StandingsGroupTables(run.league, StandingsView::Division));
    TablePage(run, "playstand.htm", "Playoff Standings", 0,
              StandingsGroupTables(run.league, StandingsView::Conference));
}

// ---- 23. Teams ----

ReportTable TeamRow(const League& league, int team, bool allowed) {
    ReportTable all = TeamStatsTable(league, {allowed, true});
    ReportTable one = all;
    one.rows.clear();
    one.rowKeys.clear();
    for (size_t r = 0; r < all.rows.size(); ++r)
        if (all.rowKeys[r] == team) {
            one.rows.push_back(all.rows[r]);
            one.rowKeys.push_back(0);
            one.rows.back()[0].text = allowed ? "Opponents" : "Team";
        }
    return one;
}

ReportTable PicksTable(const League& league, int team) {
    ReportTable table;
    table.Column("Season", Align::Right).Column("Round", Align::Right).Column("Original Team").Column("Used");
    for (int id = kFirstDraftPickID; id < kFirstDraftPickID + kDraftPickCount; ++id) {
        const DraftPick& pick = league.tables.draftPick(id);
        if (pick.OwnedBy != team) continue;
        table.Row()
            .Add(int(pick.year))
            .Add(int(pick.Round))
            .Add(pick.Team >= 1 && pick.Team <= kLeagueTeams ? league.team(pick.Team).Name : std::string())
            .Add(pick.Selection ? "Pick " + Num(pick.Selection) : std::string());
    }
    return table;
}

void TeamPages(SiteRun& run, int team) {
    const League& league = run.league;
    const Team& t = league.team(team);
    const std::string base = "rosters/roster" + Num(team);
    const std::string title = t.City + " " + t.Name;
    SitePage page = run.Page(title, 1);
    page.Heading(title);
    std::string nav = "<p>";
    for (auto [anchor, text] :
         {std::pair{"ystats", "Season Statistics"}, std::pair{"plyabil", "Player Abilities"},
          std::pair{"plystats", "Player Statistics"}, std::pair{"playsal", "Salaries"},
          std::pair{"draft", "Draft Picks"}, std::pair{"injuries", "Injuries"}})
        nav += "<a href=\"#" + std::string(anchor) + "\">" + text + "</a> | ";
    nav += page.Link(base + "hist.htm", "History") + " | " + page.Link(base + "sched.htm", "Schedule") +
           "</p>\n";
    page.Raw(nav);
    page.Heading("Season Statistics", 3, "ystats");
    ReportTable ystats = TeamRow(league, team, false);
    ReportTable opp = TeamRow(league, team, true);
    ystats.rows.insert(ystats.rows.end(), opp.rows.begin(), opp.rows.end());
    ystats.rowKeys.insert(ystats.rowKeys.end(), opp.rowKeys.begin(), opp.rowKeys.end());
    page.Table(ystats);
    page.Heading("Player Abilities", 3, "plyabil");
    page.Table(TeamRosterTable(league, team));
    page.Heading("Player Statistics", 3, "plystats");
    ReportTable stats = PlayerStatsTable(league, ShownSeason(league.state), false, t.Name);
    if (stats.rows.empty())
        page.Paragraph("No games played yet.");
    else
        page.Table(stats);
    page.Heading("Salaries", 3, "playsal");
    page.Table(ContractsTable(league, team));
    page.Heading("Draft Picks", 3, "draft");
    page.Table(PicksTable(league, team));
    page.Heading("Injuries", 3, "injuries");
    ReportTable injuries = InjuryListTable(league, team);
    if (injuries.rows.empty())
        page.Paragraph("No injured players.");
    else
        page.Table(injuries);
    run.Write(base + ".htm", page);

    SitePage hist = run.Page(title + " History", 1);
    hist.Heading(title + " History");
    hist.Table(TeamPerformanceTable(league, team));
    hist.Heading("Against Each Opponent", 3);
    hist.Table(AsTeams(VsOpponentsTable(league, team)));
    run.Write(base + "hist.htm", hist);

    SitePage sched = run.Page("Schedule", 1);
    sched.Heading(title + " Schedule");
    ReportTable games = ScheduleTable(league, team);
    if (games.rows.empty())
        sched.Paragraph("No games are scheduled.");
    else
        sched.Table(games);
    run.Write(base + "sched.htm", sched);
}

void Teams(SiteRun& run) {
    SitePage index = run.Page("Team Rosters", 1);
    index.Heading("Team Rosters");
    for (const char* conference : {"East", "West"}) {
        index.Heading(std::string(conference), 3);
        std::string list = "<ul>\n";
        for (int t = 1; t <= kLeagueTeams; ++t)
            if (run.league.team(t).Conference == conference)
                list += "<li>" +
                        index.LinkHtml("rosters/roster" + Num(t) + ".htm",
                                       HtmlEscape(run.league.team(t).City + " " + run.league.team(t).Name)) +
                        "</li>\n";
        index.Raw(list + "</ul>\n");
    }
    run.Write("rosters/index.htm", index);
    for (int t = 1; t <= kLeagueTeams && run.ok; ++t)
        TeamPages(run, t);
}

void TeamSeasonRecords(SiteRun& run) {
    TablePage(run, "teamssnrecords.htm", "Team Season Records", 0, {TeamRecordsTable(run.league, 0)});
}

// ---- 25. Team statistics ----

struct StatFolder {
    const char* folder;
    const char* title;
    bool allowed;
    std::vector<std::pair<const char*, const char*>> columns; // column title, page name
};

const std::vector<StatFolder>& StatFolders() {
    static const std::vector<StatFolder> folders{
        {"offense",
         "Offense",
         false,
         {{"PTS", "ppg"}, {"REB", "rpg"}, {"AST", "apg"}, {"STL", "spg"}, {"BLK", "bpg"}, {"TO", "topg"}}},
        {"defense",
         "Defense",
         true,
         {{"PTS", "oppg"},
          {"REB", "orpg"},
          {"AST", "oapg"},
          {"STL", "ospg"},
          {"BLK", "obpg"},
          {"TO", "otopg"}}},
        {"shoffense",
         "Shooting Offense",
         false,
         {{"FG", "fgpg"},
          {"FGA", "fgapg"},
          {"FG%", "fgpercent"},
          {"FT", "ftpg"},
          {"FTA", "ftapg"},
          {"FT%", "ftpercent"},
          {"3P", "threeppg"},
          {"3PA", "threepapg"},
          {"3P%", "threeppercent"}}},
        {"shdefense",
         "Shooting Defense",
         true,
         {{"FG", "ofgpg"},
          {"FGA", "ofgapg"},
          {"FG%", "ofgpercent"},
          {"FT", "oftpg"},
          {"FTA", "oftapg"},
          {"FT%", "oftpercent"},
          {"3P", "othreeppg"},
          {"3PA", "othreepapg"},
          {"3P%", "othreeppercent"}}},
    };
    return folders;
}

void TeamStats(SiteRun& run) {
    const bool sortable = run.league.state.SitePages[kSortableTeamStats];
    for (const StatFolder& f : StatFolders()) {
        ReportTable all = TeamStatsTable(run.league, {f.allowed, true});
        ReportTable table;
        table.rowKind = RowKind::Team;
        table.Column("Team").Column("G", Align::Right);
        std::vector<size_t> from{0, 1};
        for (auto [title, page] : f.columns) {
            for (size_t i = 0; i < all.columns.size(); ++i)
                if (all.columns[i].title == title) from.push_back(i);
            table.Column(title, Align::Right);
        }
        for (size_t r = 0; r < all.rows.size(); ++r) {
            table.Row(all.rowKeys[r]);
            for (size_t i : from)
                table.Add(all.rows[r][i]);
        }
        std::vector<std::string> targets(table.columns.size());
        if (sortable)
            for (size_t c = 0; c < f.columns.size(); ++c)
                targets[c + 2] = std::string("tmstats/") + f.folder + "/" + f.columns[c].second + ".htm";
        auto write = [&](const std::string& name, const ReportTable& rows) {
            SitePage page = run.Page("Team Statistics", 2);
            page.Heading(std::string("Team Statistics: ") + f.title);
            std::string nav = "<p>";
            for (const StatFolder& other : StatFolders())
                nav += page.Link(std::string("tmstats/") + other.folder + "/team.htm", other.title) + " | ";
            nav.resize(nav.size() - 3);
            page.Raw(nav + "</p>\n");
            page.Table(rows, {targets, {}});
            run.Write(std::string("tmstats/") + f.folder + "/" + name, page);
        };
        write("team.htm", table);
        if (!sortable) continue;
        for (size_t c = 0; c < f.columns.size() && run.ok; ++c) {
            ReportTable sorted = table;
            std::vector<size_t> order(table.rows.size());
            for (size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
                return table.rows[a][c + 2].sortKey > table.rows[b][c + 2].sortKey;
            });
            for (size_t i = 0; i < order.size(); ++i) {
                sorted.rows[i] = table.rows[order[i]];
                sorted.rowKeys[i] = table.rowKeys[order[i]];
            }
            write(std::string(f.columns[c].second) + ".htm", sorted);
        }
    }
}

void Transactions(SiteRun& run) {
    TablePage(run, "transactions.htm", "Transactions", 0, {TransactionTable(run.league)});
}

// ---- 27. Main page: the frame set, the default page and the menu bar ----

struct MenuEntry {
    const char* text;
    const char* target;
};

struct Menu {
    const char* name;
    std::vector<MenuEntry> entries;
};

const std::vector<Menu>& Menus() {
    static const std::vector<Menu> menus{
        {"Roster",
         {{"Team Rosters", "rosters/index.htm"},
          {"Team Statistics", "tmstats/offense/team.htm"},
          {"Salary Info", "salaryneeds.htm"},
          {"Injured Reserve", "ir.htm"}}},
        {"Season",
         {{"Standings", "divstand.htm"},
          {"Schedule", "leagueschedule.htm"},
          {"League Leaders", "leagueleaders.htm"},
          {"Weekly/Monthly Awards", "wkly-mnthly.htm"},
          {"Draft Preview", "draft/draftplayers-pos.htm"},
          {"Draft Order", "draftorder.htm"},
          {"Transactions", "transactions.htm"},
          {"Free Agents", "fa/fa-pos.htm"}}},
        {"History",
         {{"Historical Team Performance", "historicalperformance.htm"},
          {"Team Records", "teamssnrecords.htm"},
          {"All-Star Weekend Winners", "allstarweekend.htm"},
          {"Player Game Records", "playergmrecords.htm"},
          {"Player Season Records", "playerssnrecords.htm"},
          {"Player Career Records", "playercareerrecords.htm"},
          {"Past Champions", "pastchamps.htm"},
          {"Hall Of Fame", "hof/all.htm"},
          {"Past #1 Overall Picks", "past1picks.htm"}}},
        {"Post Season",
         {{"Playoff Brackets", "playoffs.htm"},
          {"Playoff League Leaders", "playoffleaders.htm"},
          {"Regular Season Awards", "regssnawards.htm"}}},
    };
    return menus;
}

std::string PhaseText(const SeasonState& s) {
    const int d = s.SeasonDay;
    if (d == Phase::CreationDraft) return "Creation draft";
    if (d == Phase::BeforeSeason) return "Before the season";
    if (d >= Phase::FirstDay && d <= Phase::LastDay) return "Regular season, day " + Num(d);
    if (d >= Phase::FirstPlayoffDay && d <= Phase::LastPlayoffDay) return "Playoffs";
    if (d >= Phase::FirstEndSeason && d <= Phase::LastEndSeason) return "End of the season";
    if (d == Phase::RookieDraft) return "Rookie draft";
    if (d >= Phase::FirstFreeAgency && d <= Phase::LastFreeAgency) return "Free agency, day " + Num(d - 179);
    if (d == Phase::TrainingCamps) return "Training camps";
    return "";
}

void MainPage(SiteRun& run) {
    const League& league = run.league;
    SitePage frames = run.Page("Main Index", 0);
    std::string frameset = "</body>\n<frameset rows=\"48,*\" border=\"0\">\n"
                           "<frame src=\"index2.htm\" name=\"menu\" scrolling=\"no\" noresize>\n"
                           "<frame src=\"index1.htm\" name=\"main\">\n"
                           "<noframes><body>This page uses frames, but your browser doesn't support them."
                           "</body></noframes>\n</frameset>\n</html>\n";
    std::string whole = frames.Finish();
    // The frame set takes the place of a body.
    whole = whole.substr(0, whole.find("<body")) + frameset.substr(std::string("</body>\n").size());
    if (!run.files.Write("index.html", whole)) {
        run.ok = false;
        return;
    }

    SitePage main = run.Page("Default Page", 0);
    main.Heading(league.state.LeagueName);
    main.Paragraph("Season " + Num(league.state.Season) + ": " + PhaseText(league.state));
    for (const std::string& line : ChampionLines(league))
        main.Paragraph(line);
    std::vector<ReportTable> conferences = StandingsGroupTables(league, StandingsView::Conference);
    main.Raw("<table border=\"0\"><tr valign=\"top\">");
    for (const ReportTable& t : conferences) {
        main.Raw("<td>");
        main.Heading(t.title, 3);
        main.Table(t);
        main.Raw("</td>");
    }
    main.Raw("</tr></table>\n");
    std::string quick = "<p>";
    for (const Menu& m : Menus())
        for (const MenuEntry& e : m.entries)
            if (run.files.Has(e.target)) quick += main.Link(e.target, e.text) + " | ";
    if (quick.size() > 3) quick.resize(quick.size() - 3);
    main.Raw(quick + "</p>\n");
    run.Write("index1.htm", main);

    SitePage menu(run.context, "Main Index", 0, true);
    std::string bar = "<table border=\"0\" cellspacing=\"0\" cellpadding=\"2\"><tr>\n";
    for (const Menu& m : Menus()) {
        bar += "<td><select onchange=\"if (this.value) parent.main.location.href = this.value; "
               "this.selectedIndex = 0;\">\n<option value=\"\" selected>";
        bar += m.name;
        bar += "</option>\n<option value=\"\">----------</option>\n";
        // An entry whose page this run does not hold (the draft order outside the draft) is left out.
        for (const MenuEntry& e : m.entries)
            if (run.files.Has(e.target))
                bar += std::string("<option value=\"") + e.target + "\">" + e.text + "</option>\n";
        bar += "</select></td>\n";
    }
    bar += "<td class=\"name\">&nbsp;<b>" + HtmlEscape(league.state.LeagueName) + "</b></td></tr></table>\n";
    menu.Raw(bar);
    std::string text = menu.Finish();
    // The menu bar is one line high: no footer.
    text = text.substr(0, text.find("<hr width=1000")) + "</body>\n</html>\n";
    if (run.ok && !run.files.Write("index2.htm", text)) run.ok = false;
}

// The box page of each box text file: "D-G.txt" and the All-Star weekend's two games, in the box folder and
// in its seasons' subfolders, into the same place under "boxes".
void PreviousBoxes(SiteRun& run) {
    const fs::path box = run.league.LeagueFolderOf(run.league.state.LeagueName) / "box";
    std::error_code ec;
    int done = 0;
    for (fs::recursive_directory_iterator it(box, ec), end; it != end && run.ok; it.increment(ec)) {
        if (ec) break;
        const fs::path& file = it->path();
        if (it.depth() > 1 || file.extension() != ".txt" || !it->is_regular_file(ec)) continue;
        std::string page = file.stem().string() + ".html";
        if (page == "AllStar-Rookie.html") page = "rookiegame.html";
        if (page == "AllStar-Regular.html") page = "allstar.html";
        const std::string folder = it.depth() == 1 ? file.parent_path().filename().string() + "/" : "";
        if (!folder.empty()) fs::create_directories(run.files.Folder() / "boxes" / folder, ec);
        if (std::optional<BoxScore> parsed = ReadBoxScoreFile(file))
            run.ok =
                run.files.Write("boxes/" + folder + page, BoxScoreHtml(*parsed, run.league.state.SiteStyle));
        run.Breathe(++done);
    }
}

struct Step {
    const char* message;
    void (*run)(SiteRun&);
};

const std::vector<Step>& Steps() {
    static const std::vector<Step> steps{
        {"Outputting All-Star Weekend Winners", AllStarWeekend},
        {"Outputting Draft", Draft},
        {"Outputting Cap Room", CapRoom},
        {"Outputting Free Agents", FreeAgents},
        {"Outputting Historical Team Performance", HistoricalPerformance},
        {"Outputting Hall of Fame", HallOfFame},
        {"Outputting Injured Reserve", Injuries},
        {"Outputting Weekly/Monthly Awards", WeeklyMonthly},
        {"Outputting League Leaders", Leaders},
        {"Outputting Past Champs", PastChamps},
        {"Outputting Past #1 Picks", PastFirstPicks},
        {"Outputting Players",
         [](SiteRun& r) {
             if (r.context.playerPages) Players(r);
         }},
        {"Outputting Player Career Records",
         [](SiteRun& r) {
             RecordPage(r, "playercareerrecords.htm", "Player Career Records", RecordBookKind::Career);
         }},
        {"Outputting Player Game Records",
         [](SiteRun& r) {
             RecordPage(r, "playergmrecords.htm", "Player Game Records", RecordBookKind::Game);
         }},
        {"Outputting Player Season Records",
         [](SiteRun& r) {
             RecordPage(r, "playerssnrecords.htm", "Player Season Records", RecordBookKind::Season);
         }},
        {"Outputting Player Stats",
         [](SiteRun& r) {
             if (r.context.playerPages) PlayerStats(r);
         }},
        {"Outputting Playoff Leaders", PlayoffLeaders},
        {"Outputting Playoff Brackets", Playoffs},
        {"Outputting Retired Players", RetiredPlayers},
        {"Outputting Season Awards", SeasonAwards},
        {"Outputting League Schedule", Schedule},
        {"Outputting Standings", Standings},
        {"Outputting Teams", Teams},
        {"Outputting Team Season Records", TeamSeasonRecords},
        {"Outputting Team Stats", TeamStats},
        {"Outputting Transactions", Transactions},
        {"Outputting Main Page", MainPage},
    };
    return steps;
}

} // namespace

const std::vector<std::string>& SiteStepMessages() {
    static const std::vector<std::string> messages = [] {
        std::vector<std::string> m;
        for (const Step& s : Steps())
            m.push_back(s.message);
        return m;
    }();
    return messages;
}

fs::path SiteFolderOf(const League& league) {
    return league.LeagueFolderOf(league.state.LeagueName) / "html";
}

SiteRunResult WriteLeagueSite(const League& league, Host& host,
                              const std::function<void(const std::string&)>& onStep, SiteRunChoices choices) {
    auto start = std::chrono::steady_clock::now();
    SiteRunResult result;
    SiteColoursOf(league.state, &result.warnings);
    SiteFiles files(SiteFolderOf(league));
    SiteRun run(league, host, files);
    run.ok = files.Begin();
    std::vector<Step> steps;
    if (choices.previousBoxes) steps.push_back({kPreviousBoxesStep, PreviousBoxes});
    steps.insert(steps.end(), Steps().begin(), Steps().end());
    for (size_t i = 0; i < steps.size() && run.ok; ++i) {
        host.PumpEvents();
        if (host.StopRequested()) {
            result.stopped = true;
            break;
        }
        if (onStep) onStep(steps[i].message);
        host.SetProgress(steps[i].message, static_cast<int>(i), static_cast<int>(steps.size()));
        steps[i].run(run);
    }
    if (run.ok && !result.stopped) {
        run.ok = files.Commit();
        result.written = run.ok;
        if (run.ok) host.SetProgress("Done", static_cast<int>(steps.size()), static_cast<int>(steps.size()));
    }
    result.files = files.PagesWritten();
    result.bytes = files.BytesWritten();
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!run.ok) {
        result.error = files.Error();
        host.ShowMessage("The league's site could not be written (" + result.error +
                             "). The previous site is kept as it was.",
                         "Error", MessageIcon::Critical);
    }
    return result;
}

bool WriteDayPage(const League& league, int day) {
    if (day < 1 || day > kScheduleDays) return false;
    const fs::path html = SiteFolderOf(league);
    std::error_code ec;
    fs::create_directories(html / "boxes", ec);
    SiteContext context(league);
    context.exists = [&html](const std::string& path) {
        std::error_code e;
        return fs::exists(html / path, e);
    };
    context.teamPages = fs::exists(html / "rosters" / "roster1.htm", ec);
    context.mainPage = fs::exists(html / "index.html", ec);
    return WriteSiteFileAtomically(html / "boxes" / ("day" + Num(day) + ".htm"), DayPageText(context, day));
}

void WriteDailyPageOfLeague(League& league, Host&) {
    WriteDayPage(league, league.state.SeasonDay);
}

void InstallSiteHooks() {
    SetDailyPageWriter(WriteDailyPageOfLeague);
}

int ClearLeagueSite(const League& league) {
    return ClearSiteFiles(SiteFolderOf(league));
}

} // namespace hv
