// Standings on hand-made records: ordering, the head-to-head tie-breaks, games behind, ranks, the archive of
// the final standings and the recent-form figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/scripted_host.h"
#include "season/standings.h"

namespace hv {
namespace {

// 29 teams in the league's four divisions: 1-7 Atlantic, 8-15 Central, 16-22 Midwest, 23-29 Pacific.
League DivisionLeague() {
    League league;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = league.team(t);
        team.City = "City" + std::to_string(t);
        team.Name = "T" + std::to_string(t);
        const DivisionInfo& d = kDivisions[t <= 7 ? 0 : t <= 15 ? 1 : t <= 22 ? 2 : 3];
        team.Division = d.name;
        team.Conference = d.conference;
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
    Team& x = league.team(a);
    Team& y = league.team(b);
    x.SeasonWinsVs[static_cast<size_t>(b)] = static_cast<int16_t>(aWins);
    x.SeasonLossesVs[static_cast<size_t>(b)] = static_cast<int16_t>(bWins);
    y.SeasonWinsVs[static_cast<size_t>(a)] = static_cast<int16_t>(bWins);
    y.SeasonLossesVs[static_cast<size_t>(a)] = static_cast<int16_t>(aWins);
    x.PointsVs[static_cast<size_t>(b)] = static_cast<int16_t>(aPoints);
    y.PointsVs[static_cast<size_t>(a)] = static_cast<int16_t>(-aPoints);
}

// Every team of the league gets a distinct record far from the ties that a case sets up.
void SpreadRecords(League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t)
        SetRecord(league, t, 20 + t, 40 - t);
}

std::vector<int> DivisionOrder(const League& league, const std::string& division) {
    std::vector<int> order(kLeagueTeams + 1, 0);
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).Division == division) order.at(static_cast<size_t>(league.team(t).DivRank)) = t;
    order.erase(order.begin());
    order.erase(std::remove(order.begin(), order.end(), 0), order.end());
    return order;
}

TEST(Standings, WinningPercentage) {
    Team t;
    EXPECT_EQ(WinningPercentage(t), 0.5);
    t.HomeWins = 6, t.RoadWins = 4, t.HomeLosses = 2, t.RoadLosses = 3;
    EXPECT_DOUBLE_EQ(WinningPercentage(t), 10.0 / 15);
    League league = DivisionLeague();
    SetRecord(league, 4, 0, 3);
    UpdateWinningPercentages(league);
    EXPECT_EQ(league.team(4).WinPct, 0.0);
    EXPECT_EQ(league.team(5).WinPct, 0.5);
}

TEST(Standings, GamesBehindOfTheExample) {
    League league = DivisionLeague();
    SpreadRecords(league);
    SetRecord(league, 3, 11, 4);
    SetRecord(league, 5, 10, 5);
    for (int t : {1, 2, 4, 6, 7})
        SetRecord(league, t, 2 + t, 9);
    ComputeStandings(league);
    EXPECT_EQ(league.team(3).DivRank, 1);
    EXPECT_EQ(league.team(3).GB, 0);
    EXPECT_EQ(league.team(5).DivRank, 2);
    EXPECT_EQ(league.team(5).GB, 2); // one win and one loss behind
    EXPECT_EQ(GamesBehindText(league.team(5).GB), "1.0");
    EXPECT_EQ(GamesBehindText(0), "-");
    EXPECT_EQ(GamesBehindText(3), "1.5");
    // The conference's leader is the best East team (15: 35-25, a balance of 10).
    EXPECT_EQ(league.team(15).ConfRank, 1);
    EXPECT_EQ(league.team(3).ConfGB, 10 - 7);
}

TEST(Standings, TwoWayTiesGoByHeadToHeadThenByPoints) {
    struct Case {
        const char* what;
        int firstWins, secondWins, firstPoints; // team 1 against team 2
        std::vector<int> expected;              // Atlantic order of teams 1 and 2
    };
    const std::vector<Case> cases{
        {"team 2 won the season series", 1, 3, 25, {2, 1}},
        {"team 1 won the season series", 3, 1, -25, {1, 2}},
        {"split series, team 2 scored more", 2, 2, -7, {2, 1}},
        {"split series, team 1 scored more", 2, 2, 7, {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (uint64_t seed = 1; seed <= 5; ++seed) { // the draw never decides these
            League league = DivisionLeague();
            league.rng.Seed(seed);
            SpreadRecords(league);
            SetRecord(league, 1, 10, 5);
            SetRecord(league, 2, 11, 6); // the same balance, +5
            Meet(league, 1, 2, c.firstWins, c.secondWins, c.firstPoints);
            Meet(league, 1, 3, 4, 0, 60); // games against others do not count
            ComputeStandings(league);
            std::vector<int> order{league.team(1).DivRank < league.team(2).DivRank ? 1 : 2,
                                   league.team(1).DivRank < league.team(2).DivRank ? 2 : 1};
            EXPECT_EQ(order, c.expected);
            EXPECT_EQ(std::abs(league.team(1).DivRank - league.team(2).DivRank), 1);
            EXPECT_EQ(league.team(1).ConfRank < league.team(2).ConfRank, c.expected[0] == 1);
            EXPECT_EQ(league.team(1).GB, league.team(2).GB);
        }
    }
}

TEST(Standings, ThreeWayTieCountsOnlyTheGamesAmongTheThree) {
    League league = DivisionLeague();
    SpreadRecords(league);
    for (int t : {9, 10, 11})
        SetRecord(league, t, 15, 6); // +9: no other team of the East has it
    Meet(league, 11, 9, 2, 0, 10);   // 11: +2 among the three
    Meet(league, 11, 10, 1, 1, 0);
    Meet(league, 10, 9, 1, 1, 0);   // 10: 0, 9: -2
    Meet(league, 9, 12, 8, 0, 120); // 9 against a fourth team: would put 9 first if it counted
    ComputeStandings(league);
    std::vector<int> central = DivisionOrder(league, "Central");
    auto at = [&](int t) { return std::find(central.begin(), central.end(), t) - central.begin(); };
    EXPECT_EQ(at(10), at(11) + 1);
    EXPECT_EQ(at(9), at(10) + 1);
    EXPECT_LT(league.team(11).ConfRank, league.team(10).ConfRank);
    EXPECT_LT(league.team(10).ConfRank, league.team(9).ConfRank);
}

TEST(Standings, RanksArePlacesAndAnEvenStartIsDrawn) {
    std::set<int> leaders;
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        League league = DivisionLeague();
        league.rng.Seed(seed);
        ComputeStandings(league);
        for (const DivisionInfo& d : kDivisions) {
            std::vector<int> order = DivisionOrder(league, d.name);
            ASSERT_EQ(static_cast<int>(order.size()), d.archiveRoom);
        }
        std::multiset<int> east, west;
        for (int t = 1; t <= kLeagueTeams; ++t) {
            (t <= 15 ? east : west).insert(league.team(t).ConfRank);
            EXPECT_EQ(league.team(t).GB, 0);
            EXPECT_EQ(league.team(t).ConfGB, 0);
        }
        EXPECT_EQ(east, (std::multiset<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
        EXPECT_EQ(west, (std::multiset<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
        leaders.insert(DivisionOrder(league, "Atlantic").front());
    }
    EXPECT_GT(leaders.size(), 3u); // the first-day order is random
}

TEST(Standings, ATeamOutsideTheKnownGroupsHasNoRank) {
    League league = DivisionLeague();
    SpreadRecords(league);
    league.team(7).Division = "Northwest";
    league.team(8).Conference = "North";
    ComputeStandings(league);
    EXPECT_EQ(league.team(7).DivRank, 0);
    EXPECT_GT(league.team(7).ConfRank, 0);
    EXPECT_EQ(league.team(8).ConfRank, 0);
    EXPECT_GT(league.team(8).DivRank, 0);
    EXPECT_EQ(DivisionOrder(league, "Atlantic"), (std::vector<int>{6, 5, 4, 3, 2, 1}));
}

TEST(Standings, ArchiveHoldsEachDivisionByPercentage) {
    League league = DivisionLeague();
    SpreadRecords(league);
    SetRecord(league, 2, 50, 32); // Atlantic: 2 first, then 7 .. 3, 1
    SetRecord(league, 16, 30, 52);
    for (int t = 1; t <= kLeagueTeams; ++t)
        league.team(t).WinPct = 0; // stale percentages are recomputed first
    league.tables.archive.resize(1);
    league.tables.archive[0].Season = 2005;
    ScriptedHost host;
    ASSERT_TRUE(ArchiveStandings(league, host));
    ASSERT_EQ(league.tables.archive.size(), 2u); // a new entry for 2006
    const SeasonArchive& a = league.tables.archive.back();
    EXPECT_EQ(a.Season, 2006);
    std::vector<std::string> atlantic;
    for (size_t k = 0; k < 7; ++k)
        atlantic.push_back(a.Standings[k].TeamName);
    EXPECT_EQ(atlantic, (std::vector<std::string>{"City2 T2", "City7 T7", "City6 T6", "City5 T5", "City4 T4",
                                                  "City3 T3", "City1 T1"}));
    EXPECT_EQ(a.Standings[0].Wins, 50);
    EXPECT_EQ(a.Standings[0].Losses, 32);
    EXPECT_EQ(a.Standings[0].Record, "50 - 32");
    EXPECT_EQ(a.Standings[7].TeamName, "City15 T15"); // Central begins at line 8
    EXPECT_EQ(a.Standings[14].TeamName, "City8 T8");
    EXPECT_EQ(a.Standings[15].TeamName, "City22 T22"); // Midwest at line 16
    EXPECT_EQ(a.Standings[21].TeamName, "City16 T16");
    EXPECT_EQ(a.Standings[22].TeamName, "City29 T29"); // Pacific at line 23
    EXPECT_EQ(a.Standings[28].Record, "43 - 17");

    // The same season's entry is filled again, keeping what else it holds.
    league.tables.archive.back().Champion = "T9";
    SetRecord(league, 1, 60, 22);
    ASSERT_TRUE(ArchiveStandings(league, host));
    ASSERT_EQ(league.tables.archive.size(), 2u);
    EXPECT_EQ(league.tables.archive.back().Champion, "T9");
    EXPECT_EQ(league.tables.archive.back().Standings[0].TeamName, "City1 T1");
}

TEST(Standings, ArchiveRefusesADivisionWithoutRoom) {
    League league = DivisionLeague();
    league.team(8).Division = "Atlantic"; // 8 Atlantic teams, room for 7
    ScriptedHost host;
    EXPECT_FALSE(ArchiveStandings(league, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The Atlantic division has more than 7 teams; the season's final standings "
              "have room for 7. The standings were not archived.");
    EXPECT_TRUE(league.tables.archive.empty());
}

TEST(Standings, LastTenWalksBackFromTheCurrentDay) {
    League league = DivisionLeague();
    // Team 1 plays on days 1 to 14; it wins on the even days. Day 14 is still to be played.
    for (int d = 1; d <= 14; ++d) {
        ScheduleDay& day = league.schedule[static_cast<size_t>(d)];
        day.NumGames = 2;
        ScheduledGame& fives = day.Games[1]; // team 5 beats team 6 every day
        fives.Played = true;
        fives.HomeTeam = "T5";
        fives.AwayTeam = "T6";
        fives.HomeScore = 90;
        fives.AwayScore = 80;
        ScheduledGame& g = day.Games[2];
        const bool home = d % 3 == 0;
        g.HomeTeam = home ? "T1" : "T2";
        g.AwayTeam = home ? "T2" : "T1";
        g.Played = d < 14;
        const int own = d % 2 == 0 ? 100 : 95, other = 97;
        g.HomeScore = static_cast<int16_t>(home ? own : other);
        g.AwayScore = static_cast<int16_t>(home ? other : own);
    }
    league.state.SeasonDay = 14;
    // Days 13 back to 4: wins on 12, 10, 8, 6, 4.
    EXPECT_EQ(RecordText(LastTenRecord(league, 1)), "5-5");
    EXPECT_EQ(RecordText(LastTenRecord(league, 2)), "5-5");
    league.state.SeasonDay = 4; // days 4 to 1
    EXPECT_EQ(RecordText(LastTenRecord(league, 1)), "2-2");
    league.state.SeasonDay = 3; // a game of the current day that was played counts
    league.schedule[3].Games[2].HomeScore = 120;
    EXPECT_EQ(RecordText(LastTenRecord(league, 1)), "2-1");
    league.state.SeasonDay = 190; // later than the schedule: from its last day
    EXPECT_EQ(RecordText(LastTenRecord(league, 5)), "10-0");
    EXPECT_EQ(RecordText(LastTenRecord(league, 6)), "0-10");
    EXPECT_EQ(RecordText(LastTenRecord(league, 9)), "0-0");
}

TEST(Standings, StreakText) {
    EXPECT_EQ(StreakText(3), "W3");
    EXPECT_EQ(StreakText(-2), "L2");
    EXPECT_EQ(StreakText(0), "-");
}

} // namespace
} // namespace hv
