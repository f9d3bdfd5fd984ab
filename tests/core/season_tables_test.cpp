// The season's list tables on hand-made leagues: standings, schedule, leaders, team statistics and team
// information, as the screens and the commands show them.
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
    league.state.Season = 2006;
    league.state.SeasonDay = 50;
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

TEST(SeasonTables, StandingsRowsByDivisionOrConference) {
    League league = SmallLeague();
    league.team(7).Streak = 3;
    league.team(6).Streak = -2;
    ComputeStandings(league);
    ReportTable division = StandingsTable(league, StandingsView::Division);
    std::vector<std::string> titles;
    for (const ReportColumn& c : division.columns)
        titles.push_back(c.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Conference", "Division", "Team", "W", "L", "PCT", "GB",
                                                "CONF_GB", "DIV_RANK", "CONF_RANK", "LAST_10", "STREAK"}));
    ASSERT_EQ(division.rows.size(), 29u);
    // Atlantic first, best record first: team 7 is 7-23.
    EXPECT_EQ(division.rowKeys[0], 7);
    EXPECT_EQ(Cell(division, 0, "Team"), "City7 T7");
    EXPECT_EQ(Cell(division, 0, "W"), "7");
    EXPECT_EQ(Cell(division, 0, "L"), "23");
    EXPECT_EQ(Cell(division, 0, "PCT"), ".233");
    EXPECT_EQ(Cell(division, 0, "GB"), "-");
    EXPECT_EQ(Cell(division, 1, "GB"), "1.0");
    EXPECT_EQ(Cell(division, 0, "CONF_GB"), "8.0"); // team 15 leads the East at 15-15
    EXPECT_EQ(Cell(division, 0, "DIV_RANK"), "1");
    EXPECT_EQ(Cell(division, 0, "CONF_RANK"), "9");
    EXPECT_EQ(Cell(division, 0, "STREAK"), "W3");
    EXPECT_EQ(Cell(division, 1, "STREAK"), "L2");
    EXPECT_EQ(Cell(division, 0, "LAST_10"), "0-0");
    EXPECT_EQ(division.rowKeys[7], 15); // then the Central
    EXPECT_EQ(division.rowKeys[15], 22);
    EXPECT_EQ(Cell(division, 28, "Division"), "Pacific");

    ReportTable conference = StandingsTable(league, StandingsView::Conference);
    std::vector<int> east(conference.rowKeys.begin(), conference.rowKeys.begin() + 15);
    EXPECT_EQ(east, (std::vector<int>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(conference.rowKeys[15], 29);
    EXPECT_EQ(Cell(conference, 15, "Conference"), "West");
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
    ASSERT_EQ(all.rows.size(), 5u);
    EXPECT_EQ(all.rowKeys[1], 102);
    EXPECT_EQ(Column(all, "Home"), (std::vector<std::string>{"T1", "T3", "T2", "T4", "T1"}));
    EXPECT_EQ(Column(all, "Away"), (std::vector<std::string>{"T2", "T4", "T3", "T1", "T4"}));
    EXPECT_EQ(Column(all, "Home Score"), (std::vector<std::string>{"101", "88", "", "110", "90"}));
    EXPECT_EQ(Column(all, "Away Score"), (std::vector<std::string>{"99", "90", "", "97", "80"}));
    EXPECT_EQ(Column(all, "Played"), (std::vector<std::string>{"Yes", "Yes", "No", "Yes", "Yes"}));
    EXPECT_EQ(Column(all, "Result"), (std::vector<std::string>(5, "(no column)")));

    ReportTable t1 = ScheduleTable(league, 1);
    EXPECT_EQ(Column(t1, "Day"), (std::vector<std::string>{"1", "3", "122"}));
    EXPECT_EQ(Column(t1, "Result"), (std::vector<std::string>{"W 101-99", "L 97-110", "W 90-80"}));
    EXPECT_EQ(Column(t1, "Record"), (std::vector<std::string>{"1-0", "1-1", "1-0"}));
    ReportTable t2 = ScheduleTable(league, 2);
    EXPECT_EQ(Column(t2, "Result"), (std::vector<std::string>{"L 99-101", ""}));

    ReportTable day3ofT1 = ScheduleTable(league, 1, 3);
    ASSERT_EQ(day3ofT1.rows.size(), 1u);
    EXPECT_EQ(Cell(day3ofT1, 0, "Record"), "1-1"); // the record counts the days before too
    EXPECT_EQ(ScheduleTable(league, 0, 1).rows.size(), 2u);
}

// A player with `games` games and per-game figures from `base`.
void GivePlayer(League& league, int id, const std::string& team, int games, int base) {
    Player& p = league.player(id);
    p.Name = "Player " + std::to_string(id);
    p.Team = team;
    p.DefaultPosition = "SF";
    SeasonTotals& s = p.SeasonStats;
    s.Games = static_cast<int16_t>(games);
    s.Points = static_cast<int16_t>(games * base);
    s.Rebounds = static_cast<int16_t>(games * (base % 7 + 1));
    s.Minutes = static_cast<int16_t>(games * 30);
    s.FGA = static_cast<int16_t>(games * 10);
    s.FG = static_cast<int16_t>(games * base / 5);
}

TEST(SeasonTables, LeadersTakeQualifiedPlayersAndShareRanks) {
    League league = SmallLeague(); // the most games a team has played: 30
    LeaderMinimums m = LeaderMinimumsOf(league);
    EXPECT_EQ(m.teamGames, 30);
    EXPECT_EQ(m.games, 21);       // 70 %
    EXPECT_EQ(m.fieldGoals, 110); // 300 per 82 games
    EXPECT_EQ(m.freeThrows, 46);  // 125 per 82
    EXPECT_EQ(m.threePointers, 30);

    GivePlayer(league, 1, "T1", 21, 20); // 20.0 points, qualified at the edge
    GivePlayer(league, 2, "T2", 20, 30); // 30.0 but one game short
    GivePlayer(league, 3, "T3", 25, 24); // 24.0
    GivePlayer(league, 4, "FA", 22, 20); // 20.0, level with player 1
    GivePlayer(league, 5, "T5", 30, 10);
    league.player(5).SeasonStats.FG = 109; // one field goal short of the shooting minimum

    ReportTable points = LeadersTable(league, 0, 10);
    EXPECT_EQ(points.columns.back().title, "PPG");
    EXPECT_EQ(points.rowKeys, (std::vector<int>{3, 1, 4, 5}));
    EXPECT_EQ(Column(points, "Rank"), (std::vector<std::string>{"1", "2", "2", "4"}));
    EXPECT_EQ(Column(points, "PPG"), (std::vector<std::string>{"24.0", "20.0", "20.0", "10.0"}));
    EXPECT_EQ(Column(points, "Team"), (std::vector<std::string>{"T3", "T1", "FA", "T5"}));
    EXPECT_EQ(LeadersTable(league, 0, 2).rows.size(), 2u);

    ReportTable shooting = LeadersTable(league, 6, 10); // field goal percentage
    EXPECT_EQ(shooting.columns.back().title, "FG%");
    EXPECT_EQ(shooting.rowKeys, (std::vector<int>{2, 3})); // the others made too few
    EXPECT_EQ(Cell(shooting, 1, "FG%"), ".480");

    ReportTable all = LeadersTable(league, -1, 3);
    EXPECT_EQ(all.columns.front().title, "Category");
    EXPECT_EQ(all.columns.back().title, "Value");
    EXPECT_EQ(Cell(all, 0, "Category"), "Points");
    EXPECT_EQ(Cell(all, 3, "Category"), "Rebounds");
    EXPECT_NE(all.title.find("at least 21 games"), std::string::npos);
}

TEST(SeasonTables, TeamStatsOwnAndAllowedPerGameAndTotals) {
    League league = SmallLeague();
    Team& t = league.team(3); // 30 games
    t.Points = 3030, t.PointsAllowed = 2970, t.FG = 1200, t.FGA = 2500, t.ThreeP = 240, t.ThreePA = 660;
    t.FT = 390, t.FTA = 520, t.Rebounds = 1320, t.Assists = 690, t.Steals = 240, t.Blocks = 150;
    t.Turnovers = 420, t.FGallowed = 1150, t.FGAallowed = 2600, t.ReboundsAllowed = 1290;
    t.TurnoversAllowed = 450;

    ReportTable own = TeamStatsTable(league, {.allowed = false, .perGame = true});
    ASSERT_EQ(own.rows.size(), 29u);
    EXPECT_EQ(own.rowKeys[2], 3);
    EXPECT_EQ(Cell(own, 2, "Team"), "City3 T3");
    EXPECT_EQ(Cell(own, 2, "G"), "30");
    EXPECT_EQ(Cell(own, 2, "PTS"), "101.0");
    EXPECT_EQ(Cell(own, 2, "OPP"), "99.0");
    EXPECT_EQ(Cell(own, 2, "DIFF"), "2.0");
    EXPECT_EQ(Cell(own, 2, "FG%"), ".480");
    EXPECT_EQ(Cell(own, 2, "3P"), "8.0");
    EXPECT_EQ(Cell(own, 2, "3P%"), ".364");
    EXPECT_EQ(Cell(own, 2, "FT%"), ".750");
    EXPECT_EQ(Cell(own, 2, "REB"), "44.0");
    EXPECT_EQ(Cell(own, 2, "AST"), "23.0");
    EXPECT_EQ(Cell(own, 2, "STL"), "8.0");
    EXPECT_EQ(Cell(own, 2, "BLK"), "5.0");
    EXPECT_EQ(Cell(own, 2, "TO"), "14.0");

    ReportTable allowed = TeamStatsTable(league, {.allowed = true, .perGame = false});
    EXPECT_EQ(Cell(allowed, 2, "PTS"), "2970");
    EXPECT_EQ(Cell(allowed, 2, "OPP"), "3030");
    EXPECT_EQ(Cell(allowed, 2, "FG"), "1150");
    EXPECT_EQ(Cell(allowed, 2, "FGA"), "2600");
    EXPECT_EQ(Cell(allowed, 2, "REB"), "1290");
    EXPECT_EQ(Cell(allowed, 2, "TO"), "450");
    EXPECT_EQ(Cell(TeamStatsTable(league, {}), 0, "FG%"), ".000"); // no attempts
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
    GivePlayer(league, 10, "T2", 1, 1);
    league.player(10).contract1 = 9000000;
    GivePlayer(league, 11, "T2", 1, 1);
    league.player(11).contract1 = 35000000;
    league.player(11).IR = true;
    GivePlayer(league, 12, "T3", 1, 1);
    league.player(12).contract1 = 1000000;
    EXPECT_EQ(TeamPayroll(league, 2), 44000000);
    ComputeStandings(league);

    ReportTable info = TeamInfoTable(league, 2);
    EXPECT_EQ(info.title, "City2 T2");
    std::map<std::string, std::string> facts;
    for (const auto& row : info.rows)
        facts[row[0].text] = row[1].text;
    EXPECT_EQ(facts["City"], "City2");
    EXPECT_EQ(facts["Owner"], "Human");
    EXPECT_EQ(facts["Conference"], "East");
    EXPECT_EQ(facts["Division"], "Atlantic");
    EXPECT_EQ(facts["Record"], "16-14");
    EXPECT_EQ(facts["Home"], "9-4");
    EXPECT_EQ(facts["Road"], "7-10");
    EXPECT_EQ(facts["Streak"], "L4");
    EXPECT_EQ(facts["Division rank"], "1 (games behind: -)");
    EXPECT_EQ(facts["Conference rank"], "1 (games behind: -)");
    EXPECT_EQ(facts["Players"], "2 (1 active)");
    EXPECT_EQ(facts["Payroll"], "$44,000,000");
    EXPECT_EQ(facts["Cap room"], "-$1,500,000");
    EXPECT_EQ(facts["Championships"], "2");
    EXPECT_EQ(facts["Finals appearances"], "3");
    EXPECT_EQ(facts["Playoff appearances"], "7");
    EXPECT_EQ(facts["Last playoff season"], "2004");
    EXPECT_EQ(facts["All-time record"], "812-790");
    EXPECT_EQ(facts["All-time playoff record"], "41-37");
}

} // namespace
} // namespace hv
