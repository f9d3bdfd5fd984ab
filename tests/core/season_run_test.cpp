// A whole season of the default league, played once through the simulation commands (begin season, Sim
// Season, the playoffs' Sim All) and then checked against the season's invariants.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "league/league_tables.h"

#include "core/season_run_support.h"
#include "season/playoffs.h"
#include "season/sim_commands.h"
#include "season/standings.h"

namespace hv {
namespace {

class SeasonRun : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        season = std::make_unique<test::SeasonLeague>();
        ASSERT_TRUE(season->Begin(3));
        League& l = season->league();
        SimRun run;
        run.onResult = [](const std::string& line) { resultLines += line != "No games today."; };
        regular = RunSimCommand(l, season->host, run, SimSpan::Season);
        ASSERT_TRUE(BeginPlayoffs(l, season->host));
        for (const char* c : kConferences)
            seeds[c] = PlayoffSeeds(l, c);
        playoffs = RunPlayoffCommand(l, season->host, run, PlayoffSpan::All);
    }
    static void TearDownTestSuite() { season.reset(); }

    static std::vector<const ScheduledGame*> Games(int first, int last) {
        std::vector<const ScheduledGame*> games;
        for (int d = first; d <= last; ++d) {
            const ScheduleDay& day = season->league().schedule[static_cast<size_t>(d)];
            for (int g = 1; g <= day.NumGames; ++g)
                games.push_back(&day.Games[static_cast<size_t>(g)]);
        }
        return games;
    }

    static inline std::unique_ptr<test::SeasonLeague> season;
    static inline SimReport regular, playoffs;
    static inline int resultLines = 0;
    static inline std::map<std::string, std::array<int, kPlayoffSeeds + 1>> seeds; // by conference
};

TEST_F(SeasonRun, EveryGameIsPlayedOnceAndTheStandingsAgreeWithTheResults) {
    const League& l = season->league();
    EXPECT_EQ(regular.outcome, SimOutcome::Done);
    EXPECT_EQ(regular.daysPlayed, 120);
    EXPECT_TRUE(season->host.questions.empty()); // the default league's teams are all the computer's
    const auto all = Games(1, Phase::LastDay);
    EXPECT_EQ(all.size(), 1189u);
    EXPECT_EQ(resultLines, static_cast<int>(all.size() + Games(122, kScheduleDays).size()));
    std::map<std::string, WinLoss> record;
    for (const ScheduledGame* g : all) {
        EXPECT_TRUE(g->Played && g->HomeScore != g->AwayScore);
        const bool home = g->HomeScore > g->AwayScore;
        ++record[home ? g->HomeTeam : g->AwayTeam].wins;
        ++record[home ? g->AwayTeam : g->HomeTeam].losses;
    }
    std::map<std::string, std::pair<int, int>> archived;
    for (const StandingLine& line : l.tables.archive.back().Standings)
        archived[line.TeamName] = {line.Wins, line.Losses};
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = l.team(t);
        const WinLoss& r = record[team.Name];
        EXPECT_EQ(r.wins + r.losses, 82) << team.Name;
        EXPECT_EQ(archived[team.City + " " + team.Name], std::make_pair(r.wins, r.losses)) << team.Name;
        EXPECT_EQ(std::make_tuple(team.Wins(), team.Losses()), std::make_tuple(r.wins, r.losses))
            << team.Name;
        EXPECT_DOUBLE_EQ(team.WinPct, double(r.wins) / 82);
    }
    // Each conference's order follows the records.
    for (const char* c : kConferences) {
        std::map<int, int> balanceByRank;
        for (int t = 1; t <= kLeagueTeams; ++t)
            if (l.team(t).Conference == c)
                balanceByRank[l.team(t).ConfRank] =
                    record[l.team(t).Name].wins - record[l.team(t).Name].losses;
        for (auto it = std::next(balanceByRank.begin()); it != balanceByRank.end(); ++it)
            EXPECT_GE(std::prev(it)->second, it->second) << c << " rank " << it->first;
    }
}

TEST_F(SeasonRun, SixteenSeededTeamsPlaySeriesToFourWinsAndCrownAChampion) {
    const League& l = season->league();
    EXPECT_EQ(playoffs.outcome, SimOutcome::Done);
    EXPECT_EQ(l.state.SeasonDay, kPlayoffsOver);
    std::set<int> seeded;
    for (const auto& [conference, s] : seeds) {
        EXPECT_NE(l.team(s[1]).Division, l.team(s[2]).Division) << conference;
        for (int seed = 1; seed <= 8; ++seed) {
            EXPECT_EQ(l.team(s[static_cast<size_t>(seed)]).Conference, conference);
            seeded.insert(s[static_cast<size_t>(seed)]);
        }
    }
    EXPECT_EQ(seeded.size(), 16u);
    const auto games = Games(122, kScheduleDays);
    const int champion = PlayoffChampion(l);
    int championSeries = 0;
    for (int n = 1; n <= kPlayoffSeries; ++n) {
        SCOPED_TRACE(n);
        const PlayoffSeries& s = l.tables.playoffTree[static_cast<size_t>(n)];
        EXPECT_TRUE(s.Finished);
        EXPECT_EQ(std::max(s.WinsA, s.WinsB), 4);
        EXPECT_LT(std::min(s.WinsA, s.WinsB), 4);
        if (n <= 8) {
            EXPECT_TRUE(seeded.count(s.TeamA) && seeded.count(s.TeamB));
        }
        // The series' games in the schedule are its wins.
        const std::string &a = l.team(s.TeamA).Name, &b = l.team(s.TeamB).Name;
        int played = 0, winsA = 0;
        for (const ScheduledGame* g : games)
            if ((g->HomeTeam == a && g->AwayTeam == b) || (g->HomeTeam == b && g->AwayTeam == a)) {
                EXPECT_TRUE(g->Played);
                ++played;
                winsA += (g->HomeTeam == a) == (g->HomeScore > g->AwayScore);
            }
        EXPECT_EQ(played, s.WinsA + s.WinsB);
        EXPECT_EQ(winsA, s.WinsA);
        championSeries += SeriesWinner(s) == champion;
    }
    EXPECT_EQ(championSeries, 4);
    EXPECT_EQ(l.team(champion).Championships, 1);
    const SeasonArchive& a = l.tables.archive.back();
    EXPECT_EQ(a.Champion, l.team(champion).Name);
    EXPECT_EQ(l.player(a.Awards[8].PlayerID).Team, l.team(champion).Name); // the Playoff MVP
}

// The honours of a season played through the day loop: every weekly and monthly line and every single award
// given; the All-Star weekend's games logged on day 60 but counted in nobody's season totals; the game book
// ordered, its best points game the best of every player's game log.
TEST_F(SeasonRun, EveryHonourIsGivenTheBreakCountsNowhereAndTheGameBookIsOrdered) {
    const League& l = season->league();
    const SeasonArchive& a = l.tables.archive.back();
    for (const AwardSlot& line : a.PlayerOfWeek)
        EXPECT_NE(line.PlayerID, 0);
    for (const AwardSlot& line : a.PlayerOfMonth)
        EXPECT_NE(line.PlayerID, 0);
    for (size_t k = 0; k < a.Awards.size(); ++k)
        EXPECT_NE(a.Awards[k].PlayerID, 0) << kArchiveAwardCodes[k];
    for (size_t k = 0; k < 5; ++k) // the All-League and All-Defensive teams
        for (const AwardSlot& slot : a.Teams[k])
            EXPECT_NE(slot.PlayerID, 0) << kArchiveTeamCodes[k];

    int64_t playerPoints = 0, teamPoints = 0, bestLine = 0, breakLines = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = l.player(id);
        playerPoints += p.SeasonStats.Points;
        for (const GameLogEntry& g : p.GameLog) {
            if (g.SeasonDay == Phase::AllStarDay) ++breakLines;
            if (g.SeasonDay >= Phase::FirstDay && g.SeasonDay <= Phase::LastDay &&
                g.SeasonDay != Phase::AllStarDay)
                bestLine = std::max<int64_t>(bestLine, g.Points);
        }
    }
    for (int t = 1; t <= kLeagueTeams; ++t)
        teamPoints += l.team(t).Points;
    EXPECT_EQ(playerPoints, teamPoints);
    EXPECT_GE(breakLines, 2 * 14); // both weekend games were played by full squads
    EXPECT_EQ(l.tables.gameRecords.At(1, 1).Value, double(bestLine));
    for (int c = 1; c <= GameRecordBook::kCategories; ++c)
        for (int p = 2; p <= GameRecordBook::kPositions; ++p)
            EXPECT_LE(l.tables.gameRecords.At(c, p).Value, l.tables.gameRecords.At(c, p - 1).Value);
}

} // namespace
} // namespace hv
