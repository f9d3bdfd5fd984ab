// The honours: weekly and monthly awards, season awards from hand-made statistics, the All-Star choices.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "league/lineup.h"
#include "reports/all_star_tables.h"
#include "reports/awards_tables.h"
#include "season/all_star.h"
#include "season/awards.h"
#include "season/in_season_awards.h"
#include "season/performance_rating.h"
#include "season/season_awards.h"
#include "support/roster_league.h"
#include "support/season_run_support.h"

namespace hv {
namespace {

class Honours : public ::testing::Test {
  protected:
    void SetUp() override {
        hawks = r.Add(1, 3, 70);
        owls = r.Add(2, 5, 60);
        r.league.player(hawks).Experience = 6, r.league.player(owls).Experience = 0;
    }
    League& league() { return r.league; }
    SeasonArchive& Archive() { return league().tables.archive.back(); }
    void Log(int id, int16_t day, int16_t points, bool starter = true) {
        GameLogEntry g;
        g.SeasonDay = day, g.Starter = starter, g.Points = points, g.Team = league().player(id).Team;
        league().player(id).GameLog.push_back(g);
    }

    test::RosterLeague r;
    int hawks = 0, owls = 0;
};

TEST_F(Honours, TheWeekOfTheBreakIsNamedOnDay60AndNotOn61) {
    const int rookie = owls, veteran = hawks;
    const int draft = r.Add(0, 2, 90);
    league().player(draft).Team = kDraft;
    Log(veteran, 55, 40); // counted by the week named on day 56
    Log(rookie, 57, 12);
    Log(draft, 58, 90);   // the draft pool wins nothing
    Log(veteran, 60, 99); // the All-Star game's line
    league().state.SeasonDay = 60;
    NameInSeasonAwards(league());
    ASSERT_EQ(league().tables.archive.size(), 1u);
    // The month of days 41-59 is the veteran's.
    EXPECT_EQ(std::tie(Archive().PlayerOfWeek[0].PlayerID, Archive().PlayerOfMonth[0].PlayerID,
                       Archive().RookieOfMonth[0].PlayerID),
              std::make_tuple(rookie, veteran, rookie));
    EXPECT_EQ(std::tie(league().player(rookie).PlayerOfWeek, league().player(veteran).PlayerOfMonth,
                       league().player(rookie).CAREERPOINTS, league().player(veteran).CAREERPOINTS),
              std::make_tuple(1, 1, 10 + 100, 100));

    league().state.SeasonDay = 61;
    NameInSeasonAwards(league());
    EXPECT_EQ(Archive().PlayerOfWeek[1].PlayerID, 0);
    league().state.SeasonDay = 66; // days 61-65: nobody played
    EXPECT_EQ(NamePlayerOfWeek(league()), 0);
}

TEST_F(Honours, SeasonAwardsFromHandMadeStatistics) {
    League& l = league();
    l.team(1).HomeWins = 50; // Hawks
    l.team(2).HomeWins = 10; // Owls
    auto player = [&](int team, int position, int experience, int games, int points, int rebounds = 0,
                      int steals = 0) {
        int id = r.Add(team, position, 60);
        Player& p = l.player(id);
        p.Experience = int16_t(experience), p.SeasonStats.Games = int16_t(games);
        p.SeasonStats.Points = int16_t(points), p.SeasonStats.Rebounds = int16_t(rebounds);
        p.SeasonStats.Steals = int16_t(steals);
        return id;
    };
    l.player(hawks).SeasonStats.Games = 0; // never played: no award
    l.player(owls).SeasonStats.Games = 0;
    const int hawksC = player(1, 1, 5, 70, 900); // PR 900 + 500 for the wins
    const int owlsC = player(2, 1, 5, 70, 1000); // PR 1000 + 100
    const int thirdC = player(2, 1, 5, 70, 400); // ties a later centre, who stays out
    player(1, 1, 5, 70, 400);
    const int rookiePF = player(1, 2, 0, 60, 600);        // PR 600
    const int owlsRookiePF = player(2, 2, 0, 60, 500);    // PR 500
    const int veteranPF = player(1, 2, 4, 60, 560, 100);  // PR 660, defence 80
    const int stealer = player(2, 3, 3, 70, 100, 0, 200); // PR 500, defence 800
    const int bench = player(1, 4, 3, 70, 300);
    const int sophomore = player(2, 4, 1, 70, 620); // PR 620, above the rookies: in his second year
    const int prospect = player(1, 1, 0, 70, 5000);
    l.player(prospect).Team = kDraft;
    Log(bench, 5, 30, false);
    Log(bench, 6, 25, false);
    Log(bench, 60, 99, false); // the All-Star weekend counts for nothing
    Log(veteranPF, 7, 50, true);
    Log(veteranPF, 8, 40, false);

    RatePlayers(l);
    EXPECT_EQ(l.player(veteranPF).SeasonRating, 660);
    NameSeasonAwards(l);
    const SeasonArchive& a = Archive();
    struct Expect {
        const char* award;
        const AwardSlot& slot;
        int id;
    };
    const Expect expected[] = {
        {"MVP", a.Awards[4], hawksC},          {"ROY", a.Awards[5], rookiePF},
        {"SixthMan", a.Awards[6], bench},      {"DPOY", a.Awards[7], stealer},
        {"AL1T C", a.Teams[0][0], owlsC},      {"AL2T C", a.Teams[1][0], hawksC},
        {"AL3T C", a.Teams[2][0], thirdC},     {"AL1T PF", a.Teams[0][1], veteranPF},
        {"AL2T PF", a.Teams[1][1], rookiePF},  {"AL3T PF", a.Teams[2][1], owlsRookiePF},
        {"ALR1T PF", a.Teams[5][1], rookiePF}, {"ALR2T PF", a.Teams[6][1], owlsRookiePF},
        {"ALR1T C", a.Teams[5][0], 0}, // the prospect is no rookie of the league
        {"AL1T SG", a.Teams[0][3], sophomore}, {"ALR1T SG", a.Teams[5][3], 0},
        {"ALD1T SF", a.Teams[3][2], stealer},  {"ALD1T PF", a.Teams[3][1], veteranPF}};
    for (const Expect& e : expected)
        EXPECT_EQ(e.slot.PlayerID, e.id) << e.award;

    // Each award's text once in the winner's list, and its bonus.
    const Player& mvp = l.player(hawksC);
    EXPECT_EQ(mvp.Awards.front(), (Award{2005, "Most Valuable Player"}));
    EXPECT_EQ(l.player(stealer).CAREERPOINTS, 1000 + 500 + 500); // DPOY, All-League and All-Defensive Teams
    EXPECT_EQ(l.player(prospect).CAREERPOINTS, 0);
    EXPECT_TRUE(l.player(prospect).Awards.empty());
}

std::vector<int> Members(const Squad& squad) {
    std::vector<int> ids;
    for (const SquadMember& m : squad.Members)
        ids.push_back(m.PlayerID);
    return ids;
}

TEST(AwardTables, TheSeasonsListedAreThoseWithAwardsOfTheKind) {
    League league;
    // 2004 complete; 2006 under way with a player of the week; 2005 opened by the draft's first pick only.
    for (int16_t season : {2004, 2006, 2005})
        league.tables.archive.emplace_back().Season = season;
    auto& a = league.tables.archive;
    a[0].Awards[4] = {7, "Mo Vee", "SF", "Hawks"}; // MVP
    a[0].PlayerOfWeek[2] = {8, "Wes Week", "PG", "Owls"};
    a[1].PlayerOfWeek[0] = {9, "Newt Week", "C", "Owls"};
    a[2].FirstPick = {10, "Top Pick", "PF", "Hawks"};
    EXPECT_EQ(SeasonsWithAwards(league, false), std::vector<int16_t>{2004});
    EXPECT_EQ(SeasonsWithAwards(league, true), (std::vector<int16_t>{2006, 2004}));
    EXPECT_EQ(ArchivedSeasons(league), (std::vector<int16_t>{2006, 2005, 2004}));
}

TEST(AllStarSelection, TheBestOverAtLeast30GamesWhoAreFit) {
    test::RosterLeague r;
    League& l = r.league;
    l.team(1).Conference = "West";
    l.team(2).Conference = "East";
    auto add = [&](int team, int position, int games, int rating, int injured = 0, bool ir = false,
                   int experience = 4) {
        int id = r.Add(team, position, 60, injured, ir);
        Player& p = l.player(id);
        p.SeasonStats.Games = int16_t(games), p.SeasonRating = int16_t(rating),
        p.Experience = int16_t(experience);
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
    const int injuredRookie = add(1, 4, 40, 100, 5, false, 0); // dressed for the rookie game all the same

    auto squads = ChooseAllStarSquads(l);
    EXPECT_EQ(squads[0].Name + squads[1].Name, "WestEast");
    // The PF short of a second player takes the best left: the centre of ten games.
    std::vector<int> west = Members(squads[0]);
    west.resize(4);
    EXPECT_EQ(west, (std::vector<int>{best, second, onlyPF, fewGames}));
    EXPECT_EQ(squads[0].Members[1].Label + squads[0].Members[3].Label, "WestC2WestPF2");
    EXPECT_EQ(Members(squads[1]).front(), eastC);

    auto young = ChooseRookieSquads(l);
    EXPECT_EQ(Members(young[0]), (std::vector<int>{injuredRookie, rookie}));
    SetUpSquad(l, 30, young[0]);
    EXPECT_EQ(AvailablePlayersOf(l, 30), (std::vector<int>{injuredRookie, rookie})) << "both dressed";
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
}

// Each entrant of a contest gets 250 career points and the winner 1000 more with his title; every member of
// a squad that plays gets the game's participant text.
TEST(AllStarContests, BonusesAndParticipantTexts) {
    test::SeasonLeague season;
    ASSERT_TRUE(season.Load(17, "Weekend"));
    League& l = season.league();
    l.state.SeasonDay = Phase::AllStarDay;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) // everybody has shot threes: a full shootout
        l.player(id).SeasonStats.ThreePA = 20, l.player(id).SeasonStats.ThreeP = int16_t(id % 13);
    AllStarWeekend weekend(l, season.host);
    auto holds = [&](int id, const std::string& text) {
        const auto& list = l.player(id).Awards;
        return std::count(list.begin(), list.end(), Award{l.state.Season, text}) == 1;
    };
    auto participants = [&](const std::array<Squad, 2>& squads, const std::string& text) {
        for (const Squad& squad : squads) {
            EXPECT_GE(squad.Members.size(), size_t(kSquadMinimum)) << squad.Name;
            for (const SquadMember& m : squad.Members)
                EXPECT_TRUE(holds(m.PlayerID, text)) << m.Label;
        }
    };
    ASSERT_TRUE(weekend.RunNextStep());
    participants(weekend.RookieSquads(), "All-Star Rookie Game Participant");
    for (const char* champion : {"3-Point Shootout Champion", "Slam-Dunk Contest Champion"}) {
        std::vector<int32_t> before(kLastLeaguePlayer + 1);
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            before[size_t(id)] = l.player(id).CAREERPOINTS;
        ASSERT_TRUE(weekend.RunNextStep());
        const Contest& c =
            weekend.Next() == WeekendStep::DunkContest ? weekend.Shootout() : weekend.DunkContest();
        ASSERT_EQ(c.Entrants.size(), size_t(kContestEntrants));
        std::map<int, int32_t> bonus;
        for (const ContestEntrant& e : c.Entrants)
            bonus[e.PlayerID] = 250;
        bonus[c.Winner] += 1000;
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            EXPECT_EQ(l.player(id).CAREERPOINTS - before[size_t(id)], bonus.count(id) ? bonus[id] : 0) << id;
        EXPECT_TRUE(holds(c.Winner, champion)) << champion;
    }
    ASSERT_TRUE(weekend.RunNextStep());
    participants(weekend.AllStarSquads(), "All-Star Game Participant");
    EXPECT_EQ(l.state.SeasonDay, Phase::AllStarDay + 1);
}

TEST(AllStarContests, DunkTiersByJumping) {
    for (auto [rating, tier] : std::initializer_list<std::pair<int, int>>{
             {0, 0}, {30, 0}, {31, 1}, {50, 1}, {51, 2}, {70, 2}, {71, 3}, {90, 3}, {91, 4}, {100, 4}})
        EXPECT_EQ(DunkTier(rating), tier) << rating;
}

} // namespace
} // namespace hv

namespace hv {
namespace {

TEST(AllStarSlots, EachSlotIsNamedByItsPosition) {
    EXPECT_EQ(AllStarSlotName("WestC1"), "Center 1");
    EXPECT_EQ(AllStarSlotName("EastPF2"), "Power Forward 2");
    EXPECT_EQ(AllStarSlotName("SophomoresSF1"), "Small Forward 1");
    EXPECT_EQ(AllStarSlotName("RookiesSG2"), "Shooting Guard 2");
    EXPECT_EQ(AllStarSlotName("WestPG1"), "Point Guard 1");
    EXPECT_EQ(AllStarSlotName("Reserve"), "Reserve");
    EXPECT_EQ(AllStarSlotName("West7"), "West7");
}

} // namespace
} // namespace hv
