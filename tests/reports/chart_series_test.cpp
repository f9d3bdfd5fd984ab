// The figures behind the card's and the team screen's charts, and the card's heading and tables, on
// hand-made players and seasons.
#include <gtest/gtest.h>

#include "reports/chart_series.h"
#include "reports/player_card.h"
#include "reports/player_stats_tables.h"

namespace hv {
namespace {

League InSeason(int16_t season, int16_t day) {
    League league;
    league.state.Season = season;
    league.state.SeasonDay = day;
    return league;
}

SeasonHistoryEntry Filed(int16_t season, int16_t games, int16_t points, int16_t rebounds, int16_t assists) {
    SeasonHistoryEntry h;
    h.Season = season, h.Team = "Owls", h.Games = games, h.Points = points, h.Rebounds = rebounds;
    h.Assists = assists;
    return h;
}

// Two filed seasons out of order, one of no games, and the season in play: 2004 is 10 games of 200 points,
// 50 rebounds, 30 assists; 2006 is 4 games of 90, 8 and 2.
TEST(ChartSeries, PerGameBySeasonOldestFirstWithTheSeasonInPlay) {
    League league = InSeason(2006, 30);
    Player& p = league.player(7);
    p.Name = "Al Smith";
    p.SeasonHistory = {Filed(2005, 0, 0, 0, 0), Filed(2004, 10, 200, 50, 30)};
    p.SeasonStats.Games = 4, p.SeasonStats.Points = 90, p.SeasonStats.Rebounds = 8, p.SeasonStats.Assists = 2;
    const PerGameSeries s = PlayerPerGameBySeason(league, 7);
    EXPECT_EQ(s.points, (std::vector<SeasonValue>{{2004, 20.0}, {2006, 22.5}}));
    EXPECT_EQ(s.rebounds, (std::vector<SeasonValue>{{2004, 5.0}, {2006, 2.0}}));
    EXPECT_EQ(s.assists, (std::vector<SeasonValue>{{2004, 3.0}, {2006, 0.5}}));
}

// After the season's end the totals stay until the next season clears them, and the history already holds
// the season: it is counted once.
TEST(ChartSeries, AFiledSeasonIsNotCountedTwice) {
    League league = InSeason(2007, Phase::RookieDraft);
    Player& p = league.player(7);
    p.Name = "Al Smith";
    p.SeasonHistory = {Filed(2006, 4, 40, 4, 4)};
    p.SeasonStats.Games = 4, p.SeasonStats.Points = 40;
    EXPECT_EQ(PlayerPerGameBySeason(league, 7).points, (std::vector<SeasonValue>{{2006, 10.0}}));
}

TEST(ChartSeries, TeamWinsFromTheArchiveAndTheSeasonUnderWay) {
    League league = InSeason(2007, 50);
    Team& t = league.team(3);
    t.City = "Hartford", t.Name = "Owls", t.HomeWins = 20, t.RoadWins = 9;
    SeasonArchive a2006, a2005;
    a2006.Season = 2006, a2005.Season = 2005;
    a2006.Standings[0] = {"Other Team", 60, 22, "60-22"};
    a2006.Standings[1] = {"Hartford Owls", 50, 32, "50-32"};
    a2005.Standings[4] = {"Owls", 35, 47, "35-47"};
    league.tables.archive = {a2006, a2005};
    EXPECT_EQ(TeamWinsBySeason(league, 3), (std::vector<SeasonValue>{{2005, 35}, {2006, 50}, {2007, 29}}));
    league.state.SeasonDay = Phase::BeforeSeason; // not under way: only the archive
    EXPECT_EQ(TeamWinsBySeason(league, 3).size(), 2u);
}

TEST(PlayerCard, HeadingRatingsAndPlayoffs) {
    League league = InSeason(2006, 130);
    Player& p = league.player(9);
    p.Name = "Bo Jones", p.Team = "Owls", p.DefaultPosition = "C", p.Age = 27, p.Height = 83, p.Weight = 250;
    p.College = "Duke", p.contract1 = 1200000, p.contract2 = 1300000, p.Injury = "Sprained Ankle";
    p.TimeInjured = 3, p.RatingRebounding = 81;
    p.PlayoffStats.Games = 2, p.PlayoffStats.Points = 31;
    const std::vector<CardFact> facts = PlayerCardFacts(league, 9);
    ASSERT_EQ(facts.size(), 8u);
    EXPECT_EQ(facts[3].label + "=" + facts[3].text, "Height=6'11''");
    EXPECT_EQ(facts[4].text, "250 lbs");
    // Two years from 2006: through 2007, at the first year's salary.
    EXPECT_EQ(facts[6].text, "$1,200,000 a year through 2007");
    EXPECT_EQ(facts[7].text, "Sprained Ankle, 3 days");
    const ReportTable ratings = PlayerRatingsTable(p);
    EXPECT_EQ(ratings.rows[6][0].text, "Rebounding");
    EXPECT_EQ(ratings.rows[6][1].text, "81");
    EXPECT_NE(ratings.rows[6][0].tip.find("rebounds"), std::string::npos);
    for (const auto& row : ratings.rows)
        EXPECT_FALSE(row[0].tip.empty()) << row[0].text;
    const ReportTable playoffs = PlayerPlayoffTable(league, 9);
    ASSERT_EQ(playoffs.rows.size(), 1u);
    EXPECT_EQ(playoffs.rowKeys[0], 2006);
    p.PlayoffStats.Games = 0;
    EXPECT_TRUE(PlayerPlayoffTable(league, 9).rows.empty());
    p.contract1 = p.contract2 = 0;
    EXPECT_EQ(ContractText(league, p), "None");
}

} // namespace
} // namespace hv
