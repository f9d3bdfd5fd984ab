// Standings on hand-made records: ordering, the head-to-head tie-breaks, games behind, ranks, the archive of
// the final standings and the last-10 record.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/scripted_host.h"
#include "season/standings.h"

namespace hv {
namespace {

// 29 teams in the league's four divisions: 1-7 Atlantic, 8-15 Central, 16-22 Midwest, 23-29 Pacific. Team t
// is (20 + t)-(40 - t), a balance of 2t - 20, unless a case sets its record.
League DivisionLeague() {
    League league;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.City = "City" + std::to_string(t);
        team.Name = "T" + std::to_string(t);
        const DivisionInfo& d = kDivisions[t <= 7 ? 0 : t <= 15 ? 1 : t <= 22 ? 2 : 3];
        team.Division = d.name;
        team.Conference = d.conference;
        team.HomeWins = static_cast<int16_t>(20 + t);
        team.RoadLosses = static_cast<int16_t>(40 - t);
    }
    league.state.Season = 2006;
    return league;
}

// Wins and losses split between home and road so that both halves count.
void SetRecord(League& league, int team, int wins, int losses) {
    Team& t = league.team(team);
    t.HomeWins = static_cast<int16_t>(wins / 2);
    t.RoadWins = static_cast<int16_t>(wins - wins / 2);
    t.HomeLosses = static_cast<int16_t>(losses - losses / 2);
    t.RoadLosses = static_cast<int16_t>(losses / 2);
}

// Games between two teams: a's wins, b's wins and a's point difference over them.
void Meet(League& league, int a, int b, int aWins, int bWins, int aPoints) {
    auto at = [](int team) { return static_cast<size_t>(team); };
    Team& x = league.team(a);
    Team& y = league.team(b);
    x.SeasonWinsVs[at(b)] = y.SeasonLossesVs[at(a)] = static_cast<int16_t>(aWins);
    x.SeasonLossesVs[at(b)] = y.SeasonWinsVs[at(a)] = static_cast<int16_t>(bWins);
    x.PointsVs[at(b)] = static_cast<int16_t>(aPoints);
    y.PointsVs[at(a)] = static_cast<int16_t>(-aPoints);
}

// The teams of a division in rank order.
std::vector<int> DivisionOrder(const League& league, const std::string& division) {
    std::vector<int> order(kLeagueTeams + 1, 0);
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).Division == division) order.at(static_cast<size_t>(league.team(t).DivRank)) = t;
    order.erase(std::remove(order.begin(), order.end(), 0), order.end());
    return order;
}

TEST(Standings, PercentagesAndTheGamesBehindOfTheExample) {
    League league = DivisionLeague();
    SetRecord(league, 4, 0, 0);
    SetRecord(league, 3, 11, 4);
    SetRecord(league, 5, 10, 5);
    UpdateWinningPercentages(league);
    EXPECT_EQ(league.team(4).WinPct, 0.5); // before the first game
    EXPECT_DOUBLE_EQ(league.team(3).WinPct, 11.0 / 15);
    ComputeStandings(league);
    EXPECT_EQ(DivisionOrder(league, "Atlantic"), (std::vector<int>{3, 5, 4, 7, 6, 2, 1}));
    EXPECT_EQ(std::tie(league.team(3).GB, league.team(5).GB), std::make_tuple(0, 2)); // one win and one loss
    EXPECT_EQ(GamesBehindText(league.team(5).GB) + " " + GamesBehindText(0), "1.0 -");
    EXPECT_EQ(league.team(15).ConfRank, 1); // 35-25, a balance of 10
    EXPECT_EQ(league.team(3).ConfGB, 10 - 7);
}

TEST(Standings, TwoWayTiesGoByHeadToHeadThenByPoints) {
    struct Case {
        const char* what;
        int firstWins, secondWins, firstPoints; // team 1 against team 2
        int leader;
    };
    const std::vector<Case> cases{
        {"team 2 won the season series", 1, 3, 25, 2},
        {"team 1 won the season series", 3, 1, -25, 1},
        {"split series, team 2 scored more", 2, 2, -7, 2},
        {"split series, team 1 scored more", 2, 2, 7, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (uint64_t seed = 1; seed <= 2; ++seed) { // the draw never decides these
            League league = DivisionLeague();
            league.rng.Seed(seed);
            SetRecord(league, 1, 10, 5);
            SetRecord(league, 2, 11, 6); // the same balance, +5
            Meet(league, 1, 2, c.firstWins, c.secondWins, c.firstPoints);
            Meet(league, 1, 3, 4, 0, 60); // games against others do not count
            ComputeStandings(league);
            const Team& leader = league.team(c.leader);
            const Team& other = league.team(3 - c.leader);
            EXPECT_EQ(leader.DivRank, 1);
            EXPECT_EQ(other.DivRank, 2);
            EXPECT_EQ(other.ConfRank, leader.ConfRank + 1);
            EXPECT_EQ(other.GB, leader.GB);
        }
    }
}

TEST(Standings, ThreeWayTieCountsOnlyTheGamesAmongTheThree) {
    League league = DivisionLeague();
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

TEST(Standings, AnEvenStartIsDrawnAndUnknownGroupsGetNoRank) {
    std::set<int> leaders;
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        League league = DivisionLeague();
        league.rng.Seed(seed);
        for (int t = 1; t <= kLeagueTeams; ++t)
            SetRecord(league, t, 0, 0);
        ComputeStandings(league);
        std::multiset<int> east;
        for (int t = 1; t <= 15; ++t)
            east.insert(league.team(t).ConfRank);
        EXPECT_EQ(east, (std::multiset<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
        EXPECT_EQ(DivisionOrder(league, "Central").size(), 8u);
        leaders.insert(DivisionOrder(league, "Atlantic").front());
    }
    EXPECT_GT(leaders.size(), 3u); // the first-day order is random

    League league = DivisionLeague();
    league.team(7).Division = "Northwest";
    league.team(8).Conference = "North";
    ComputeStandings(league);
    EXPECT_EQ(league.team(7).DivRank, 0);
    EXPECT_EQ(league.team(7).ConfRank, 8); // behind 15 to 9 of the East, without 8
    EXPECT_EQ(league.team(8).ConfRank, 0);
    EXPECT_EQ(league.team(8).DivRank, 8);
}

TEST(Standings, ArchiveHoldsEachDivisionByPercentage) {
    League league = DivisionLeague();
    SetRecord(league, 2, 50, 32); // Atlantic: 2 first, then 7 .. 3, 1
    SetRecord(league, 16, 30, 52);
    league.tables.archive.resize(1);
    league.tables.archive[0].Season = 2005;
    ScriptedHost host;
    ASSERT_TRUE(ArchiveStandings(league, host)); // the percentages are computed first
    ASSERT_EQ(league.tables.archive.size(), 2u); // a new entry for 2006
    const SeasonArchive& a = league.tables.archive.back();
    EXPECT_EQ(a.Season, 2006);
    std::vector<std::string> names;
    for (const StandingLine& line : a.Standings)
        names.push_back(line.TeamName);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 7),
              (std::vector<std::string>{"City2 T2", "City7 T7", "City6 T6", "City5 T5", "City4 T4",
                                        "City3 T3", "City1 T1"}));
    EXPECT_EQ(std::tie(a.Standings[0].Record, a.Standings[0].Wins, a.Standings[0].Losses),
              std::make_tuple("50 - 32", 50, 32));
    // Central from line 8, Midwest from line 16, Pacific from line 23.
    EXPECT_EQ(std::tie(names[7], names[15], names[21], names[22]),
              std::make_tuple("City15 T15", "City22 T22", "City16 T16", "City29 T29"));
    EXPECT_EQ(a.Standings[28].Record, "43 - 17");

    league.tables.archive.back().Champion = "T9"; // the season's entry is filled again, the rest kept
    SetRecord(league, 1, 60, 22);
    ASSERT_TRUE(ArchiveStandings(league, host));
    ASSERT_EQ(league.tables.archive.size(), 2u);
    EXPECT_EQ(league.tables.archive.back().Champion, "T9");
    EXPECT_EQ(league.tables.archive.back().Standings[0].TeamName, "City1 T1");

    league.team(8).Division = "Atlantic"; // 8 Atlantic teams, room for 7
    EXPECT_FALSE(ArchiveStandings(league, host));
    EXPECT_EQ(host.LastMessage(), "The Atlantic division has more than 7 teams; the season's final standings "
                                  "have room for 7. The standings were not archived.");
    EXPECT_EQ(league.tables.archive.back().Standings[0].TeamName, "City1 T1");
}

TEST(Standings, LastTenWalksBackFromTheCurrentDay) {
    League league = DivisionLeague();
    // Days 1 to 14: team 5 beats team 6; team 1 meets team 2 and wins on the even days. Day 14 is unplayed.
    for (int d = 1; d <= 14; ++d) {
        ScheduleDay& day = league.schedule[static_cast<size_t>(d)];
        day.NumGames = 2;
        for (int g : {1, 2}) {
            ScheduledGame& game = day.Games[static_cast<size_t>(g)];
            const bool oneAtHome = d % 3 == 0;
            game.HomeTeam = g == 1 ? "T5" : oneAtHome ? "T1" : "T2";
            game.AwayTeam = g == 1 ? "T6" : oneAtHome ? "T2" : "T1";
            game.Played = g == 1 || d < 14;
            const int one = d % 2 == 0 ? 100 : 95, two = 97;
            game.HomeScore = static_cast<int16_t>(g == 1 ? 90 : oneAtHome ? one : two);
            game.AwayScore = static_cast<int16_t>(g == 1 ? 80 : oneAtHome ? two : one);
        }
    }
    const std::vector<std::tuple<int, int, std::string>> cases{
        {14, 1, "5-5"},                  // days 13 back to 4
        {14, 2, "5-5"},   {4, 1, "2-2"}, // the current day's game counts once played
        {190, 5, "10-0"},                // past the schedule: from its last day
        {190, 6, "0-10"}, {190, 9, "0-0"},
    };
    for (const auto& [day, team, expected] : cases) {
        league.state.SeasonDay = static_cast<int16_t>(day);
        EXPECT_EQ(RecordText(LastTenRecord(league, team)), expected) << "day " << day << " team " << team;
    }
}

} // namespace
} // namespace hv
