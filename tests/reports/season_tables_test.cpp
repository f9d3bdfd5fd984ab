// Standings, their tie-breaks and archive, and the season's list tables on hand-made leagues.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "platform/scripted_host.h"
#include "reports/leaders_table.h"
#include "reports/schedule_table.h"
#include "reports/standings_table.h"
#include "reports/team_info_table.h"
#include "reports/team_stats_table.h"
#include "season/schedule.h"
#include "season/standings.h"
#include "support/report_column.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

using test::Column;

// 29 teams in the league's four divisions: 1-7 Atlantic, 8-15 Central, 16-22 Midwest, 23-29 Pacific. Team t
// is (wins + t)-(losses - t).
League FourDivisions(int wins, int losses) {
    League league;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.City = "City" + std::to_string(t), team.Name = "T" + std::to_string(t);
        const DivisionInfo& d = kDivisions[t <= 7 ? 0 : t <= 15 ? 1 : t <= 22 ? 2 : 3];
        team.Division = d.name, team.Conference = d.conference;
        team.HomeWins = int16_t(wins + t), team.RoadLosses = int16_t(losses - t);
    }
    return league;
}

std::string Cell(const ReportTable& table, size_t row, const std::string& title) {
    return Column(table, title).at(row);
}

TEST(SeasonTables, StandingsByDivisionOrConference) {
    League league = FourDivisions(0, 30);
    league.team(7).Streak = 3;
    league.team(6).Streak = -2;
    ComputeStandings(league);
    ReportTable division = StandingsTable(league, StandingsView::Division);
    ASSERT_EQ(division.rows.size(), 29u);
    // Atlantic first, best record first (team 7 is 7-23); then the Central from team 15, and so on.
    const std::vector<std::pair<std::string, std::string>> first{
        {"Team", "City7 T7"}, {"W", "7"},        {"L", "23"},        {"Pct", ".233"},    {"GB", "-"},
        {"Conf GB", "8.0"},   {"Div Rank", "1"}, {"Conf Rank", "9"}, {"Last 10", "0-0"}, {"Streak", "W3"}};
    for (const auto& [column, text] : first)
        EXPECT_EQ(Cell(division, 0, column), text) << column;
    EXPECT_EQ(Cell(division, 1, "GB"), "1.0");
    EXPECT_EQ(Cell(division, 1, "Streak"), "L2");
    EXPECT_EQ(division.rowKeys[7], 15);
    EXPECT_EQ(Cell(division, 28, "Division"), "Pacific");

    ReportTable conference = StandingsTable(league, StandingsView::Conference);
    std::vector<int> east(conference.rowKeys.begin(), conference.rowKeys.begin() + 15);
    EXPECT_EQ(east, (std::vector<int>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(Cell(conference, 15, "Conference"), "West");
    EXPECT_EQ(conference.rowKeys[15], 29);
}

TEST(SeasonTables, StandingsReadAsOneTablePerDivisionOrConference) {
    League league = FourDivisions(0, 30);
    league.team(3).Owner = "Human";
    ComputeStandings(league);
    std::vector<ReportTable> divisions = StandingsGroupTables(league, StandingsView::Division);
    ASSERT_EQ(divisions.size(), 4u);
    EXPECT_EQ(divisions[0].title, "East - Atlantic");
    EXPECT_EQ(divisions[3].title, "West - Pacific");
    size_t rows = 0;
    for (const ReportTable& t : divisions)
        rows += t.rows.size();
    EXPECT_EQ(rows, 29u);
    // The Atlantic from its best, team 7 at 7-23, down to team 1; team 3 (human) alone stands out.
    EXPECT_EQ(divisions[0].rowKeys, (std::vector<int>{7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(Cell(divisions[0], 1, "GB"), "1.0");
    EXPECT_EQ(Cell(divisions[0], 0, "Conf GB"), "8.0");
    EXPECT_EQ(Cell(divisions[0], 0, "Last 10"), "0-0");
    for (size_t r = 0; r < 7; ++r)
        EXPECT_EQ(divisions[0].IsHighlighted(r), divisions[0].rowKeys[r] == 3) << r;
    EXPECT_EQ(divisions[0].rowKind, RowKind::Team);

    std::vector<ReportTable> conferences = StandingsGroupTables(league, StandingsView::Conference);
    ASSERT_EQ(conferences.size(), 2u);
    EXPECT_EQ(conferences[0].title, "East Conference");
    EXPECT_EQ(conferences[0].rows.size(), 15u);
    // In a conference GB counts from the conference's leader: team 7 is 8 games behind team 15.
    EXPECT_EQ(conferences[0].rowKeys[8], 7);
    EXPECT_EQ(Cell(conferences[0], 8, "GB"), "8.0");
    std::ostringstream text;
    WriteText(text, conferences[0]);
    EXPECT_NE(text.str().find("City3 T3"), std::string::npos);
    const std::string line3 = text.str().substr(text.str().find("City3 T3"));
    EXPECT_EQ(line3.substr(0, line3.find('\n')).back(), '*');
}

TEST(SeasonTables, ScheduleShowsScoresOnceAndATeamsResultsAndRecord) {
    League league = FourDivisions(0, 30);
    auto game = [&](int day, int number, const char* home, const char* away, int hs, int as, bool played) {
        ScheduleDay& d = league.schedule[static_cast<size_t>(day)];
        d.NumGames = std::max<int16_t>(d.NumGames, static_cast<int16_t>(number));
        ScheduledGame& entry = d.Games[static_cast<size_t>(number)];
        entry.Played = played, entry.HomeTeam = home, entry.AwayTeam = away;
        entry.HomeScore = int16_t(hs), entry.AwayScore = int16_t(as);
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

    ReportTable t1 = ScheduleTable(league, 1);
    EXPECT_EQ(Column(t1, "Day"), (std::vector<std::string>{"1", "3", "122"}));
    EXPECT_EQ(Column(t1, "Result"), (std::vector<std::string>{"W 101-99", "L 97-110", "W 90-80"}));
    EXPECT_EQ(Column(t1, "Record"), (std::vector<std::string>{"1-0", "1-1", "1-0"}));
    EXPECT_EQ(Column(ScheduleTable(league, 2), "Result"), (std::vector<std::string>{"L 99-101", ""}));
    EXPECT_EQ(ScheduleTable(league, 0, 1).rows.size(), 2u);
}

void GivePlayer(League& league, int id, const std::string& team, int games, int base) {
    Player& p = league.player(id);
    p.Name = "Player " + std::to_string(id), p.Team = team;
    SeasonTotals& s = p.SeasonStats;
    s.Games = int16_t(games), s.Points = int16_t(games * base), s.FGA = int16_t(games * 10);
    s.FG = int16_t(games * base / 5);
}

TEST(SeasonTables, LeadersTakeQualifiedPlayersAndShareRanks) {
    League league = FourDivisions(0, 30); // the most games a team has played: 30
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
    ReportTable shooting = LeadersTable(league, 6, 10);
    EXPECT_EQ(shooting.rowKeys, (std::vector<int>{2, 3}));
    EXPECT_EQ(Column(shooting, "FG%"), (std::vector<std::string>{".600", ".480"}));
    ReportTable all = LeadersTable(league, -1, 3);
    EXPECT_EQ(Column(all, "Category")[3], "Rebounds");
    EXPECT_NE(all.title.find("at least 21 games"), std::string::npos);
}

TEST(SeasonTables, TeamStatsOwnAndAllowed) {
    League league = FourDivisions(0, 30);
    Team& t = league.team(3); // 30 games; the totals 60, 90, 120 ... in their stored order
    int32_t value = 30;
    for (int32_t* total : t.TotalsFields())
        *total = (value += 30);
    t.PointsAllowed = t.Points + 60;
    struct Expect {
        const char* column;
        std::string own, allowedTotal;
    };
    const std::vector<Expect> cells{{"G", "30", "30"},      {"PTS", "2.0", "120"},  {"OPP", "4.0", "60"},
                                    {"DIFF", "-2.0", "60"}, {"STL", "4.0", "630"},  {"AST", "5.0", "660"},
                                    {"REB", "6.0", "690"},  {"BLK", "7.0", "720"},  {"TO", "8.0", "750"},
                                    {"FG", "9.0", "480"},   {"FGA", "10.0", "450"}, {"FG%", ".900", "1.067"},
                                    {"FT", "11.0", "510"},  {"FTA", "12.0", "540"}, {"FT%", ".917", ".944"},
                                    {"3P", "13.0", "570"},  {"3PA", "14.0", "600"}, {"3P%", ".929", ".950"}};
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
    League league = FourDivisions(0, 30);
    league.state.SetSalaryCapDollars(42500000);
    Team& t = league.team(2);
    t.Owner = "Human", t.Streak = -4;
    t.HomeWins = 9, t.HomeLosses = 4, t.RoadWins = 7, t.RoadLosses = 10;
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
    std::string facts;
    for (const auto& row : info.rows)
        facts += row[0].text + "=" + row[1].text + "\n";
    EXPECT_EQ(facts, "City=City2\nName=T2\nOwner=Human\nConference=East\nDivision=Atlantic\nRecord=16-14\n"
                     "Home=9-4\nRoad=7-10\nStreak=L4\nLast 10=0-0\nDivision rank=1 (games behind: -)\n"
                     "Conference rank=1 (games behind: -)\nPlayers=2 (1 active)\nPayroll=$44,000,000\n"
                     "Cap room=-$1,500,000\nChampionships=2\nFinals appearances=3\nPlayoff appearances=7\n"
                     "Last playoff season=2004\nAll-time record=812-790\nAll-time playoff record=41-37\n");
}

// Wins and losses split between home and road so that both halves count.
void SetRecord(League& league, int team, int wins, int losses) {
    Team& t = league.team(team);
    t.HomeWins = int16_t(wins / 2), t.RoadWins = int16_t(wins - wins / 2);
    t.HomeLosses = int16_t(losses - losses / 2), t.RoadLosses = int16_t(losses / 2);
}

// Games between two teams: a's wins, b's wins and a's point difference over them.
void Meet(League& league, int a, int b, int aWins, int bWins, int aPoints) {
    Team &x = league.team(a), &y = league.team(b);
    const size_t at = size_t(a), bt = size_t(b);
    x.SeasonWinsVs[bt] = y.SeasonLossesVs[at] = int16_t(aWins);
    x.SeasonLossesVs[bt] = y.SeasonWinsVs[at] = int16_t(bWins);
    x.PointsVs[bt] = int16_t(aPoints), y.PointsVs[at] = int16_t(-aPoints);
}

std::vector<int> DivisionOrder(const League& league, const std::string& division) {
    std::vector<int> order(kLeagueTeams + 1, 0);
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).Division == division) order.at(static_cast<size_t>(league.team(t).DivRank)) = t;
    order.erase(std::remove(order.begin(), order.end(), 0), order.end());
    return order;
}

TEST(Standings, TwoWayTiesGoByHeadToHeadThenByPoints) {
    struct Case {
        const char* what;
        int firstWins, secondWins, firstPoints; // team 1 against team 2
        int leader;
    };
    // Team 2 has more wins, team 1 the earlier slot; the leaders alternate, so neither decides, nor a draw.
    const std::vector<Case> cases{{"team 2 won the season series", 1, 3, 25, 2},
                                  {"team 1 won the season series", 3, 1, -25, 1},
                                  {"split series, team 2 scored more", 2, 2, -7, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        League league = FourDivisions(20, 40);
        SetRecord(league, 1, 10, 5);
        SetRecord(league, 2, 11, 6); // the same balance, +5
        Meet(league, 1, 2, c.firstWins, c.secondWins, c.firstPoints);
        Meet(league, 1, 3, 4, 0, 60); // games against others do not count
        ComputeStandings(league);
        const Team& leader = league.team(c.leader);
        const Team& other = league.team(3 - c.leader);
        EXPECT_EQ(std::tie(leader.DivRank, other.DivRank, other.GB), std::make_tuple(1, 2, leader.GB));
        EXPECT_EQ(other.ConfRank, leader.ConfRank + 1);
    }
}

TEST(Standings, ThreeWayTieCountsOnlyTheGamesAmongTheThree) {
    League league = FourDivisions(20, 40);
    for (int t : {9, 10, 11})
        SetRecord(league, t, 15, 6); // +9: no other team of the East has it
    Meet(league, 11, 9, 2, 0, 10);   // 11: +2 among the three
    Meet(league, 11, 10, 1, 1, 0);
    Meet(league, 10, 9, 1, 1, 0);   // 10: 0, 9: -2
    Meet(league, 9, 12, 8, 0, 120); // 9 against a fourth team: would put 9 first if it counted
    ComputeStandings(league);
    EXPECT_EQ(DivisionOrder(league, "Central"), (std::vector<int>{15, 11, 10, 9, 14, 13, 12, 8}));
    EXPECT_EQ(league.team(10).ConfRank, league.team(11).ConfRank + 1);
    EXPECT_EQ(league.team(9).ConfRank, league.team(10).ConfRank + 1);
}

TEST(Standings, ArchiveHoldsEachDivisionByPercentage) {
    League league = FourDivisions(20, 40);
    SetRecord(league, 2, 50, 32); // Atlantic: 2 first, then 7 .. 3, 1
    SetRecord(league, 16, 30, 52);
    league.tables.archive.resize(1);
    league.tables.archive[0].Season = 2005;
    league.state.Season = 2006;
    ScriptedHost host;
    ASSERT_TRUE(ArchiveStandings(league, host)); // the percentages are computed first
    ASSERT_EQ(league.tables.archive.size(), 2u); // a new entry for 2006
    const SeasonArchive& a = league.tables.archive.back();
    EXPECT_EQ(a.Season, 2006);
    std::string names;
    for (const StandingLine& line : a.Standings)
        names += line.TeamName.substr(line.TeamName.find(' ') + 1) + " ";
    // Atlantic, then the Central from line 8, the Midwest from line 16 and the Pacific from line 23.
    EXPECT_EQ(names, "T2 T7 T6 T5 T4 T3 T1 T15 T14 T13 T12 T11 T10 T9 T8 T22 T21 T20 T19 T18 T17 T16 T29 T28 "
                     "T27 T26 T25 T24 T23 ");
    EXPECT_EQ(
        std::tie(a.Standings[0].Record, a.Standings[0].Wins, a.Standings[0].Losses, a.Standings[28].Record),
        std::make_tuple("50 - 32", 50, 32, "43 - 17"));
}

TEST(Standings, LastTenWalksBackFromTheCurrentDay) {
    League league = FourDivisions(20, 40);
    // Days 1 to 14: team 5 beats team 6; team 1 meets team 2 and wins on the even days. Day 14's is unplayed.
    for (int d = 1; d <= 14; ++d) {
        AddScheduledGame(league, d, "T5", "T6");
        AddScheduledGame(league, d, d % 3 ? "T2" : "T1", d % 3 ? "T1" : "T2");
        auto& games = league.schedule[static_cast<size_t>(d)].Games;
        const int16_t one = d % 2 == 0 ? 100 : 95, two = 97;
        games[1].Played = true, games[1].HomeScore = 90, games[1].AwayScore = 80;
        games[2].Played = d < 14, games[2].HomeScore = d % 3 ? two : one,
        games[2].AwayScore = d % 3 ? one : two;
    }
    // Playoff games, which team 5 loses, count nowhere.
    for (int d = 122; d <= 125; ++d) {
        AddScheduledGame(league, d, "T6", "T5");
        auto& game = league.schedule[static_cast<size_t>(d)].Games[1];
        game.Played = true, game.HomeScore = 99, game.AwayScore = 88;
    }
    const std::vector<std::tuple<int, int, std::string>> cases{
        {14, 1, "5-5"},                  // days 13 back to 4
        {14, 2, "5-5"},   {4, 1, "2-2"}, // the current day's game counts once played
        {126, 5, "10-0"},                // in the playoffs: from the regular season's last day
        {190, 5, "10-0"},                // past the schedule: from its last day
        {190, 6, "0-10"}, {190, 9, "0-0"}};
    for (const auto& [day, team, expected] : cases) {
        league.state.SeasonDay = static_cast<int16_t>(day);
        EXPECT_EQ(RecordText(LastTenRecord(league, team)), expected) << "day " << day << " team " << team;
    }
}

} // namespace
} // namespace hv
