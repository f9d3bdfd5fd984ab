// Reading a file of season statistics, and the model's ratings of its lines.
#include <gtest/gtest.h>

#include "setup/stats_import.h"

namespace hv {
namespace {

const std::string kHeader =
    "Name,Position,Age,Height,Weight,Team,G,MIN,FG,FGA,3P,3PA,FT,FTA,ORB,DRB,AST,STL,BLK,"
    "TOV,PF,PTS\n";
// 2 x 500 + 80 + 200 = 1280 points.
const std::string kGuard =
    "Pat Guard,PG,27,75,190,Hawks,80,2600,500,1100,80,230,200,240,40,200,550,110,15,190,"
    "170,1280\n";
const std::string kCentre =
    "Cy Centre,C,24,85,265,FA,70,1800,330,600,0,3,150,260,210,420,90,40,130,110,230,810\n";

bool Hawks(const std::string& team) {
    return team == "Hawks";
}

ImportProblem ProblemOf(const std::string& text) {
    StatsReadResult r = ParseStatsText(text, Hawks, 650);
    EXPECT_TRUE(r.lines.empty()) << "nothing is read from a bad file";
    return r.problem.value_or(ImportProblem{-1, "no problem found"});
}

TEST(StatsFile, ReadsColumnsInAnyOrderAndCase) {
    StatsReadResult r = ParseStatsText(kHeader + kGuard + "\n" + kCentre, Hawks, 650);
    ASSERT_FALSE(r.problem) << r.problem->reason;
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0].Name, "Pat Guard");
    EXPECT_EQ(r.lines[0].REB, 240);
    EXPECT_EQ(r.lines[1].Team, "FA");

    // Shuffled, in lower case, with one REB column, a quoted name and a column to ignore.
    StatsReadResult shuffled = ParseStatsText(
        "pts,reb,name,team,pos_unused,position,age,height,weight,g,min,fg,fga,3p,3pa,ft,fta,ast,stl,blk,tov,"
        "pf\n"
        "810,630,\"Cy Centre\",fa,x,c,24,85,265,70,1800,330,600,0,3,150,260,90,40,130,110,230\n",
        Hawks, 650);
    ASSERT_FALSE(shuffled.problem) << shuffled.problem->reason;
    EXPECT_EQ(shuffled.lines[0].Name, "Cy Centre");
    EXPECT_EQ(shuffled.lines[0].Position, "C");
    EXPECT_EQ(shuffled.lines[0].Team, "FA");
    EXPECT_EQ(shuffled.lines[0].REB, 630);
}

TEST(StatsFile, ABadRowNamesItsLineAndWhy) {
    auto expect = [](const std::string& text, int line, const std::string& reason) {
        ImportProblem p = ProblemOf(text);
        EXPECT_EQ(p.line, line) << p.reason;
        EXPECT_EQ(p.reason, reason);
    };
    expect(kHeader + kGuard +
               "Al Bad,PG,27,75,190,Hawks,80,2600,500,1100,80,230,200,240,40,200,550,110,15,190,170,"
               "1281\n",
           3, "PTS 1281 is not 2 x FG + 3P + FT (1280)");
    expect(kHeader +
               "Al Bad,G,27,75,190,Hawks,80,2600,500,1100,80,230,200,240,40,200,550,110,15,190,170,1280\n",
           2, "Position \"G\" is not C, PF, SF, SG or PG");
    expect(kHeader + kGuard + kGuard +
               "Al Bad,PG,27,75,190,Bulls,80,2600,500,1100,80,230,200,240,40,200,550,110,15,"
               "190,170,1280\n",
           4, "Team \"Bulls\" is no team of the league, FA or Draft");
    expect(kHeader +
               "Al Bad,PG,27,75,190,Hawks,80,2600,500,400,80,230,200,240,40,200,550,110,15,190,170,1280\n",
           2, "FG 500 is more than FGA 400");
    expect(kHeader +
               "Al Bad,PG,27,75,190,Hawks,0,2600,500,1100,80,230,200,240,40,200,550,110,15,190,170,1280\n",
           2, "MIN 2600 in no games (G 0)");
    expect(kHeader +
               "Al Bad,PG,twenty,75,190,Hawks,80,2600,500,1100,80,230,200,240,40,200,550,110,15,190,170,"
               "1280\n",
           2, "Age \"twenty\" is not a whole number");
    expect(kHeader + "Al Bad,PG,27,75,190,Hawks,80,2600\n", 2, "the line has 8 values, the header 22");
    expect("Name,Position,Age,Height,Weight,Team,G,MIN,FG,FGA,3P,3PA,FT,FTA,AST,STL,BLK,TOV,PF,PTS\n" +
               kGuard,
           1, "the header names no column ORB (nor REB for all rebounds)");
    expect(kHeader, 1, "the file holds no players");
    EXPECT_EQ(ParseStatsText(kHeader + kGuard + kGuard, Hawks, 1).problem->reason,
              "the file holds more than 1 players");
}

TEST(StatsModel, RatesAgainstTheLeagueNotOnAnAbsoluteScale) {
    StatsReadResult r = ParseStatsText(kHeader + kGuard + kCentre, Hawks, 650);
    ASSERT_FALSE(r.problem);
    const auto ratings = RatingsFromStats(r.lines);
    // kSourceSkills order: Passing 4, ShotBlocking 10, DefenseRebound 12.
    EXPECT_GT(ratings[0][4], ratings[1][4]) << "the guard passes better";
    EXPECT_GT(ratings[1][10], ratings[0][10]) << "the centre blocks more";
    EXPECT_GT(ratings[1][12], ratings[0][12]) << "the centre rebounds more";
    for (const auto& line : ratings)
        for (int16_t v : line) {
            EXPECT_GE(v, 5);
            EXPECT_LE(v, 100);
        }
    // Doubling every count of both players (a season twice as long) rates them alike: the rates are
    // relative to the league's.
    std::vector<StatLine> doubled = r.lines;
    for (StatLine& s : doubled)
        for (int* v : {&s.MIN, &s.FG, &s.FGA, &s.ThreeP, &s.ThreePA, &s.FT, &s.FTA, &s.REB, &s.AST, &s.STL,
                       &s.BLK, &s.TOV, &s.PF, &s.PTS})
            *v *= 2;
    const auto twice = RatingsFromStats(doubled);
    for (size_t n = 0; n < 2; ++n)
        for (size_t k = 0; k < 15; ++k)
            EXPECT_NEAR(twice[n][k], ratings[n][k], 3) << n << " " << k;

    const auto players = PlayersFromStats(r.lines);
    EXPECT_EQ(players[0].Experience, 5);
    EXPECT_EQ(players[1].Potential, 65); // 90 at 19, 5 less a year
}

} // namespace
} // namespace hv
