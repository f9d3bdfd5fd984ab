// The players' end of season: careers, retirements, aging, contracts and re-signing.
#include <gtest/gtest.h>

#include "league/league_options.h"
#include "league/salary.h"
#include "league/transactions.h"
#include "personnel/resign.h"
#include "personnel/retirement.h"
#include "personnel/season_end.h"
#include "platform/scripted_host.h"
#include "support/engine_test_support.h"
#include "support/roster_league.h"

namespace hv {
namespace {

class SeasonEnd : public ::testing::Test {
  protected:
    SeasonEnd() {
        league().state.Season = 2006; // the season number has already moved on
        league().state.SeasonDay = Phase::RookieDraft;
        league().state.SetSalaryCapDollars(40000000);
    }
    League& league() { return roster.league; }

    int Add(int team, int age, std::initializer_list<int32_t> years, int position = 1) {
        const int id = roster.Add(team, position, 60);
        Player& p = league().player(id);
        p.Age = static_cast<int16_t>(age);
        for (int y = 1; y <= 8; ++y)
            p.Contract(y) = y <= int(years.size()) ? years.begin()[y - 1] : 0;
        if (team != 0) league().team(team).TotalSalary += p.contract1;
        return id;
    }

    test::RosterLeague roster;
    ScriptedHost host;
};

TEST_F(SeasonEnd, ContractsMoveOnPlayersAgeAndTheSeasonGoesIntoTheCareer) {
    const int id = Add(1, 25, {1000000, 1100000, 1200000});
    Player& p = league().player(id);
    p.Experience = 4, p.BirdYears = 2;
    p.SeasonStats = {70,  60, 2100, 500, 1000, 300, 400, 80, 200, 450,
                     300, 90, 40,   150, 1380, 180, 2,   12, 1,   0};
    p.CAREERPOINTS = 3000, p.Career.Points = 2900, p.CareerGames = 100;
    const int prospect = Add(0, 20, {});
    league().player(prospect).Team = kDraft;
    const int freeAgent = Add(0, 24, {}), old = Add(2, 45, {900000, 900000});
    league().team(1).CutSalary = {500, 400, 300, 0, 0, 0, 0, 80};
    league().team(1).UsedMidException = league().team(1).UsedLowException = true;

    ASSERT_TRUE(ProcessSeasonEnd(league(), host));
    EXPECT_EQ(std::tie(p.LastSalary, p.contract1, p.contract2, p.contract3, p.Age, p.Experience, p.BirdYears),
              std::make_tuple(1000000, 1100000, 1200000, 0, 26, 5, 3));
    EXPECT_EQ(league().player(prospect).Age, 20) << "a prospect of the draft does not age";
    // Free agents and players of 45 retire whatever the draw; a free agent's retirement is logged for no
    // team.
    EXPECT_TRUE(league().player(freeAgent).IsEmpty() && league().player(old).IsEmpty());
    EXPECT_EQ(league().tables.transactions.size(), 1u);
    const Team& t = league().team(1);
    EXPECT_EQ(t.CutSalary, (std::array<int32_t, 8>{400, 300, 0, 0, 0, 0, 80, 0}));
    EXPECT_EQ(std::tie(t.UsedMidException, t.UsedLowException, t.TotalSalary),
              std::make_tuple(false, false, 1100000));
    EXPECT_EQ(Payroll(t), 1100400);

    EXPECT_EQ(std::tie(p.CAREERPOINTS, p.Career.Points, p.Career.Minutes, p.Career.Assists, p.CareerGames,
                       p.CareerGamesStarted, p.CareerFouls, p.CareerDoubleDoubles),
              std::make_tuple(4380, 4280, 2100, 300, 170, 60, 180, 12));
    ASSERT_EQ(p.SeasonHistory.size(), 1u);
    const SeasonHistoryEntry& h = p.SeasonHistory[0];
    EXPECT_EQ(std::tie(h.Season, h.Team, h.Rebounds, h.Points, h.DQ),
              std::make_tuple(2005, league().team(1).Name, 450, 1380, 2));
}

TEST(Retirement, ChanceByAgeAndContract) {
    // b = 0 without a contract next season, 0.2 with one, 0.4 with one and more than 2400 minutes.
    const struct {
        int age;
        int32_t nextYear;
        int minutes;
        double r;
        bool retires;
    } cases[] = {{32, 0, 0, 0.999, false}, {33, 0, 0, 0.80, false},     {33, 0, 0, 0.81, true},
                 {34, 1, 0, 0.99, false},  {34, 1, 2500, 0.999, false}, {35, 0, 0, 0.45, false},
                 {35, 0, 0, 0.46, true},   {38, 1, 0, 0.66, true},      {38, 1, 2400, 0.64, false},
                 {39, 0, 0, 0.21, true},   {44, 1, 2401, 0.59, false},  {44, 1, 2401, 0.61, true},
                 {45, 1, 3000, 0.0, true}};
    for (const auto& c : cases) {
        Player p;
        p.Age = static_cast<int16_t>(c.age);
        p.contract2 = c.nextYear;
        p.SeasonStats.Minutes = static_cast<int16_t>(c.minutes);
        EXPECT_EQ(RetiresAtSeasonEnd(p, c.r), c.retires) << c.age << " " << c.nextYear << " " << c.minutes;
    }
}

TEST_F(SeasonEnd, RetiringPlayerLeavesHisTeam) {
    SetHuman(league().team(2), true);
    const int star = roster.Fill(2, 13) + 2;
    Player& p = league().player(star);
    p.CAREERPOINTS = 25001, p.Awards.push_back({2004, "MVP"}), p.SeasonHistory.push_back({});
    league().team(2).keyplayer1 = static_cast<int16_t>(star);
    const int16_t players = league().team(2).NumPlayers;
    const std::string name = p.Name, position = p.DefaultPosition;
    league().tables.bids.push_back({static_cast<int16_t>(star), 3, BidKind::New, 1, {1000000}, 0, 0});
    const size_t free = league().freeIDs.size();

    RetirePlayer(league(), star, host, 2005);
    EXPECT_TRUE(league().player(star).IsEmpty());
    const Team& t = league().team(2);
    EXPECT_EQ(std::tie(t.NumPlayers, t.keyplayer1, t.SF1), std::make_tuple(players - 1, 0, 0));
    ASSERT_FALSE(league().tables.transactions.empty());
    const Transaction& logged = league().tables.transactions.back();
    EXPECT_EQ(logged.Team + ": " + logged.Action, "Owls: " + position + " " + name + " retires");
    EXPECT_EQ(host.LastMessage(), name + " of the Owls has retired.");
    ASSERT_EQ(league().tables.retiredPlayers.size(), 1u);
    const RetiredPlayer& r = league().tables.retiredPlayers[0];
    EXPECT_EQ(std::tie(r.ID, r.Name, r.RetiredSeason, r.CAREERPOINTS),
              std::make_tuple(star, name, 2005, 25001));
    EXPECT_EQ(std::make_tuple(r.Awards.size(), r.Seasons.size(), league().tables.bids.size(),
                              league().freeIDs.size(), league().freeIDs.back()),
              std::make_tuple(1u, 1u, 0u, free + 1, star));
}

TEST_F(SeasonEnd, ComputerTeamResigns) {
    const struct {
        const char* what;
        bool willing;
        int32_t demand, lastSalary;
        int birdYears;
        int64_t payroll;
        bool stays;
    } cases[] = {{"not willing", false, 1000000, 1000000, 5, 0, false},
                 {"no demand", true, 0, 1000000, 5, 0, false},
                 {"Bird rights over the cap", true, 9000000, 1000000, 3, 45000000, true},
                 {"within 120 % over the cap", true, 1200000, 1000000, 2, 45000000, true},
                 {"above 120 % over the cap", true, 1200001, 1000000, 2, 45000000, false},
                 {"above 120 % within the room", true, 3000000, 1000000, 2, 37000000, true},
                 {"above 120 % beyond the room", true, 3000001, 1000000, 2, 37000000, false}};
    for (const auto& c : cases) {
        roster = test::RosterLeague();
        league().state.SetSalaryCapDollars(40000000);
        const int id = Add(1, 27, {});
        Player& p = league().player(id);
        p.Resign = c.willing, p.ResignDemand = {c.demand, c.demand, c.demand}, p.LastSalary = c.lastSalary;
        p.BirdYears = static_cast<int16_t>(c.birdYears);
        league().team(1).TotalSalary = static_cast<int32_t>(c.payroll);
        EXPECT_EQ(DecideResign(league(), id, host), c.stays ? ResignDecision::Stays : ResignDecision::Leaves)
            << c.what;
        EXPECT_TRUE(!c.stays || (p.contract1 == c.demand && p.contract3 == c.demand && p.contract4 == 0))
            << c.what;
    }
}

TEST_F(SeasonEnd, ExpiredContractsAtTheEndOfTheSeason) {
    SetHuman(league().team(2), true);
    const int stays = Add(1, 28, {2000000}), leaves = Add(1, 28, {2000000});
    const int waits = Add(2, 28, {2000000}), refuses = Add(2, 28, {2000000});
    for (int id : {stays, leaves, waits, refuses})
        league().player(id).Resign = id == stays || id == waits, league().player(id).ResignDemand = {2100000};
    league().team(2).keyplayer2 = static_cast<int16_t>(refuses);

    ProcessSeasonEnd(league(), host);
    EXPECT_EQ(std::tie(league().player(stays).contract1, league().player(stays).Team,
                       league().player(leaves).Team, league().player(leaves).LastTeam),
              std::make_tuple(2100000, "Hawks", "FA", "Hawks"));
    EXPECT_TRUE(AwaitsResignDecision(league(), waits) &&
                PlayersAwaitingResign(league()) == std::vector<int>{waits});
    EXPECT_EQ(std::tie(league().player(refuses).Team, league().team(2).keyplayer2), std::make_tuple("FA", 0));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              league().player(refuses).Name + " of Owls has decided to test free agency.");

    EXPECT_FALSE(UserResign(league(), 1, stays, true, host)) << "not a human team";
    EXPECT_TRUE(UserResign(league(), 2, waits, true, host) && league().player(waits).contract1 == 2100000);
    EXPECT_FALSE(UserResign(league(), 2, waits, true, host)) << "already decided";
}

TEST_F(SeasonEnd, ResignedAtLeastTheMinimumOfTheComingExperience) {
    // The minimum salary by experience. A cap of 1,000,000 holds every maximum below it, so each demand is
    // the minimum of the contract's first season, when the player has one more season in the league.
    const int32_t minimum[] = {332817, 465850, 540850, 565850, 590850, 653350,
                               715850, 778350, 840850, 965850, 1000000};
    SetHuman(league().team(2), true);
    league().state.SetSalaryCapDollars(1000000);
    league().state.Season = 2005, league().state.SeasonDay = 121;
    std::vector<int> ids;
    for (int experience = 0; experience <= 10; ++experience) {
        const int id = Add(experience % 2 + 1, 27, {100000});
        league().player(id).Experience = static_cast<int16_t>(experience);
        league().player(id).BirdYears = 3;
        ids.push_back(id);
    }
    SetContractValues(league());
    for (int id : ids)
        league().player(id).Resign = true;
    league().state.Season = 2006, league().state.SeasonDay = Phase::RookieDraft;
    ProcessSeasonEnd(league(), host);
    for (int id : PlayersAwaitingResign(league(), 2))
        ASSERT_TRUE(UserResign(league(), 2, id, true, host));
    for (size_t e = 0; e < ids.size(); ++e)
        EXPECT_EQ(league().player(ids[e]).contract1, minimum[std::min<size_t>(e + 1, 10)])
            << e << " seasons before, re-signed by the " << league().player(ids[e]).Team;
}

TEST_F(SeasonEnd, UserResigningKeepsToTheCap) {
    SetHuman(league().team(2), true);
    const int id = Add(2, 28, {});
    Player& p = league().player(id);
    p.ResignDemand = {5000000, 5000000}, p.LastSalary = 1000000, p.BirdYears = 1;
    league().team(2).TotalSalary = 38000000;
    EXPECT_FALSE(UserResign(league(), 2, id, true, host));
    EXPECT_EQ(host.LastMessage() + p.Team,
              "The Owls do not have the cap room to re-sign " + p.Name + ".Owls");
    EXPECT_TRUE(UserResign(league(), 2, id, false, host));
    EXPECT_EQ(std::tie(p.Team, p.LastTeam), std::make_tuple("FA", "Owls"));
}

} // namespace
} // namespace hv
