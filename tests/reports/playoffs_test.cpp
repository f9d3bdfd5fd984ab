// The playoffs: seeding, calendar, the day's games, stage changes, champion and Playoff MVP.
#include <gtest/gtest.h>

#include "league/season_archive.h"
#include "platform/scripted_host.h"
#include "reports/playoff_tables.h"
#include "season/performance_rating.h"
#include "season/playoffs.h"

namespace hv {
namespace {

// A league of 29 named teams: the East's 15 in conference order with their divisions ('A' Atlantic, 'C'
// Central), then the West's 14 (Midwest and Pacific alternating). Ranks as the order gives them.
League RankedLeague(const std::string& eastDivisions) {
    League l;
    std::map<std::string, int> nextInDivision;
    for (int t = 1; t <= kLeagueTeams; ++t) {
        Team& team = l.team(t);
        team.City = "City" + std::to_string(t);
        team.Name = "Team" + std::to_string(t);
        const bool east = t <= 15;
        team.Conference = east ? "East" : "West";
        team.Division = east ? (eastDivisions[static_cast<size_t>(t - 1)] == 'A' ? "Atlantic" : "Central")
                             : (t % 2 ? "Midwest" : "Pacific");
        team.ConfRank = static_cast<int16_t>(east ? t : t - 15);
        team.DivRank = static_cast<int16_t>(++nextInDivision[team.Division]);
    }
    return l;
}

TEST(PlayoffSeeding, SeedsOneAndTwoComeFromDifferentDivisions) {
    struct Case {
        std::string divisions;    // East teams 1 to 15 in conference order
        std::array<int, 8> seeds; // team slots of seeds 1 to 8
    };
    const Case cases[] = {
        // Different divisions at the top: the first eight in order.
        {"ACAACCACCACACCA", {1, 2, 3, 4, 5, 6, 7, 8}},
        // The other division's best-placed team (4th) moves up to seed 2; the 2nd and 3rd move down.
        {"AAACCACCCCCAAAC", {1, 4, 2, 3, 5, 6, 7, 8}},
        // It may be the eighth.
        {"AAAAAAACCCCCCCC", {1, 8, 2, 3, 4, 5, 6, 7}},
        // No team of the other division among the eight: its leader (9th) is seed 2 and the 8th drops out.
        {"CCCCCCCCAAAAAAA", {1, 9, 2, 3, 4, 5, 6, 7}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.divisions);
        League l = RankedLeague(c.divisions);
        auto seeds = PlayoffSeeds(l, "East");
        for (int s = 1; s <= 8; ++s)
            EXPECT_EQ(seeds[static_cast<size_t>(s)], c.seeds[static_cast<size_t>(s - 1)]) << "seed " << s;
    }
}

TEST(PlayoffCalendar, RoundsPlay2221112AndTheFinals232) {
    // Transcribed calendar: game days with their home side, per stage.
    const std::map<int, std::pair<int, char>> games{
        {122, {1, 'A'}}, {123, {1, 'A'}}, {125, {1, 'B'}}, {126, {1, 'B'}}, {128, {1, 'A'}}, {130, {1, 'B'}},
        {131, {1, 'A'}}, {133, {2, 'A'}}, {134, {2, 'A'}}, {136, {2, 'B'}}, {137, {2, 'B'}}, {139, {2, 'A'}},
        {141, {2, 'B'}}, {143, {2, 'A'}}, {145, {3, 'A'}}, {146, {3, 'A'}}, {148, {3, 'B'}}, {149, {3, 'B'}},
        {151, {3, 'A'}}, {153, {3, 'B'}}, {155, {3, 'A'}}, {157, {4, 'A'}}, {158, {4, 'A'}}, {160, {4, 'B'}},
        {161, {4, 'B'}}, {162, {4, 'B'}}, {164, {4, 'A'}}, {165, {4, 'A'}}};
    for (int day = 118; day <= 170; ++day) {
        PlayoffDay plan = PlayoffCalendar(day);
        auto it = games.find(day);
        EXPECT_EQ(plan.stage, it == games.end() ? 0 : it->second.first) << "day " << day;
        EXPECT_EQ(plan.home, it == games.end() ? 0 : it->second.second) << "day " << day;
    }
}

class PlayoffTree : public ::testing::Test {
  protected:
    void SetUp() override {
        l = RankedLeague("ACAACCACCACACCA");
        for (int n = 1; n <= 8; ++n) {
            PlayoffSeries& s = Series(n);
            s.TeamA = static_cast<int16_t>(2 * n - 1);
            s.TeamB = static_cast<int16_t>(2 * n);
        }
    }
    PlayoffSeries& Series(int n) { return l.tables.playoffTree[static_cast<size_t>(n)]; }
    void Finish(int n, bool aWins, int loserWins) {
        PlayoffSeries& s = Series(n);
        s.WinsA = static_cast<int16_t>(aWins ? 4 : loserWins);
        s.WinsB = static_cast<int16_t>(aWins ? loserWins : 4);
        s.Finished = true;
    }

    League l;
    ScriptedHost host;
};

TEST_F(PlayoffTree, ADayHoldsOneGameForEachOpenSeriesOfItsStage) {
    Finish(1, true, 0); // a sweep
    l.state.SeasonDay = 124;
    SchedulePlayoffDay(l, host); // day 125: team B at home
    const ScheduleDay& day = l.schedule[125];
    ASSERT_EQ(day.NumGames, 7);
    for (int g = 1; g <= 7; ++g) {
        const PlayoffSeries& s = Series(g + 1);
        const ScheduledGame& game = day.Games[static_cast<size_t>(g)];
        EXPECT_EQ(game.HomeTeam + "-" + game.AwayTeam, l.team(s.TeamB).Name + "-" + l.team(s.TeamA).Name);
    }
}

TEST_F(PlayoffTree, TheBracketShowsEachTeamsSeedInEveryRound) {
    // Bracket numbers as the draw writes them: team A of the k-th series of a conference k, team B 9 - k.
    for (int k = 1; k <= 4; ++k)
        l.team(2 * k - 1).PlayoffBracket() = int16_t(k), l.team(2 * k).PlayoffBracket() = int16_t(9 - k);
    Series(9) = {3, 1, 0, 0, false}; // a later round: the 4th seed against the 1st
    Series(5).TeamA = 0;             // an empty series is not listed
    const ReportTable table = BracketTable(l);
    std::vector<std::string> pairs;
    for (const auto& row : table.rows)
        pairs.push_back(row[3].text + " v " + row[4].text);
    // The pairings (1 v 8), (4 v 5), (2 v 7), (3 v 6); teams without a bracket number show none.
    EXPECT_EQ(pairs,
              (std::vector<std::string>{"(1) Team1 v (8) Team2", "(4) Team3 v (5) Team4",
                                        "(2) Team5 v (7) Team6", "(3) Team7 v (6) Team8", "Team11 v Team12",
                                        "Team13 v Team14", "Team15 v Team16", "(4) Team3 v (1) Team1"}));
}

TEST_F(PlayoffTree, TheNextStageGivesHomeCourtToTheWinnerWithMoreWins) {
    for (int n = 1; n <= 8; ++n)
        Finish(n, n % 2 == 1, n % 4); // odd series won by team A, even ones by team B
    // Winners: 1, 4, 5, 8, 9, 12, 13, 16.
    // 4 has more wins than 1: home court although from the higher series; 5 and 8 have equal wins: the
    // winner of the lower series keeps it.
    const std::tuple<int, int16_t, int16_t> records[] = {{1, 30, 0}, {4, 31, 0}, {5, 0, 40}, {8, 20, 20},
                                                         {9, 10, 0}, {12, 5, 0}, {13, 1, 0}, {16, 0, 2}};
    for (auto [team, home, road] : records)
        l.team(team).HomeWins = home, l.team(team).RoadWins = road;
    l.state.SeasonDay = 131;
    SchedulePlayoffDay(l, host); // day 132 ends the stage: no games, the next stage drawn
    EXPECT_EQ(l.schedule[132].NumGames, 0);
    const std::array<std::pair<int, int>, 4> expected{{{4, 1}, {5, 8}, {9, 12}, {16, 13}}};
    for (int n = 9; n <= 12; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(std::make_pair(int(Series(n).TeamA), int(Series(n).TeamB)), expected[size_t(n - 9)]);
        EXPECT_EQ(Series(n).WinsA + Series(n).WinsB + Series(n).Finished, 0);
    }
}

TEST_F(PlayoffTree, TheFinalsCrownTheChampionAndItsPlayoffMVP) {
    PlayoffSeries& final = Series(15);
    final = {3, 6, 2, 4, true}; // team B wins 4-2
    l.state.Season = 2007;
    // Team6's players: the sum of their playoff game ratings decides; regular-season lines do not count.
    auto add = [&](int id, const std::string& team, std::vector<GameLogEntry> log) {
        Player& p = l.player(id);
        p.Name = "Player " + std::to_string(id), p.Team = team, p.DefaultPosition = "SF";
        p.CAREERPOINTS = 1000 + id, p.GameLog = std::move(log);
    };
    GameLogEntry regular{}, first{}, second{}, other{}, loser{};
    regular.SeasonDay = 100, regular.Points = 50;
    first.SeasonDay = 130, first.Points = 10, first.Rebounds = 2;             // 10 + 2 = 12
    second.SeasonDay = 131, second.Points = 1, second.FT = 1, second.FTA = 1; // 1 + 0.2 = 1.2
    other.SeasonDay = 140, other.Points = 12;
    loser.SeasonDay = 150, loser.Points = 60;
    add(11, "Team6", {first, second});  // 12 + 1 = 13 in the playoffs
    add(12, "Team6", {regular, other}); // 12, and 50 more if the regular season counted
    add(13, "Team3", {loser});
    l.team(3).FinalsAppearances = 2;

    l.state.SeasonDay = 165;
    SchedulePlayoffDay(l, host); // day 166: the finals are over
    EXPECT_EQ(PlayoffChampion(l), 6);
    EXPECT_EQ(std::tie(l.team(6).Championships, l.team(6).FinalsAppearances, l.team(3).Championships,
                       l.team(3).FinalsAppearances, l.player(11).Championships, l.player(13).Championships),
              std::make_tuple(1, 1, 0, 3, 1, 0));
    const SeasonArchive& a = ArchiveOf(l, 2007);
    EXPECT_EQ(std::tie(a.Champion, a.RunnerUp, a.ChampionWins, a.RunnerUpWins),
              std::make_tuple("Team6", "Team3", 4, 2));
    EXPECT_EQ(std::tie(a.Awards[8].PlayerID, a.Awards[8].Team), std::make_tuple(11, "Team6")); // "PlayoffMVP"
    EXPECT_EQ(l.player(11).CAREERPOINTS - l.player(12).CAREERPOINTS, 500 - 1);
}

} // namespace
} // namespace hv
