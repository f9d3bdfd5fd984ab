// The honours: the performance rating worked by hand, the award history and its writers, the weekly and
// monthly honours over their days, and the season awards from hand-made statistics.
#include <gtest/gtest.h>

#include "season/awards.h"
#include "season/in_season_awards.h"
#include "season/performance_rating.h"
#include "season/season_awards.h"
#include "support/roster_league.h"

namespace hv {
namespace {

class Honours : public ::testing::Test {
  protected:
    void SetUp() override {
        hawks = r.Add(1, 3, 70);
        owls = r.Add(2, 5, 60);
        r.league.player(hawks).Experience = 6;
        r.league.player(owls).Experience = 0;
    }
    League& league() { return r.league; }
    SeasonArchive& Archive() { return league().tables.archive.back(); }
    void Log(int id, int16_t day, int16_t points, bool starter = true) {
        GameLogEntry g;
        g.SeasonDay = day;
        g.Starter = starter;
        g.Points = points;
        g.Team = league().player(id).Team;
        league().player(id).GameLog.push_back(g);
    }

    test::RosterLeague r;
    int hawks = 0, owls = 0;
};

TEST_F(Honours, GiveAwardAddsTextAndBonus) {
    Player& p = league().player(hawks);
    p.CAREERPOINTS = 7;
    GiveAward(league(), hawks, "DPOY");
    GiveAward(league(), hawks, "POM");
    EXPECT_EQ(p.CAREERPOINTS, 7 + 1000 + 100);
    ASSERT_EQ(p.Awards.size(), 1u); // the monthly honour is counted, not listed
    EXPECT_EQ(p.Awards[0], (Award{2005, "Defensive Player of the Year"}));
}

TEST(InSeasonAwardDays, WindowsAndDays) {
    struct Case {
        int day, length, first, last;
    };
    const Case cases[] = {{6, 5, 1, 5},       {56, 5, 51, 55}, {60, 5, 56, 59},  {66, 5, 61, 65},
                          {121, 5, 116, 120}, {21, 20, 1, 20}, {60, 20, 41, 59}, {81, 20, 61, 80}};
    for (const Case& c : cases) {
        AwardWindow w = AwardWindowOf(c.day, c.length);
        EXPECT_EQ(w.first, c.first) << c.day;
        EXPECT_EQ(w.last, c.last) << c.day;
    }
    int weeks = 0, months = 0;
    for (int day = 1; day <= 170; ++day) {
        weeks += IsWeekAwardDay(day);
        months += IsMonthAwardDay(day);
    }
    // As many as the archive keeps lines for.
    EXPECT_EQ(weeks, 24);
    EXPECT_EQ(months, 6);
    EXPECT_TRUE(IsWeekAwardDay(60));
    EXPECT_FALSE(IsWeekAwardDay(61));
    EXPECT_FALSE(IsMonthAwardDay(61));
    EXPECT_TRUE(IsWeekAwardDay(56));
    EXPECT_FALSE(IsWeekAwardDay(57));
}

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
    EXPECT_EQ(Archive().PlayerOfWeek[0].PlayerID, rookie);
    EXPECT_EQ(Archive().PlayerOfMonth[0].PlayerID, veteran); // days 41-59
    EXPECT_EQ(Archive().RookieOfMonth[0].PlayerID, rookie);
    EXPECT_EQ(league().player(rookie).PlayerOfWeek, 1);
    EXPECT_EQ(league().player(veteran).PlayerOfMonth, 1);
    EXPECT_EQ(league().player(rookie).CAREERPOINTS, 10 + 100);
    EXPECT_EQ(league().player(veteran).CAREERPOINTS, 100);

    league().state.SeasonDay = 61;
    NameInSeasonAwards(league());
    EXPECT_EQ(Archive().PlayerOfWeek[1].PlayerID, 0);
    league().state.SeasonDay = 66; // days 61-65: nobody played
    EXPECT_EQ(NamePlayerOfWeek(league()), 0);
}

TEST_F(Honours, EqualSumsGoToTheFirstPlayer) {
    Log(owls, 10, 15);
    Log(hawks, 11, 10);
    Log(hawks, 12, 5);
    EXPECT_EQ(BestOverDays(league(), 6, 15, false), std::min(hawks, owls));
    EXPECT_EQ(BestOverDays(league(), 6, 15, true), owls);
    EXPECT_EQ(BestOverDays(league(), 13, 15, false), 0);
}

TEST_F(Honours, SeasonAwardsFromHandMadeStatistics) {
    League& l = league();
    l.team(1).HomeWins = 50; // Hawks
    l.team(2).HomeWins = 10; // Owls
    auto player = [&](int team, int position, int experience, int games, int points, int rebounds = 0,
                      int steals = 0) {
        int id = r.Add(team, position, 60);
        Player& p = l.player(id);
        p.Experience = int16_t(experience);
        p.SeasonStats.Games = int16_t(games);
        p.SeasonStats.Points = int16_t(points);
        p.SeasonStats.Rebounds = int16_t(rebounds);
        p.SeasonStats.Steals = int16_t(steals);
        return id;
    };
    l.player(hawks).SeasonStats.Games = 0; // never played: no award
    l.player(owls).SeasonStats.Games = 0;
    const int hawksC = player(1, 1, 5, 70, 900); // PR 900 + 500 for the wins
    const int owlsC = player(2, 1, 5, 70, 1000); // PR 1000 + 100
    const int thirdC = player(2, 1, 5, 70, 400); // ties a later centre
    const int tiedC = player(1, 1, 5, 70, 400);
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
        {"ALD1T SF", a.Teams[3][2], stealer},  {"ALD1T PF", a.Teams[3][1], veteranPF},
    };
    for (const Expect& e : expected)
        EXPECT_EQ(e.slot.PlayerID, e.id) << e.award;
    EXPECT_NE(tiedC, 0);

    // Each award's text once in the winner's list, and its bonus.
    const Player& mvp = l.player(hawksC);
    EXPECT_EQ(mvp.Awards.front(), (Award{2005, "Most Valuable Player"}));
    EXPECT_EQ(l.player(stealer).CAREERPOINTS, 1000 + 500 + 500); // DPOY, All-League and All-Defensive Teams
    EXPECT_EQ(l.player(prospect).CAREERPOINTS, 0);
    EXPECT_TRUE(l.player(prospect).Awards.empty());
}

} // namespace
} // namespace hv
