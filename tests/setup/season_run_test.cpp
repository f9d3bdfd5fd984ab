// Whole seasons of the default league for two seeds, checked against the season's invariants.
// Shared suite: SeasonRun
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "league/league_tables.h"
#include "league/season_archive.h"
#include "season/all_star.h"
#include "season/playoffs.h"
#include "season/sim_commands.h"
#include "season/standings.h"
#include "support/season_run_support.h"

namespace hv {
namespace {

constexpr unsigned kSeeds[] = {3, 1789};

struct PlayedSeason {
    unsigned seed = 0;
    std::unique_ptr<test::SeasonLeague> season;
    SimReport regular, playoffs;
    int resultLines = 0;
    // Each conference's seeds, taken from the ranks the playoffs were drawn from.
    std::map<std::string, std::array<int, kPlayoffSeeds + 1>> seeds;
    League& league() const { return season->league(); }
};

class SeasonRun : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        for (unsigned seed : kSeeds) {
            auto& played = seasons().emplace_back();
            played.seed = seed;
            played.season = std::make_unique<test::SeasonLeague>();
            ASSERT_TRUE(played.season->Begin(seed, "Season " + std::to_string(seed)));
            League& l = played.league();
            Host& host = played.season->host;
            SimRun run;
            run.onResult = [&played](const std::string& line, int) {
                if (line != "No games today.") ++played.resultLines;
            };
            played.regular = RunSimCommand(l, host, run, SimSpan::Season);
            ASSERT_TRUE(BeginPlayoffs(l, host));
            for (const char* c : kConferences)
                played.seeds[c] = PlayoffSeeds(l, c);
            played.playoffs = RunPlayoffCommand(l, host, run, PlayoffSpan::All);
        }
    }
    static void TearDownTestSuite() { seasons().clear(); }
    static std::vector<PlayedSeason>& seasons() {
        static std::vector<PlayedSeason> all;
        return all;
    }

    template <class Check> void ForEachSeason(Check check) {
        ASSERT_EQ(seasons().size(), std::size(kSeeds));
        for (const PlayedSeason& s : seasons()) {
            SCOPED_TRACE(testing::Message() << "seed " << s.seed);
            check(s, s.league());
        }
    }

    static std::vector<const ScheduledGame*> Games(const League& l, int first, int last) {
        std::vector<const ScheduledGame*> games;
        for (int d = first; d <= last; ++d) {
            const ScheduleDay& day = l.schedule[static_cast<size_t>(d)];
            for (int g = 1; g <= day.NumGames; ++g)
                games.push_back(&day.Games[static_cast<size_t>(g)]);
        }
        return games;
    }
};

TEST_F(SeasonRun, EveryGameIsPlayedOnceAndTheStandingsAgreeWithTheResults) {
    ForEachSeason([](const PlayedSeason& s, const League& l) {
        EXPECT_EQ(std::tie(s.regular.outcome, s.regular.daysPlayed, s.playoffs.outcome, l.state.SeasonDay),
                  std::make_tuple(SimOutcome::Done, 120, SimOutcome::Done, int16_t(kPlayoffsOver)));
        EXPECT_TRUE(s.season->host.questions.empty()); // the default league's teams are all the computer's
        const auto all = Games(l, 1, Phase::LastDay);
        EXPECT_EQ(all.size(), 1189u);
        EXPECT_EQ(s.resultLines, static_cast<int>(all.size() + Games(l, 122, kScheduleDays).size()));
        std::map<std::string, std::pair<int, int>> record, archived;
        for (const ScheduledGame* g : all) {
            EXPECT_TRUE(g->Played && g->HomeScore != g->AwayScore);
            const bool home = g->HomeScore > g->AwayScore;
            ++record[home ? g->HomeTeam : g->AwayTeam].first;
            ++record[home ? g->AwayTeam : g->HomeTeam].second;
        }
        for (const StandingLine& line : l.tables.archive.back().Standings)
            archived[line.TeamName] = {line.Wins, line.Losses};
        for (int t = 1; t <= kLeagueTeams; ++t) {
            const Team& team = l.team(t);
            SCOPED_TRACE(team.Name);
            const std::pair<int, int> played = record[team.Name];
            EXPECT_EQ(played.first + played.second, 82);
            EXPECT_EQ(std::make_pair(int(team.Wins()), int(team.Losses())),
                      played); // the playoffs not counted
            EXPECT_EQ(archived[team.City + " " + team.Name], played);
            EXPECT_DOUBLE_EQ(team.WinPct, double(team.Wins()) / 82);
        }
    });
}

TEST_F(SeasonRun, SixteenTeamsAreSeededByTheRules) {
    ForEachSeason([](const PlayedSeason& s, const League& l) {
        std::set<int> playoffTeams;
        for (const auto& [conference, seeds] : s.seeds) {
            SCOPED_TRACE(conference);
            std::set<int> in(seeds.begin() + 1, seeds.end());
            EXPECT_TRUE(in.size() == 8 && !in.count(0));
            for (int t : in)
                EXPECT_TRUE(l.team(t).Conference == conference &&
                            l.team(t).LastPlayoffYear == l.state.Season);
            playoffTeams.insert(in.begin(), in.end());
        }
        EXPECT_EQ(playoffTeams.size(), 16u);
        // The first stage pairs seeds 1-8, 4-5, 2-7 and 3-6 of each conference; each pair's bracket places.
        const int pairs[4][2] = {{1, 8}, {4, 5}, {2, 7}, {3, 6}};
        for (size_t c = 0; c < 2; ++c)
            for (size_t k = 0; k < 4; ++k) {
                const auto& seeds = s.seeds.at(kConferences[c]);
                const PlayoffSeries& series = l.tables.playoffTree[c * 4 + k + 1];
                EXPECT_EQ(std::make_pair(int(series.TeamA), int(series.TeamB)),
                          std::make_pair(seeds[size_t(pairs[k][0])], seeds[size_t(pairs[k][1])]));
                EXPECT_EQ(l.team(series.TeamA).PlayoffBracket() * 10 + l.team(series.TeamB).PlayoffBracket(),
                          int(10 * k + 18 - k));
            }
    });
}

TEST_F(SeasonRun, EverySeriesEndsAtFourWinsAndTheChampionWonFour) {
    ForEachSeason([](const PlayedSeason&, const League& l) {
        const auto playoffGames = Games(l, 122, kScheduleDays);
        const int champion = PlayoffChampion(l);
        int championSeries = 0;
        for (int n = 1; n <= kPlayoffSeries; ++n) {
            SCOPED_TRACE(n);
            const PlayoffSeries& s = l.tables.playoffTree[static_cast<size_t>(n)];
            EXPECT_TRUE(s.Finished && std::max(s.WinsA, s.WinsB) == 4 && std::min(s.WinsA, s.WinsB) < 4);
            // The series' games in the schedule are its wins.
            const std::string& a = l.team(s.TeamA).Name;
            const std::string& b = l.team(s.TeamB).Name;
            int games = 0, winsA = 0;
            for (const ScheduledGame* g : playoffGames) {
                if (!((g->HomeTeam == a && g->AwayTeam == b) || (g->HomeTeam == b && g->AwayTeam == a)))
                    continue;
                EXPECT_TRUE(g->Played);
                ++games;
                winsA += (g->HomeTeam == a) == (g->HomeScore > g->AwayScore) ? 1 : 0;
            }
            EXPECT_EQ(std::make_pair(games, winsA), std::make_pair(s.WinsA + s.WinsB, int(s.WinsA)));
            championSeries += SeriesWinner(s) == champion ? 1 : 0;
        }
        const SeasonArchive& a = l.tables.archive.back();
        EXPECT_EQ(std::tie(championSeries, l.team(champion).Championships, a.Champion, a.ChampionWins),
                  std::make_tuple(4, 1, l.team(champion).Name, 4));
        EXPECT_EQ(l.player(a.Awards[8].PlayerID).Team, l.team(champion).Name); // the Playoff MVP
    });
}

// The All-Star weekend's lines are logged on day 60 but count in nobody's season totals.
TEST_F(SeasonRun, EveryHonourIsGivenAndTheBreakCountsNowhere) {
    ForEachSeason([](const PlayedSeason&, const League& l) {
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

        int64_t playerPoints = 0, teamPoints = 0, breakLines = 0;
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            const Player& p = l.player(id);
            playerPoints += p.SeasonStats.Points;
            for (const GameLogEntry& g : p.GameLog)
                breakLines += g.SeasonDay == Phase::AllStarDay;
        }
        for (int t = 1; t <= kLeagueTeams; ++t)
            teamPoints += l.team(t).Points;
        EXPECT_EQ(playerPoints, teamPoints);
        EXPECT_GE(breakLines, 2 * 14); // both weekend games were played by full squads
        EXPECT_TRUE(l.team(kSquadHomeSlot).Name.empty()) << "the squads' slot is free again";
    });
}

} // namespace
} // namespace hv
