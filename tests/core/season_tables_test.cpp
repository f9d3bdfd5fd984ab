// The season's list tables on hand-made leagues, as the screens and the commands show them: standings,
// schedule, leaders, team statistics and team information.
#include <gtest/gtest.h>

#include <map>

#include "reports/leaders_table.h"
#include "reports/schedule_table.h"
#include "reports/standings_table.h"
#include "reports/team_info_table.h"
#include "reports/team_stats_table.h"
#include "season/standings.h"

namespace hv {
namespace {

// Team t of the four divisions is t-(30 - t).
League SmallLeague() {
    League league;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.City = "City" + std::to_string(t);
        team.Name = "T" + std::to_string(t);
        const DivisionInfo& d = kDivisions[t <= 7 ? 0 : t <= 15 ? 1 : t <= 22 ? 2 : 3];
        team.Division = d.name;
        team.Conference = d.conference;
        team.HomeWins = static_cast<int16_t>(t);
        team.RoadLosses = static_cast<int16_t>(30 - t);
    }
    return league;
}

std::vector<std::string> Column(const ReportTable& table, const std::string& title) {
    size_t c = 0;
    while (c < table.columns.size() && table.columns[c].title != title)
        ++c;
    std::vector<std::string> cells;
    for (const auto& row : table.rows)
        cells.push_back(c < row.size() ? row[c].text : "(no column)");
    return cells;
}

std::string Cell(const ReportTable& table, size_t row, const std::string& title) {
    return Column(table, title).at(row);
}

TEST(SeasonTables, StandingsByDivisionOrConference) {
    League league = SmallLeague();
    league.team(7).Streak = 3;
    league.team(6).Streak = -2;
    ComputeStandings(league);
    ReportTable division = StandingsTable(league, StandingsView::Division);
    ASSERT_EQ(division.rows.size(), 29u);
    // Atlantic first, best record first (team 7 is 7-23); then the Central from team 15, and so on.
    const std::vector<std::pair<std::string, std::string>> first{
        {"Team", "City7 T7"}, {"W", "7"},        {"L", "23"},        {"PCT", ".233"},    {"GB", "-"},
        {"CONF_GB", "8.0"},   {"DIV_RANK", "1"}, {"CONF_RANK", "9"}, {"LAST_10", "0-0"}, {"STREAK", "W3"}};
    for (const auto& [column, text] : first)
        EXPECT_EQ(Cell(division, 0, column), text) << column;
    EXPECT_EQ(Cell(division, 1, "GB"), "1.0");
    EXPECT_EQ(Cell(division, 1, "STREAK"), "L2");
    EXPECT_EQ(division.rowKeys[7], 15);
    EXPECT_EQ(Cell(division, 28, "Division"), "Pacific");

    ReportTable conference = StandingsTable(league, StandingsView::Conference);
    std::vector<int> east(conference.rowKeys.begin(), conference.rowKeys.begin() + 15);
    EXPECT_EQ(east, (std::vector<int>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(Cell(conference, 15, "Conference"), "West");
    EXPECT_EQ(conference.rowKeys[15], 29);
}

TEST(SeasonTables, ScheduleShowsScoresOnceAndATeamsResultsAndRecord) {
    League league = SmallLeague();
    auto game = [&](int day, int number, const char* home, const char* away, int hs, int as, bool played) {
        ScheduleDay& d = league.schedule[static_cast<size_t>(day)];
        d.NumGames = std::max<int16_t>(d.NumGames, static_cast<int16_t>(number));
        ScheduledGame& entry = d.Games[static_cast<size_t>(number)];
        entry.Played = played;
        entry.HomeTeam = home;
        entry.AwayTeam = away;
        entry.HomeScore = static_cast<int16_t>(hs);
        entry.AwayScore = static_cast<int16_t>(as);
    };
    game(1, 1, "T1", "T2", 101, 99, true);
    game(1, 2, "T3", "T4", 88, 90, true);
    game(2, 1, "T2", "T3", 0, 0, false);
    game(3, 1, "T4", "T1", 110, 97, true);
    game(122, 1, "T1", "T4", 90, 80, true); // the playoffs count afresh

    ReportTable all = ScheduleTable(league);
    EXPECT_EQ(all.rowKeys, (std::vector<int>{101, 102, 201, 301, 12201}));
    EXPECT_EQ(Column(all, "Home"), (std::vector<std::string>{"T1", "T3", "T2", "T4", "T1"}));
    EXPECT_EQ(Column(all, "Away"), (std::vector<std::string>{"T2", "T4", "T3", "T1", "T4"}));
    EXPECT_EQ(Column(all, "Home Score"), (std::vector<std::string>{"101", "88", "", "110", "90"}));
    EXPECT_EQ(Column(all, "Away Score"), (std::vector<std::string>{"99", "90", "", "97", "80"}));
    EXPECT_EQ(Column(all, "Played"), (std::vector<std::string>{"Yes", "Yes", "No", "Yes", "Yes"}));

    ReportTable t1 = ScheduleTable(league, 1);
    EXPECT_EQ(Column(t1, "Day"), (std::vector<std::string>{"1", "3", "122"}));
    EXPECT_EQ(Column(t1, "Result"), (std::vector<std::string>{"W 101-99", "L 97-110", "W 90-80"}));
    EXPECT_EQ(Column(t1, "Record"), (std::vector<std::string>{"1-0", "1-1", "1-0"}));
    EXPECT_EQ(Column(ScheduleTable(league, 2), "Result"), (std::vector<std::string>{"L 99-101", ""}));
    EXPECT_EQ(Column(ScheduleTable(league, 1, 3), "Record"), (std::vector<std::string>{"1-1"}));
    EXPECT_EQ(ScheduleTable(league, 0, 1).rows.size(), 2u);
}

void GivePlayer(League& league, int id, const std::string& team, int games, int base) {
    Player& p = league.player(id);
    p.Name = "Player " + std::to_string(id);
    p.Team = team;
    SeasonTotals& s = p.SeasonStats;
    s.Games = static_cast<int16_t>(games);
    s.Points = static_cast<int16_t>(games * base);
    s.FGA = static_cast<int16_t>(games * 10);
    s.FG = static_cast<int16_t>(games * base / 5);
}

TEST(SeasonTables, LeadersTakeQualifiedPlayersAndShareRanks) {
    League league = SmallLeague(); // the most games a team has played: 30
    LeaderMinimums m = LeaderMinimumsOf(league);
    EXPECT_EQ(std::vector<int>({m.teamGames, m.games, m.fieldGoals, m.freeThrows, m.threePointers}),
              std::vector<int>({30, 21, 110, 46, 30})); // 70 %; 300, 125 and 82 made per 82 games
    GivePlayer(league, 1, "T1", 21, 20);                // 20.0 points, qualified at the edge
    GivePlayer(league, 2, "T2", 20, 30);                // 30.0 but one game short; 120 field goals of 200
    GivePlayer(league, 3, "T3", 25, 24);                // 24.0; 120 of 250
    GivePlayer(league, 4, "FA", 22, 20);                // 20.0, level with player 1
    GivePlayer(league, 5, "T5", 30, 10);
    league.player(5).SeasonStats.FG = 109; // one field goal short of the shooting minimum

    ReportTable points = LeadersTable(league, 0, 10);
    EXPECT_EQ(points.columns.back().title, "PPG");
    EXPECT_EQ(points.rowKeys, (std::vector<int>{3, 1, 4, 5}));
    EXPECT_EQ(Column(points, "Rank"), (std::vector<std::string>{"1", "2", "2", "4"}));
    EXPECT_EQ(Column(points, "PPG"), (std::vector<std::string>{"24.0", "20.0", "20.0", "10.0"}));
    EXPECT_EQ(Column(points, "Team"), (std::vector<std::string>{"T3", "T1", "FA", "T5"}));
    EXPECT_EQ(LeadersTable(league, 0, 2).rows.size(), 2u);
    ReportTable shooting = LeadersTable(league, 6, 10);
    EXPECT_EQ(shooting.rowKeys, (std::vector<int>{2, 3}));
    EXPECT_EQ(Column(shooting, "FG%"), (std::vector<std::string>{".600", ".480"}));
    ReportTable all = LeadersTable(league, -1, 3);
    EXPECT_EQ(Column(all, "Category")[3], "Rebounds");
    EXPECT_NE(all.title.find("at least 21 games"), std::string::npos);
}

TEST(SeasonTables, TeamStatsOwnAndAllowed) {
    League league = SmallLeague();
    Team& t = league.team(3); // 30 games; the totals 60, 90, 120 ... in their stored order
    int32_t value = 30;
    for (int32_t* total : t.TotalsFields())
        *total = (value += 30);
    t.PointsAllowed = t.Points + 60;
    struct Expect {
        const char* column;
        std::string own, allowedTotal;
    };
    const std::vector<Expect> cells{
        {"G", "30", "30"},      {"PTS", "2.0", "120"},   {"OPP", "4.0", "60"},    {"DIFF", "-2.0", "60"},
        {"STL", "4.0", "630"},  {"AST", "5.0", "660"},   {"REB", "6.0", "690"},   {"BLK", "7.0", "720"},
        {"TO", "8.0", "750"},   {"FG", "9.0", "480"},    {"FGA", "10.0", "450"},  {"FG%", ".900", "1.067"},
        {"FT", "11.0", "510"},  {"FTA", "12.0", "540"},  {"FT%", ".917", ".944"}, {"3P", "13.0", "570"},
        {"3PA", "14.0", "600"}, {"3P%", ".929", ".950"},
    };
    ReportTable own = TeamStatsTable(league, {.allowed = false, .perGame = true});
    ReportTable allowed = TeamStatsTable(league, {.allowed = true, .perGame = false});
    ASSERT_EQ(own.rowKeys[2], 3);
    EXPECT_EQ(Cell(own, 2, "Team"), "City3 T3");
    for (const Expect& e : cells) {
        EXPECT_EQ(Cell(own, 2, e.column), e.own) << e.column;
        EXPECT_EQ(Cell(allowed, 2, e.column), e.allowedTotal) << e.column;
    }
    EXPECT_EQ(Cell(own, 0, "FG%"), ".000"); // no attempts
}

TEST(SeasonTables, TeamInformation) {
    League league = SmallLeague();
    league.state.SetSalaryCapDollars(42500000);
    Team& t = league.team(2);
    t.Owner = "Human";
    t.HomeWins = 9, t.HomeLosses = 4, t.RoadWins = 7, t.RoadLosses = 10;
    t.Streak = -4;
    t.Championships = 2, t.FinalsAppearances = 3, t.Playoffs = 7, t.LastPlayoffYear = 2004;
    t.TotalWins = 812, t.TotalLosses = 790, t.PlayoffWins = 41, t.PlayoffLosses = 37;
    for (auto [id, team, salary] :
         {std::tuple{10, "T2", 9000000}, {11, "T2", 35000000}, {12, "T3", 1000000}}) {
        GivePlayer(league, id, team, 1, 1);
        league.player(id).contract1 = salary;
    }
    league.player(11).IR = true;
    ComputeStandings(league);
    ReportTable info = TeamInfoTable(league, 2);
    EXPECT_EQ(info.title, "City2 T2");
    std::map<std::string, std::string> facts;
    for (const auto& row : info.rows)
        facts[row[0].text] = row[1].text;
    EXPECT_EQ(facts, (std::map<std::string, std::string>{{"City", "City2"},
                                                         {"Name", "T2"},
                                                         {"Owner", "Human"},
                                                         {"Conference", "East"},
                                                         {"Division", "Atlantic"},
                                                         {"Record", "16-14"},
                                                         {"Home", "9-4"},
                                                         {"Road", "7-10"},
                                                         {"Streak", "L4"},
                                                         {"Last 10", "0-0"},
                                                         {"Division rank", "1 (games behind: -)"},
                                                         {"Conference rank", "1 (games behind: -)"},
                                                         {"Players", "2 (1 active)"},
                                                         {"Payroll", "$44,000,000"},
                                                         {"Cap room", "-$1,500,000"},
                                                         {"Championships", "2"},
                                                         {"Finals appearances", "3"},
                                                         {"Playoff appearances", "7"},
                                                         {"Last playoff season", "2004"},
                                                         {"All-time record", "812-790"},
                                                         {"All-time playoff record", "41-37"}}));
}

} // namespace
} // namespace hv
