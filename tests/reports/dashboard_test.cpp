// The hub's dashboard on a small hand-made league: the next step of every phase, the human team's record and
// rank, its coming games, and the latest results newest first.
#include <gtest/gtest.h>

#include <sstream>

#include "league/hub_commands.h"
#include "league/team_control.h"
#include "reports/dashboard.h"
#include "reports/playoff_tables.h"
#include "reports/schedule_table.h"
#include "season/standings.h"
#include "support/report_column.h"

namespace hv {
namespace {

using test::Column;

// Teams 1-15 East, 16-29 West; team t has t wins and 1 loss, except as a test sets it.
League SmallLeague() {
    League league;
    league.leagueOpen = true;
    league.state.LeagueName = "Winter";
    league.state.Season = 2005;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.City = "City" + std::to_string(t), team.Name = "T" + std::to_string(t);
        team.Conference = t <= 15 ? "East" : "West";
        team.HomeWins = int16_t(t), team.RoadLosses = 1;
    }
    return league;
}

void Game(League& league, int day, int game, int home, int away, int homeScore, int awayScore) {
    ScheduleDay& d = league.schedule[size_t(day)];
    d.NumGames = int16_t(std::max<int>(d.NumGames, game));
    ScheduledGame& g = d.Games[size_t(game)];
    g.HomeTeam = league.team(home).Name, g.AwayTeam = league.team(away).Name;
    g.Played = homeScore > 0;
    g.HomeScore = int16_t(homeScore), g.AwayScore = int16_t(awayScore);
}

TEST(Dashboard, NextStepOfEveryPhase) {
    struct Case {
        int day, draftState;
        const char *caption, *command;
    };
    // Transcribed from the phases of the season and the hub command each one waits for.
    const Case cases[] = {
        {-5, 0, "Run the Creation Draft", "mnuCreationDraft"},
        {-5, 1, "Resume the Draft", "mnuResumeDraft"},
        {0, 0, "Begin Season", "mnuBeginSeason"},
        {1, 0, "Sim to the All-Star break", "mnuSimGames"},
        {59, 0, "Sim to the All-Star break", "mnuSimGames"},
        {60, 0, "Play the All-Star weekend", "mnuSimGames"},
        {61, 0, "Sim to the trade deadline", "mnuSimGames"},
        {99, 0, "Sim to the trade deadline", "mnuSimGames"},
        {100, 0, "Sim to the end of the regular season", "mnuSimGames"},
        {120, 0, "Sim to the end of the regular season", "mnuSimGames"},
        {121, 0, "Begin the Playoffs", "mnuPlayoffs"},
        {122, 0, "Sim the Playoffs", "mnuPlayoffs"},
        {166, 0, "Sim the Playoffs", "mnuPlayoffs"},
        {167, 0, "End Season", "mnuEndSeason"},
        {169, 0, "End Season", "mnuEndSeason"},
        {170, 0, "Run the draft", "mnuRookieDraft"},
        {170, 1, "Resume the Draft", "mnuResumeDraft"},
        {170, 2, "Resume the Draft", "mnuResumeDraft"},
        {180, 0, "Run Free Agency", "mnuRunFA"},
        {186, 0, "Run Free Agency", "mnuRunFA"},
        {190, 0, "Run Training Camps", "mnuCamps"},
        {-1, 0, "", ""},
    };
    for (const Case& c : cases) {
        SeasonState s;
        s.SeasonDay = int16_t(c.day);
        s.DraftState = int16_t(c.draftState);
        NextStep next = NextStepOf(s);
        EXPECT_EQ(next.caption, c.caption) << c.day;
        EXPECT_EQ(next.command, c.command) << c.day;
        // The button is never offered for a command the hub has off in that phase.
        if (!next.command.empty()) {
            EXPECT_TRUE(CommandAvailability(s, true)[next.command]) << c.day;
        }
    }
}

TEST(Dashboard, HumanTeamRecordRankAndNextGames) {
    League league = SmallLeague();
    SetHuman(league.team(3), true);
    league.team(3).HomeWins = 10, league.team(3).RoadLosses = 2;   // 10-2, +8
    league.team(14).HomeWins = 14, league.team(14).RoadLosses = 5; // 14-5, +9
    league.state.SeasonDay = 2;
    Game(league, 1, 1, 3, 4, 100, 90);
    Game(league, 2, 1, 5, 3, 0, 0); // to come
    Game(league, 3, 2, 3, 20, 0, 0);
    Dashboard d = BuildDashboard(league);
    EXPECT_EQ(d.title, "Winter - Season 2005");
    EXPECT_EQ(d.team, 3);
    // East by wins minus losses, then wins: T15 +14, T13 +12, T12 +11, T11 +10, T14 +9 (14 wins), T10 +9,
    // T3 +8 (10 wins), T9 +8 (9 wins), ...
    EXPECT_EQ(d.standings.rowKeys.front(), 15);
    EXPECT_EQ(d.standings.rowKeys.size(), 15u);
    const auto& keys = d.standings.rowKeys;
    const auto rank = std::find(keys.begin(), keys.end(), 3) - keys.begin() + 1;
    EXPECT_EQ(rank, 7);
    EXPECT_EQ(d.teamLine, "City3 T3: 10-2, 7th in the East");
    EXPECT_EQ(Column(d.standings, "GB").at(0), "-");
    EXPECT_EQ(Column(d.standings, "GB").at(size_t(rank - 1)), "3.0"); // (14 - 8) / 2
    EXPECT_EQ(Column(d.nextGames, "Opponent"), (std::vector<std::string>{"at T5", "vs T20"}));
    EXPECT_EQ(d.next.command, "mnuSimGames");
}

TEST(Dashboard, NoHumanTeamShowsTheEast) {
    League league = SmallLeague();
    league.state.SeasonDay = 0;
    Dashboard d = BuildDashboard(league);
    EXPECT_EQ(d.team, 0);
    EXPECT_EQ(d.teamLine, "No human team: the computer runs every team.");
    EXPECT_EQ(d.standings.title, "East Conference");
    EXPECT_TRUE(d.nextGames.rows.empty());
    EXPECT_TRUE(BuildDashboard(League{}).title.empty()); // no league open
}

TEST(Dashboard, LatestResultsNewestFirstAndOpenable) {
    League league = SmallLeague();
    league.state.SeasonDay = 3;
    Game(league, 1, 1, 1, 2, 101, 99);
    Game(league, 1, 2, 3, 4, 88, 90);
    Game(league, 2, 1, 5, 6, 110, 100);
    Game(league, 2, 2, 7, 8, 0, 0); // not played: no result
    Game(league, 122, 3, 9, 10, 95, 94);
    ReportTable results = LatestResultsTable(league, 3);
    EXPECT_EQ(results.rowKind, RowKind::Game);
    EXPECT_EQ(results.rowKeys, (std::vector<int>{GameKey(122, 3), GameKey(2, 1), GameKey(1, 2)}));
    EXPECT_EQ(Column(results, "Away").at(2), "T4");
    EXPECT_EQ(LatestResultsTable(league, 10).rows.size(), 4u);
}

// Every list that shows played games says that its rows are games, so that each opens its box score.
TEST(Dashboard, EveryListOfPlayedGamesOpensBoxScores) {
    League league = SmallLeague();
    league.state.SeasonDay = 2;
    Game(league, 1, 1, 1, 2, 101, 99);
    const std::pair<const char*, ReportTable> lists[] = {
        {"schedule", ScheduleTable(league)},
        {"team schedule", ScheduleTable(league, 1)},
        {"day's games", ScheduleTable(league, 0, 1)},
        {"series games", SeriesGamesTable(league, 1)},
        {"latest results", LatestResultsTable(league, 5)},
        {"dashboard results", BuildDashboard(league).results},
    };
    for (const auto& [name, table] : lists)
        EXPECT_EQ(table.rowKind, RowKind::Game) << name;
    EXPECT_EQ(ScheduleTable(league, 1).rowKeys.at(0), GameKey(1, 1));
}

TEST(Dashboard, PhaseChangesAreTold) {
    SeasonState before, after;
    before.Season = after.Season = 2005;
    before.SeasonDay = 0, after.SeasonDay = 1;
    EXPECT_EQ(PhaseChangeText(before, after), "Season 2005 has begun.");
    before.SeasonDay = 100, after.SeasonDay = 121;
    EXPECT_EQ(PhaseChangeText(before, after), "The regular season is over: the playoffs are next.");
    before.SeasonDay = 30, after.SeasonDay = 37;
    EXPECT_EQ(PhaseChangeText(before, after), "");
    before.SeasonDay = 169, after.SeasonDay = 170, after.Season = 2006;
    EXPECT_EQ(PhaseChangeText(before, after), "The season has ended: the rookie draft is next.");
}

TEST(Dashboard, PrintedWithEveryPart) {
    League league = SmallLeague();
    league.state.SeasonDay = 2;
    Game(league, 1, 1, 1, 2, 101, 99);
    std::ostringstream out;
    WriteDashboard(out, BuildDashboard(league), false);
    const std::string text = out.str();
    for (const char* part :
         {"Winter - Season 2005", "Next: Sim to the All-Star break (mnuSimGames)", "East Conference",
          "League Leaders", "Latest Results", "Latest Transactions", "Injuries", "Next Games"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

// The log lists the newest move first: the season's own moves come before those of the season before,
// whose pre-season moves are the oldest of all.
TEST(Dashboard, LatestTransactionsNewestFirst) {
    League league = SmallLeague();
    league.tables.transactions = {{"T1", 2004, 185, "Sign SG Old Signing for $1,000,000 over 2 years."},
                                  {"T2", 2004, 40, "Cut C Midseason Cut"},
                                  {"T3", 2005, 175, "Draft PG New Pick"},
                                  {"T4", 2005, 3, "Cut SF Newest Cut"}};
    for (int i = 0; i < 10; ++i)
        league.tables.transactions.insert(league.tables.transactions.begin(),
                                          {"T5", 2003, 50, "Cut PF Ancient " + std::to_string(i)});
    const Dashboard d = BuildDashboard(league);
    ASSERT_EQ(d.transactions.rows.size(), size_t(8));
    const std::vector<std::string> actions = Column(d.transactions, "Transaction");
    EXPECT_EQ(actions[0], "Cut SF Newest Cut");
    EXPECT_EQ(actions[1], "Draft PG New Pick");
    EXPECT_EQ(actions[2], "Cut C Midseason Cut");
    EXPECT_EQ(actions[3], "Sign SG Old Signing for $1,000,000 over 2 years.");
    EXPECT_EQ(actions[4], "Cut PF Ancient 0"); // the latest logged of the same day
}

} // namespace
} // namespace hv
