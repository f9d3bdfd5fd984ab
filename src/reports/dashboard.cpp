#include "reports/dashboard.h"

#include <algorithm>

#include "league/status_line.h"
#include "league/team_control.h"
#include "reports/injury_report.h"
#include "reports/leaders_table.h"
#include "reports/transaction_list.h"
#include "season/standings.h"

namespace hv {

namespace {

constexpr int kResultsShown = 14; // one full day of games
constexpr int kNextGamesShown = 5;
constexpr int kTransactionsShown = 8;

std::string Ordinal(int n) {
    const int tens = n % 100, ones = n % 10;
    const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                         : ones == 1                ? "st"
                         : ones == 2                ? "nd"
                         : ones == 3                ? "rd"
                                                    : "th";
    return std::to_string(n) + suffix;
}

int FirstHumanTeam(const League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (IsHuman(league.team(t))) return t;
    return 0;
}

int Margin(const Team& t) {
    return t.Wins() - t.Losses();
}

// The last rows of a table, newest first.
// The first `count` rows of a table that lists the newest first.
ReportTable FirstRows(ReportTable table, size_t count) {
    if (table.rows.size() > count) {
        table.rows.resize(count);
        table.rowKeys.resize(count);
    }
    return table;
}

// The table without the columns of these titles, for a page with little room.
ReportTable WithoutColumns(ReportTable table, const std::vector<std::string>& titles) {
    for (size_t c = table.columns.size(); c-- > 0;) {
        if (std::find(titles.begin(), titles.end(), table.columns[c].title) == titles.end()) continue;
        table.columns.erase(table.columns.begin() + static_cast<std::ptrdiff_t>(c));
        for (auto& row : table.rows)
            if (c < row.size()) row.erase(row.begin() + static_cast<std::ptrdiff_t>(c));
    }
    return table;
}

} // namespace

NextStep NextStepOf(const SeasonState& s) {
    const int day = s.SeasonDay;
    if (day == Phase::CreationDraft)
        return s.DraftState == 0 ? NextStep{"Run the Creation Draft", "mnuCreationDraft"}
                                 : NextStep{"Resume the Draft", "mnuResumeDraft"};
    if (day == Phase::BeforeSeason) return {"Begin Season", "mnuBeginSeason"};
    if (day >= Phase::FirstDay && day < Phase::AllStarDay)
        return {"Sim to the All-Star break", "mnuSimGames"};
    if (day == Phase::AllStarDay) return {"Play the All-Star weekend", "mnuSimGames"};
    if (day > Phase::AllStarDay && day < 100) return {"Sim to the trade deadline", "mnuSimGames"};
    if (day >= 100 && day <= Phase::LastDay) return {"Sim to the end of the regular season", "mnuSimGames"};
    if (day == Phase::FirstPlayoffDay) return {"Begin the Playoffs", "mnuPlayoffs"};
    if (day > Phase::FirstPlayoffDay && day <= Phase::LastPlayoffDay)
        return {"Sim the Playoffs", "mnuPlayoffs"};
    if (day >= Phase::FirstEndSeason && day <= Phase::LastEndSeason) return {"End Season", "mnuEndSeason"};
    if (day == Phase::RookieDraft)
        return s.DraftState == 1 || s.DraftState == 2 ? NextStep{"Resume the Draft", "mnuResumeDraft"}
                                                      : NextStep{"Run the draft", "mnuRookieDraft"};
    if (day >= Phase::FirstFreeAgency && day <= Phase::LastFreeAgency) return {"Run Free Agency", "mnuRunFA"};
    if (day == Phase::TrainingCamps) return {"Run Training Camps", "mnuCamps"};
    return {};
}

ReportTable ConferenceTable(const League& league, const std::string& conference) {
    std::vector<int> teams;
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).Conference == conference) teams.push_back(t);
    std::stable_sort(teams.begin(), teams.end(), [&](int a, int b) {
        const Team &x = league.team(a), &y = league.team(b);
        if (Margin(x) != Margin(y)) return Margin(x) > Margin(y);
        return x.Wins() > y.Wins();
    });
    ReportTable table;
    table.title = conference + " Conference";
    table.rowKind = RowKind::Team;
    table.Column("#", Align::Right)
        .Column("Team")
        .Column("W", Align::Right)
        .Column("L", Align::Right)
        .Column("GB", Align::Right);
    const int best = teams.empty() ? 0 : Margin(league.team(teams.front()));
    for (size_t i = 0; i < teams.size(); ++i) {
        const Team& t = league.team(teams[i]);
        const int behind = best - Margin(t);
        table.Row(teams[i])
            .Add(static_cast<int>(i + 1))
            .Add(t.Name)
            .Add(t.Wins())
            .Add(t.Losses())
            .Add(ReportTable::Keyed(GamesBehindText(behind), behind));
    }
    return table;
}

ReportTable LatestResultsTable(const League& league, int count) {
    ReportTable table;
    table.title = "Latest Results";
    table.rowKind = RowKind::Game;
    table.Column("Day", Align::Right)
        .Column("Away")
        .Column("Pts", Align::Right)
        .Column("Home")
        .Column("Pts", Align::Right);
    for (int d = kScheduleDays; d >= 1 && static_cast<int>(table.rows.size()) < count; --d) {
        const ScheduleDay& games = league.schedule[static_cast<size_t>(d)];
        for (int g = std::min<int>(games.NumGames, kGamesPerDay);
             g >= 1 && static_cast<int>(table.rows.size()) < count; --g) {
            const ScheduledGame& game = games.Games[static_cast<size_t>(g)];
            if (!game.Played) continue;
            table.Row(GameKey(d, g))
                .Add(d)
                .Add(game.AwayTeam)
                .Add(game.AwayScore)
                .Add(game.HomeTeam)
                .Add(game.HomeScore);
        }
    }
    return table;
}

ReportTable NextGamesTable(const League& league, int team, int count) {
    ReportTable table;
    table.title = "Next Games";
    table.Column("Day", Align::Right).Column("Opponent");
    if (team == 0) return table;
    const std::string& name = league.team(team).Name;
    const int first = std::max<int>(league.state.SeasonDay, 1);
    for (int d = first; d <= kScheduleDays && static_cast<int>(table.rows.size()) < count; ++d) {
        const ScheduleDay& games = league.schedule[static_cast<size_t>(d)];
        for (int g = 1; g <= std::min<int>(games.NumGames, kGamesPerDay); ++g) {
            const ScheduledGame& game = games.Games[static_cast<size_t>(g)];
            if (game.Played || (game.HomeTeam != name && game.AwayTeam != name)) continue;
            const bool home = game.HomeTeam == name;
            table.Row(GameKey(d, g)).Add(d).Add(home ? "vs " + game.AwayTeam : "at " + game.HomeTeam);
        }
    }
    return table;
}

Dashboard BuildDashboard(const League& league) {
    Dashboard d;
    if (!league.leagueOpen) return d;
    const SeasonState& s = league.state;
    d.title = s.LeagueName + " - Season " + std::to_string(s.Season);
    d.status = StatusLine(s);
    d.next = NextStepOf(s);
    d.team = FirstHumanTeam(league);
    std::string conference = "East";
    if (d.team) {
        const Team& t = league.team(d.team);
        conference = t.Conference;
        d.standings = ConferenceTable(league, conference);
        const auto& keys = d.standings.rowKeys;
        const int rank = static_cast<int>(std::find(keys.begin(), keys.end(), d.team) - keys.begin()) + 1;
        d.teamLine = t.City + " " + t.Name + ": " + std::to_string(t.Wins()) + "-" +
                     std::to_string(t.Losses()) + ", " + Ordinal(rank) + " in the " + conference;
    } else {
        d.standings = ConferenceTable(league, conference);
        d.teamLine = "No human team: the computer runs every team.";
    }
    d.nextGames = NextGamesTable(league, d.team, kNextGamesShown);
    d.leaders = WithoutColumns(LeadersTable(league, -1, 1), {"Rank", "Pos", "G"});
    d.leaders.title = "League Leaders";
    d.results = LatestResultsTable(league, kResultsShown);
    d.transactions = WithoutColumns(FirstRows(TransactionTable(league), kTransactionsShown), {"Season"});
    d.transactions.title = "Latest Transactions";
    d.injuries = WithoutColumns(InjuryListTable(league, d.team), {"ID", "Team", "IR", "Rating"});
    if (!d.team) d.injuries.rows.clear(), d.injuries.rowKeys.clear();
    d.injuries.title = "Injuries";
    return d;
}

std::string PhaseChangeText(const SeasonState& before, const SeasonState& after) {
    const int from = before.SeasonDay, to = after.SeasonDay;
    if (from == to && before.Season == after.Season) return {};
    const std::string season = "Season " + std::to_string(after.Season);
    if (to == Phase::FirstDay && from == Phase::BeforeSeason) return season + " has begun.";
    if (to == Phase::RookieDraft) return "The season has ended: the rookie draft is next.";
    if (to >= Phase::FirstFreeAgency && to <= Phase::LastFreeAgency && from == Phase::RookieDraft)
        return "The draft is over: free agency has begun.";
    if (to == Phase::TrainingCamps) return "Free agency is over: training camps are next.";
    if (to == Phase::BeforeSeason && from == Phase::TrainingCamps) return season + " can begin.";
    if (to == Phase::BeforeSeason && from == Phase::CreationDraft)
        return "The creation draft is over: " + season + " can begin.";
    if (to >= Phase::FirstEndSeason && to <= Phase::LastEndSeason && from <= Phase::LastPlayoffDay)
        return "The playoffs are over: the season can be ended.";
    if (to >= Phase::FirstPlayoffDay && to <= Phase::LastPlayoffDay && from >= Phase::FirstDay &&
        from <= Phase::LastDay)
        return "The regular season is over: the playoffs are next.";
    return {};
}

void WriteDashboard(std::ostream& out, const Dashboard& d, bool csv) {
    if (d.title.empty()) {
        out << "No league is open.\n";
        return;
    }
    if (!csv) {
        out << d.title << "\n" << d.status << "\n";
        if (!d.next.caption.empty()) out << "Next: " << d.next.caption << " (" << d.next.command << ")\n";
        out << d.teamLine << "\n";
    }
    for (const ReportTable* table :
         {&d.nextGames, &d.standings, &d.leaders, &d.results, &d.transactions, &d.injuries}) {
        out << "\n";
        if (csv) {
            out << table->title << "\n";
            WriteCsv(out, *table);
        } else if (table->rows.empty()) {
            out << table->title << "\n(none)\n";
        } else {
            WriteText(out, *table);
        }
    }
}

} // namespace hv
