// The All-Star weekend: who is chosen, how the contests are held, and a whole weekend on the default league
// that counts in nobody's season totals.
#include <gtest/gtest.h>

#include <map>

#include "engine/game.h"
#include "league/default_league.h"
#include "platform/scripted_host.h"
#include "season/all_star.h"
#include "season/awards.h"
#include "season/schedule.h"
#include "support/roster_league.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

std::vector<int> Members(const Squad& squad) {
    std::vector<int> ids;
    for (const SquadMember& m : squad.Members)
        ids.push_back(m.PlayerID);
    return ids;
}

TEST(AllStarSelection, TheBestOverAtLeast30GamesWhoAreFit) {
    test::RosterLeague r;
    League& l = r.league;
    l.team(1).Conference = "West";
    l.team(2).Conference = "East";
    auto add = [&](int team, int position, int games, int rating, int injured = 0, bool ir = false,
                   int experience = 4) {
        int id = r.Add(team, position, 60, injured, ir);
        l.player(id).SeasonStats.Games = int16_t(games);
        l.player(id).SeasonRating = int16_t(rating);
        l.player(id).Experience = int16_t(experience);
        return id;
    };
    const int fewGames = add(1, 1, 10, 300); // 30 a game, but 10 over the floor of 30
    const int best = add(1, 1, 50, 600);     // 12
    const int second = add(1, 1, 50, 550);   // 11
    add(1, 1, 50, 1000, 3);                  // injured
    add(1, 1, 50, 900, 0, true);             // on injured reserve
    const int eastC = add(2, 1, 40, 100);
    const int onlyPF = add(1, 2, 40, 100);
    const int rookie = add(2, 5, 40, 200, 0, false, 0);
    const int sophomore = add(1, 5, 40, 150, 0, false, 1);

    auto squads = ChooseAllStarSquads(l);
    EXPECT_EQ(squads[0].Name, "West");
    EXPECT_EQ(squads[1].Name, "East");
    const std::vector<int> west = Members(squads[0]);
    ASSERT_GE(west.size(), 3u);
    EXPECT_EQ(west[0], best);
    EXPECT_EQ(west[1], second);
    EXPECT_EQ(squads[0].Members[0].Label, "WestC1");
    EXPECT_EQ(squads[0].Members[1].Label, "WestC2");
    // The PF short of a second player takes the best left: the centre of ten games.
    EXPECT_EQ(west[2], onlyPF);
    EXPECT_EQ(west[3], fewGames);
    EXPECT_EQ(squads[0].Members[3].Label, "WestPF2");
    EXPECT_EQ(Members(squads[1]).front(), eastC);

    auto young = ChooseRookieSquads(l);
    EXPECT_EQ(Members(young[0]), std::vector<int>{rookie});
    EXPECT_EQ(Members(young[1]), std::vector<int>{sophomore});
    EXPECT_EQ(young[1].Members[0].Label, "SophomoresPG1");
}

TEST(AllStarContests, RoundsHalveTheFieldAndTiesGoToTheHigherSeed) {
    Contest c;
    c.Rounds = 3;
    for (int i = 1; i <= 8; ++i)
        c.Entrants.push_back({int16_t(i), "P" + std::to_string(i), "T", 0, {}});
    // Round 1: 7 and 8 lead, 1 to 6 level (seeds 1 and 2 go on); round 2: 2 beats everyone; final: 2 and 1
    // level, seed 1 wins.
    std::map<int, std::vector<double>> scores{{1, {5, 5, 9}}, {2, {5, 9, 9}}, {7, {8, 1}}, {8, {8, 1}}};
    std::map<int, size_t> shot;
    ASSERT_TRUE(HoldContest(c, [&](int16_t id) {
        auto it = scores.find(id);
        return it == scores.end() ? 5.0 : it->second.at(shot[id]++);
    }));
    EXPECT_EQ(c.Winner, 1);
    std::vector<size_t> rounds;
    for (const ContestEntrant& e : c.Entrants)
        rounds.push_back(e.RoundScores.size());
    EXPECT_EQ(rounds, (std::vector<size_t>{3, 3, 1, 1, 1, 1, 2, 2}));

    Contest lonely;
    lonely.Rounds = 2;
    lonely.Entrants.resize(1);
    EXPECT_FALSE(HoldContest(lonely, [](int16_t) { return 1.0; }));
    EXPECT_FALSE(lonely.Held());
}

TEST(AllStarContests, BetterShootersAndLeapersScoreMore) {
    struct Case {
        int rating, tier;
    };
    for (Case c :
         {Case{0, 0}, {30, 0}, {31, 1}, {50, 1}, {51, 2}, {70, 2}, {71, 3}, {90, 3}, {91, 4}, {100, 4}})
        EXPECT_EQ(DunkTier(c.rating), c.tier) << c.rating;

    Random rng(17);
    Player p;
    double lastDunks = 0, lastThrees = 0;
    for (int rating : {20, 40, 60, 80, 95}) {
        p.Jumping = int16_t(rating);
        p.ThreePointShot = int16_t(rating);
        double dunks = 0, threes = 0;
        for (int i = 0; i < 2000; ++i) {
            double d = DunkRound(p, rng), t = ShootoutRound(p, rng);
            ASSERT_GE(d, 60);
            ASSERT_LE(d, 150);
            ASSERT_GE(t, 0);
            ASSERT_LE(t, 30);
            dunks += d;
            threes += t;
        }
        EXPECT_GT(dunks, lastDunks) << rating;
        EXPECT_GT(threes, lastThrees) << rating;
        lastDunks = dunks;
        lastThrees = threes;
    }
}

class Weekend : public ::testing::Test {
  protected:
    void SetUp() override {
        home.CopyInstalledData();
        l.programFolder = home.path();
        ASSERT_TRUE(RunStartup(session, host));
        ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "AllStar"));
        EnsureLeagueFolders(home.path(), "AllStar");
        l.rng.Seed(8);
        l.state.LeagueInjuries = false;
        l.state.SiteDuringSim = false;
        l.state.SeasonDay = Phase::BeforeSeason;
        ASSERT_TRUE(GenerateSchedule(l, host)) << host.LastMessage();
        for (; l.state.SeasonDay <= 4; ++l.state.SeasonDay) {
            const ScheduleDay& day = l.schedule[size_t(l.state.SeasonDay)];
            for (int g = 1; g <= day.NumGames; ++g) {
                clsGame game(l);
                game.StartGame(int16_t(l.FindTeam(day.Games[size_t(g)].HomeTeam)),
                               int16_t(l.FindTeam(day.Games[size_t(g)].AwayTeam)), false, int16_t(g),
                               "Regular");
                game.SimGame();
            }
        }
    }

    test::TempHome home;
    ScriptedHost host;
    Session session;
    League& l = session.league;
};

TEST_F(Weekend, IsRefusedOffDay60) {
    EXPECT_FALSE(RunAllStarWeekend(l, host));
    EXPECT_NE(host.LastMessage().find("day 60"), std::string::npos);
    EXPECT_EQ(l.state.SeasonDay, 5);
}

TEST_F(Weekend, PlaysEveryStepCountsInNoSeasonTotalsAndMovesToDay61) {
    l.state.SeasonDay = Phase::AllStarDay;
    std::vector<SeasonTotals> totals;
    std::vector<size_t> logs;
    for (const Player& p : l.players) {
        totals.push_back(p.SeasonStats);
        logs.push_back(p.GameLog.size());
    }
    AllStarWeekend weekend(l, host);
    EXPECT_FALSE(weekend.Started());
    ASSERT_TRUE(weekend.RunNextStep()); // the rookie game
    EXPECT_TRUE(weekend.Started());
    EXPECT_EQ(l.state.SeasonDay, Phase::AllStarDay);
    ASSERT_TRUE(weekend.RunRest()) << host.LastMessage();
    EXPECT_EQ(l.state.SeasonDay, Phase::AllStarDay + 1);
    EXPECT_EQ(weekend.Next(), WeekendStep::Done);
    EXPECT_FALSE(weekend.RunNextStep());

    for (size_t id = 1; id <= kLastLeaguePlayer; ++id)
        ASSERT_EQ(l.players[id].SeasonStats, totals[id]) << l.players[id].Name;
    // Every All-Star played (and logged) the game of day 60; the squads are ten a side.
    for (const Squad& squad : weekend.AllStarSquads()) {
        ASSERT_EQ(squad.Members.size(), 10u);
        for (const SquadMember& m : squad.Members) {
            const Player& p = l.player(m.PlayerID);
            EXPECT_GE(p.GameLog.size(), logs[size_t(m.PlayerID)] + 1);
            EXPECT_EQ(p.GameLog.back().SeasonDay, Phase::AllStarDay);
            EXPECT_EQ(p.GameLog.back().Team, squad.Name);
            EXPECT_NE(std::find(p.Awards.begin(), p.Awards.end(),
                                Award{l.state.Season, "All-Star Game Participant"}),
                      p.Awards.end());
        }
    }
    const SeasonArchive& a = l.tables.archive.back();
    for (size_t award = 0; award < 4; ++award) // RookieMVP, AllStarMVP, ShootoutWinner, DunkWinner
        EXPECT_NE(a.Awards[award].PlayerID, 0) << kArchiveAwardCodes[award];
    EXPECT_EQ(a.Awards[1].PlayerID, weekend.AllStarGame().MVP);
    EXPECT_EQ(a.Awards[2].PlayerID, weekend.Shootout().Winner);
    EXPECT_EQ(weekend.Shootout().Entrants.size(), 8u);
    EXPECT_EQ(weekend.DunkContest().Entrants.size(), 8u);
    const auto& champ = l.player(weekend.DunkContest().Winner).Awards;
    EXPECT_NE(std::find(champ.begin(), champ.end(), Award{l.state.Season, "Slam-Dunk Contest Champion"}),
              champ.end());
    // The MVP of the All-Star Game played for the winners.
    std::string result = weekend.AllStarGame().Result;
    if (result.starts_with('@')) result.erase(0, 1);
    EXPECT_EQ(result.substr(0, result.find(' ')), l.player(weekend.AllStarGame().MVP).GameLog.back().Team);

    // The squads' team slots are free again; the games left their box scores and play-by-play.
    EXPECT_TRUE(l.team(kSquadHomeSlot).Name.empty());
    EXPECT_TRUE(l.team(kSquadAwaySlot).SquadPlayers.empty());
    const fs::path folder = l.LeagueFolderOf("AllStar");
    for (const char* file : {"box/AllStar-Rookie.txt", "box/AllStar-Regular.txt", "pbp/AllStar-Regular.txt"})
        EXPECT_TRUE(fs::exists(folder / file)) << file;
    EXPECT_EQ(weekend.Log().back(), "The league moves on to day 61.");
}

} // namespace
} // namespace hv
