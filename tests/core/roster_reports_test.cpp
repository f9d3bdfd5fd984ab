// The tables behind the roster, injury, transaction, team control and player search screens and commands.
#include <gtest/gtest.h>

#include "core/roster_test_support.h"
#include "reports/injury_report.h"
#include "reports/player_search.h"
#include "reports/roster_report.h"
#include "reports/team_control_table.h"
#include "reports/transaction_list.h"
#include "season/transactions.h"

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
    EXPECT_EQ(Column(settings, "Value")[2] + Column(settings, "Value")[4], "Zoë O'Neil75");
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

TEST_F(RosterReports, TransactionsFilteredByTeamKeepTheirOrder) {
    SignPlayer(rl.league, fa, "Owls");
    PlaceOnIR(rl.league, first + 2);
    rl.league.state.SeasonDay = 11;
    CutPlayer(rl.league, owl + 3);
    ReportTable all = TransactionTable(rl.league);
    EXPECT_EQ(Column(all, "Team"), (std::vector<std::string>{"Owls", "Hawks", "Owls"}));
    EXPECT_EQ(Column(all, "Season")[0] + " " + Column(all, "Day")[1] + " " + Column(all, "Day")[2],
              "2005 10 11");
    ReportTable owls = TransactionTable(rl.league, "Owls");
    EXPECT_EQ(owls.rowKeys, (std::vector<int>{1, 3}));
    EXPECT_EQ(Column(owls, "Transaction")[1],
              "Cut " + rl.league.player(owl + 3).DefaultPosition + " " + rl.league.player(owl + 3).Name);
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

} // namespace
} // namespace hv
