// The tables behind the roster, injury, transaction, team control, player search, player statistics and
// player card screens and commands, and how a table is written.
#include <gtest/gtest.h>

#include <sstream>

#include "league/transactions.h"
#include "personnel/season_end.h"
#include "reports/injury_report.h"
#include "reports/player_card.h"
#include "reports/player_search.h"
#include "reports/player_stats_tables.h"
#include "reports/roster_report.h"
#include "reports/team_control_table.h"
#include "reports/transaction_list.h"
#include "support/report_column.h"
#include "support/roster_test_support.h"

namespace hv {
namespace {

using test::Column;

class RosterReports : public ::testing::Test {
  protected:
    void SetUp() override {
        first = rl.Fill(1, 12);
        owl = rl.Fill(2, 12);
        hurt = rl.Add(1, 3, 66, 9, true);
        fa = rl.Add(0, 5, 50);
        Player& p = rl.league.player(first);
        p.Name = "Zoë O'Neil", p.Height = 83, p.contract1 = 1250000, p.RatingInsideScoring = 91;
        p.RatingOutsideScoring = 53;
        rl.league.player(first + 1).TimeInjured = 2, rl.league.player(first + 1).Injury = "Sore Back";
        rl.league.player(owl).TimeInjured = 4, rl.league.player(owl).Injury = "Flu";
    }
    test::RosterLeague rl;
    int first = 0, owl = 0, hurt = 0, fa = 0;
};

TEST_F(RosterReports, RosterLinesShowGradesStatusAndInjury) {
    ReportTable t = TeamRosterTable(rl.league, 1);
    EXPECT_EQ(t.title, "City1 Hawks (Computer): 13 players, 12 active");
    ASSERT_EQ(t.rows.size(), 13u);
    EXPECT_EQ(std::make_pair(t.rowKeys.front(), t.rowKeys.back()), std::make_pair(first, hurt));
    const std::tuple<const char*, size_t, const char*> cells[] = {
        {"Name", 0, "Zoë O'Neil"}, {"Height", 0, "6'11''"}, {"Salary", 0, "$1,250,000"}, {"Ins", 0, "A"},
        {"Out", 0, "C+"},          {"Status", 12, "IR"},    {"Injury", 1, "Sore Back"},  {"Days", 12, "9"}};
    for (auto [column, row, text] : cells)
        EXPECT_EQ(Column(t, column).at(row), text) << column << " " << row;
    // Heights and money sort by their values, not their texts.
    EXPECT_EQ(std::make_pair(t.rows[0][4].sortKey, t.rows[0][13].sortKey), std::make_pair(83.0, 1250000.0));
}

TEST_F(RosterReports, DepthChartAndSettingsNameThePlayers) {
    Team& team = rl.league.team(1);
    team.PF2 = team.keyplayer3 = static_cast<int16_t>(first);
    team.Press = 75;
    ReportTable depth = DepthChartTable(rl.league, 1);
    EXPECT_EQ(Column(depth, "Pos"), (std::vector<std::string>{"C", "PF", "SF", "SG", "PG"}));
    EXPECT_EQ(Column(depth, "Second")[1], "Zoë O'Neil");
    ReportTable settings = LineupSettingsTable(rl.league, 1);
    EXPECT_EQ(Column(settings, "Setting"),
              (std::vector<std::string>{"Key player 1", "Key player 2", "Key player 3", "Pace", "Press",
                                        "Trap", "Offense"}));
    EXPECT_EQ(Column(settings, "Value")[2] + Column(settings, "Value")[4], "Zoë O'NeilAlways");
}

TEST_F(RosterReports, InjuryListsByTeamOrAll) {
    ReportTable all = InjuryListTable(rl.league);
    EXPECT_EQ(all.rowKeys, (std::vector<int>{first + 1, hurt, owl}));
    EXPECT_EQ(Column(all, "Team")[2] + " " + Column(all, "IR")[0] + Column(all, "IR")[1], "Owls NoYes");
    EXPECT_EQ(InjuryListTable(rl.league, 2).rowKeys, std::vector<int>{owl});
    PlaceOnIR(rl.league, first + 5); // healthy, stashed
    EXPECT_EQ(InjuredReserveTable(rl.league).rowKeys, (std::vector<int>{first + 5, hurt}));
    EXPECT_TRUE(InjuredReserveTable(rl.league, 2).rows.empty());
}

TEST_F(RosterReports, TransactionsNewestFirstByTeamAndType) {
    SignPlayer(rl.league, fa, "Owls");
    PlaceOnIR(rl.league, first + 2);
    rl.league.state.SeasonDay = 11;
    CutPlayer(rl.league, owl + 3);
    ReportTable all = TransactionTable(rl.league);
    // Day 10: the signing, then the Hawks' move; day 11: the cut. Newest first.
    EXPECT_EQ(all.rowKeys, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(Column(all, "Team"), (std::vector<std::string>{"Owls", "Hawks", "Owls"}));
    EXPECT_EQ(Column(all, "Season")[0] + " " + Column(all, "Day")[0] + " " + Column(all, "Day")[2],
              "2005 11 10");
    ReportTable owls = TransactionTable(rl.league, "Owls");
    EXPECT_EQ(owls.rowKeys, (std::vector<int>{3, 1}));
    EXPECT_EQ(Column(owls, "Transaction")[0],
              "Cut " + rl.league.player(owl + 3).DefaultPosition + " " + rl.league.player(owl + 3).Name);
    EXPECT_EQ(TransactionTable(rl.league, "", "IR").rowKeys, std::vector<int>{2});
    EXPECT_EQ(TransactionTable(rl.league, "Owls", "Sign").rowKeys, std::vector<int>{1});
    EXPECT_TRUE(TransactionTable(rl.league, "Hawks", "Cut").rows.empty());
}

TEST(TransactionKinds, EachLineIsNamedByItsKind) {
    const std::pair<const char*, const char*> cases[] = {
        {"Sign PG Al Smith for $1,000,000 over one year.", "Sign"},
        {"PG Al Smith resigns for $2,000,000 over 3 years", "Re-sign"},
        {"Cut C Bo Jones", "Cut"},
        {"Activate SF Cy Young from Injured Reserve.", "Activate"},
        {"Place SF Cy Young on Injured Reserve.", "IR"},
        {"Trade PG Al Smith to the Owls for C Bo Jones", "Trade"},
        {"Draft C Bo Jones with pick #3 of round 1.", "Draft"},
        {"C Bo Jones retires", "Retire"},
        {"Something else", ""},
    };
    for (const auto& [action, type] : cases)
        EXPECT_EQ(TransactionTypeOf(action), type) << action;
}

// Season 2005 ends: its last days (167 to 169) and the off-season that follows (logged as 2006 from day 170)
// come before 2006's first day, and are shown as its pre-season.
TEST(TransactionKinds, MovesBeforeTheFirstDayBelongToTheComingSeason) {
    League league;
    auto log = [&](int16_t season, int16_t day, const char* action) {
        league.tables.transactions.push_back({"Owls", season, day, action});
    };
    log(2005, 120, "Cut C A");
    log(2005, 168, "Cut C B");
    log(2006, 170, "Draft C C with pick #1 of round 1.");
    log(2006, 190, "Cut C D");
    log(2006, 0, "Cut C E");
    log(2006, 3, "Cut C F");
    EXPECT_EQ(TransactionSeason(league.tables.transactions[1]), 2006);
    EXPECT_EQ(TransactionSeason(league.tables.transactions[0]), 2005);
    ReportTable table = TransactionTable(league);
    EXPECT_EQ(table.rowKeys, (std::vector<int>{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(Column(table, "Season"),
              (std::vector<std::string>{"2006", "2006", "2006", "2006", "2006", "2005"}));
    EXPECT_EQ(Column(table, "Day"),
              (std::vector<std::string>{"3", "Pre-season", "Pre-season", "Pre-season", "Pre-season", "120"}));
    // Sorting on the day puts the pre-season before day 1 too.
    EXPECT_LT(table.rows[1][1].sortKey, 1);
    EXPECT_LT(table.rows[4][1].sortKey, table.rows[3][1].sortKey);
}

TEST_F(RosterReports, TeamControlShowsOwnerCoachAndPlayByPlay) {
    SetHuman(rl.league.team(2), true);
    rl.league.team(2).pbp = rl.league.team(3).CoachTeam = true;
    ReportTable t = TeamControlTable(rl.league);
    ASSERT_EQ(t.rows.size(), 29u);
    EXPECT_EQ(std::to_string(t.rowKeys[1]) + Column(t, "Team")[1], "2City2 Owls");
    for (auto [column, cells] :
         {std::pair{"Owner", "Computer Human Computer"}, {"PBP", "Off On Off"}, {"Coach", "No No Yes"}}) {
        const auto shown = Column(t, column);
        EXPECT_EQ(shown[0] + " " + shown[1] + " " + shown[2], cells) << column;
    }
}

TEST_F(RosterReports, SearchByPartOfTheNamePositionAndTeam) {
    rl.league.player(owl).Name = "Zoran Oneida";
    struct Case {
        PlayerSearch search;
        std::vector<int> found;
    };
    const Case cases[] = {
        {{"o'n", 0, ""}, {first}},   {{"ZO", 0, ""}, {first, owl}}, {{"zo", 1, "Owls"}, {owl}},
        {{"", 5, kFreeAgent}, {fa}}, {{"zo", 2, ""}, {}},
    };
    for (const Case& c : cases) {
        ReportTable t = FindPlayersTable(rl.league, c.search);
        EXPECT_EQ(t.rowKeys, c.found) << c.search.name << " " << c.search.position << " " << c.search.team;
        EXPECT_EQ(t.title, std::to_string(c.found.size()) +
                               (c.found.size() == 1 ? " player found" : " players found"));
    }
}

TEST(ReportTableText, TheTitleStandsOnceAboveTheColumnsAndCsvHasNone) {
    ReportTable t;
    t.title = "Totals";
    t.Column("A").Column("B", Align::Right).Row().Add("x").Add(12);
    std::ostringstream text, csv;
    WriteTable(text, t, false);
    WriteTable(csv, t, true);
    EXPECT_EQ(text.str(), "Totals\nA   B\nx  12\n");
    EXPECT_EQ(csv.str(), "A,B\nx,12\n");
}

TEST(PlayerStats, TheTotalsBelongToTheSeasonInPlayUntilItEnds) {
    SeasonState s;
    s.Season = 2005;
    for (auto [day, season] :
         {std::pair{10, 2005}, {169, 2005}, {170, 2004}, {186, 2004}, {0, 2004}, {-5, 2004}}) {
        s.SeasonDay = int16_t(day);
        EXPECT_EQ(TotalsSeason(s), season) << day;
    }
}

// Zoë has played 4 games of 2005 for the Hawks after 50 for the Owls in 2004; an Owl has 2 games of 2005.
class PlayerStatsTables : public RosterReports {
  protected:
    void SetUp() override {
        RosterReports::SetUp();
        Player& zoe = rl.league.player(first);
        //              G  GS MIN  FG FGA FT FTA 3P 3PA REB AST STL BLK TO PTS PF
        zoe.SeasonStats = {4, 3, 130, 21, 40, 9, 10, 5, 12, 30, 14, 6, 2, 6, 56, 11};
        SeasonHistoryEntry h;
        h.Season = 2004, h.Team = "Owls", h.Games = 50, h.GamesStarted = 40, h.Points = 800;
        zoe.SeasonHistory.push_back(h);
        zoe.CareerGames = 50, zoe.CareerGamesStarted = 40, zoe.Career.Points = 800;
        rl.league.player(owl).SeasonStats.Games = 2, rl.league.player(owl).SeasonStats.Points = 60;
    }
};

TEST_F(PlayerStatsTables, EveryPlayersLineWithHisPerGameFigures) {
    ReportTable now = PlayerStatsTable(rl.league, 2005, false);
    EXPECT_EQ(now.title, "Player Statistics 2005");
    EXPECT_EQ(now.rowKeys, (std::vector<int>{owl, first})); // most points first; nobody without a game
    const std::pair<const char*, const char*> zoe[] = {
        {"Team", "Hawks"}, {"G", "4"},      {"GS", "3"},     {"MIN", "130"}, {"FG", "21"},   {"FGA", "40"},
        {"3P", "5"},       {"3PA", "12"},   {"FT", "9"},     {"FTA", "10"},  {"REB", "30"},  {"AST", "14"},
        {"STL", "6"},      {"BLK", "2"},    {"TO", "6"},     {"PF", "11"},   {"PTS", "56"},  {"MPG", "32.5"},
        {"FG%", ".525"},   {"3P%", ".417"}, {"FT%", ".900"}, {"RPG", "7.5"}, {"APG", "3.5"}, {"SPG", "1.5"},
        {"BPG", "0.5"},    {"TOPG", "1.5"}, {"PPG", "14.0"}};
    for (const auto& [column, text] : zoe)
        EXPECT_EQ(Column(now, column)[1], text) << column;
    EXPECT_EQ(Column(now, "3P%")[0], ""); // no attempt
    EXPECT_EQ(PlayerStatsTable(rl.league, 2005, false, "Owls").rowKeys, std::vector<int>{owl});
    ReportTable past = PlayerStatsTable(rl.league, 2004, false, "Owls");
    EXPECT_EQ(past.rowKeys, std::vector<int>{first});
    EXPECT_EQ(Column(past, "PTS")[0] + " " + Column(past, "PPG")[0], "800 16.0");
    EXPECT_EQ(StatsSeasons(rl.league), (std::vector<int16_t>{2005, 2004}));

    rl.league.player(first).PlayoffStats.Games = 3, rl.league.player(first).PlayoffStats.Points = 27;
    ReportTable playoffs = PlayerStatsTable(rl.league, 2005, true);
    EXPECT_EQ(playoffs.title, "Playoff Statistics 2005");
    EXPECT_EQ(playoffs.rowKeys, std::vector<int>{first});
    EXPECT_EQ(Column(playoffs, "GS")[0] + "|" + Column(playoffs, "PPG")[0], "|9.0"); // no starts kept
    EXPECT_TRUE(PlayerStatsTable(rl.league, 2004, true).rows.empty());
}

TEST_F(PlayerStatsTables, CareerBySeasonCountsTheSeasonInPlayOnce) {
    auto expectCareer = [&](const char* stage) {
        ReportTable t = CareerStatsTable(rl.league, first);
        EXPECT_EQ(t.rowKeys, (std::vector<int>{2004, 2005, 0})) << stage;
        EXPECT_EQ(Column(t, "Team"), (std::vector<std::string>{"Owls", "Hawks", ""})) << stage;
        EXPECT_EQ(Column(t, "G"), (std::vector<std::string>{"50", "4", "54"})) << stage;
        EXPECT_EQ(Column(t, "PTS").back() + " " + Column(t, "PPG").back(), "856 15.9") << stage;
    };
    expectCareer("in play");
    // The season ends: filed under the Hawks, who then trade her to the Owls.
    AddSeasonToCareer(rl.league.player(first), 2005);
    rl.league.state.Season = 2006, rl.league.state.SeasonDay = Phase::RookieDraft;
    rl.league.player(first).Team = "Owls";
    expectCareer("filed");
    EXPECT_EQ(Column(PlayerStatsTable(rl.league, 2005, false), "Team")[1], "Hawks");
}

TEST_F(RosterReports, ThePlayerCardGathersHisTables) {
    League& l = rl.league;
    Player& zoe = l.player(first);
    zoe.Round = 1, zoe.Pick = 7, zoe.TimeInjured = 3, zoe.Injury = "Sprained Ankle", zoe.BirdYears = 3;
    zoe.Awards = {{2004, "All-Rookie Team"}};
    std::vector<ReportTable> card = PlayerCardTables(l, first);
    std::vector<std::string> titles;
    for (const ReportTable& t : card)
        titles.push_back(t.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Zoë O'Neil (ID 1)", "Ratings", "Attributes",
                                                "Contract: Bird years 3", "Career Statistics", "Awards",
                                                "Transactions"}));
    const auto items = Column(card[0], "Item"), values = Column(card[0], "Value");
    auto value = [&](const std::string& item) {
        auto at = std::find(items.begin(), items.end(), item);
        return at == items.end() ? "?" : values[size_t(at - items.begin())];
    };
    EXPECT_EQ(value("Height") + " " + value("Draft") + " " + value("Injury"),
              "6'11'' Round 1, pick 7 Sprained Ankle, 3 days");
    EXPECT_EQ(Column(card[1], "Value")[3] + Column(card[1], "Grade")[3], "53C+"); // outside scoring
    EXPECT_EQ(Column(card[3], "Season"), (std::vector<std::string>{"2005", "2006"}));
    EXPECT_EQ(Column(card[3], "Salary"), (std::vector<std::string>{"$1,250,000", "$2,000,001"}));
    EXPECT_EQ(Column(card[5], "Award"), std::vector<std::string>{"All-Rookie Team"});

    // His transactions are those that name him whole: Dee Brown's, not Dee Browning's.
    l.player(fa).Name = "Dee Brown", l.player(owl + 3).Name = "Dee Browning";
    CutPlayer(l, owl + 3);
    SignPlayer(l, fa, "Owls");
    EXPECT_EQ(PlayerCardTables(l, fa).back().rowKeys, std::vector<int>{2});
}

} // namespace
} // namespace hv
