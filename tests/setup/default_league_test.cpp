// Reading a new league from the default league database: teams, players, both roster modes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "league/lineup.h"
#include "league/ratings.h"
#include "platform/scripted_host.h"
#include "platform/sqlite_db.h"
#include "setup/default_league.h"
#include "support/temp_home.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

const char* kSchema = R"(
PRAGMA synchronous = OFF;
CREATE TABLE Team (ID INTEGER PRIMARY KEY, City TEXT, Name TEXT, Owner TEXT, benchC INTEGER, pbp INTEGER,
  Conference TEXT, Division TEXT);
CREATE TABLE Player (ID, Name, ShowPotential, Height, Weight, DisplayHeight, Age, Team, LastTeam, LastFASeason,
  DefaultPosition, PositionNumber, OriginalPosition, Round, Pick, Experience, CAREERPOINTS, contract1, contract2,
  contract3, contract4, contract5, contract6, contract7, contract8, Exception, BirdYears, Potential,
  InsideScoring, JumpShot, ThreePointShot, Scoring, Handling, Passing, Quickness, PostDefense, PerimeterDefense,
  DriveDefense, Stealing, ShotBlocking, OffenseRebound, DefenseRebound, Jumping, Strength, STAMINA, Injury,
  TimeInjured, IR); -- columns without a type keep the values as they are inserted
CREATE TABLE injuries (injuryID INTEGER PRIMARY KEY, InjuryName TEXT);
CREATE TABLE SeasonInfo (Season INTEGER, SeasonDay INTEGER);
INSERT INTO SeasonInfo VALUES (2001, 0);
INSERT INTO injuries VALUES (1, 'Sprained Ankle'), (7, 'Torn ACL');
)";

std::string TeamName(int id) {
    return "Team" + std::to_string(id);
}

struct Row {
    int id = 1;
    std::string name = "John Smith", college = "State", team = "Team1", lastTeam = "Team1", position = "C";
    int positionNumber = 1, experience = 5, potential = 60, contract1 = 1000000, injury = 0, timeInjured = 0;
    int ir = 0, skill = 60;
};

class DefaultLeagueSource : public ::testing::Test {
  protected:
    void SetUp() override {
        session.league.programFolder = home.path();
        std::ofstream(home / "current.lge").close(); // an empty file is an empty database
        session.database = std::make_shared<SqliteDb>(home / "current.lge");
        db().Execute(kSchema);
    }
    void TearDown() override { session.database.reset(); }
    SqliteDb& db() { return *session.database; }

    // Inserted last to first: the slots follow the IDs, not the order of the rows.
    void AddTeams(int count = kLeagueTeams) {
        for (int id = count; id >= 1; --id)
            db().Execute("INSERT INTO Team VALUES (" + std::to_string(id) + ", 'City" + std::to_string(id) +
                         "', '" + TeamName(id) + "', '" + (id == 3 ? "Human" : "Computer") + "', " +
                         (id == 3 ? "-1" : "0") + ", " + (id == 4 ? "-1" : "0") + ", '" +
                         (id <= 15 ? "East" : "West") + "', 'Div" + std::to_string((id - 1) / 5) + "')");
    }
    // The sixteen skills and STAMINA at `skill`; two and three million for the second and third year.
    void AddPlayer(const Row& r) {
        auto s = [](const std::string& t) { return "'" + t + "'"; };
        auto n = [](int v) { return std::to_string(v); };
        std::string skills;
        for (int i = 0; i < 17; ++i)
            skills += n(r.skill) + ", ";
        db().Execute("INSERT INTO Player VALUES (" + n(r.id) + ", " + s(r.name) + ", " + s(r.college) +
                     ", 80, 220, '6''8''''', 27, " + s(r.team) + ", " + s(r.lastTeam) + ", 1999, " +
                     s(r.position) + ", " + n(r.positionNumber) + ", " + n(r.positionNumber) + ", 1, 7, " +
                     n(r.experience) + ", 1234, " + n(r.contract1) +
                     ", 2000000, 3000000, 0, 0, 0, 0, 0, -1, 3, " + n(r.potential) + ", " + skills +
                     n(r.injury) + ", " + n(r.timeInjured) + ", " + n(r.ir) + ")");
    }
    Player& P(int id) { return session.league.player(id); }
    void ReadAll(bool creationDraft, PotentialRandomization mode = PotentialRandomization::Normal,
                 int salaryStyle = 0) {
        ReadDefaultTeams(session.league, db());
        ReadDefaultPlayers(session.league, db(), {creationDraft, mode, salaryStyle});
    }

    test::TempHome home;
    Session session;
    ScriptedHost host;
};

// Teams fill the slots in ID order with their statistics cleared; too few teams or a bad name is refused.
TEST_F(DefaultLeagueSource, TeamsFillSlotsInIdOrderAndTooFewAreRefused) {
    AddTeams(28);
    session.league.team(1).Name = "Before";
    session.league.state.LeagueName = "old";
    EXPECT_FALSE(LoadDefaultLeagueKeepingRosters(session, host, "Fresh"));
    EXPECT_NE(host.LastMessage().find("28 teams"), std::string::npos) << host.LastMessage();
    EXPECT_EQ(std::make_tuple(session.league.team(1).Name, session.league.state.LeagueName),
              std::make_tuple("Before", "old"));
    EXPECT_FALSE(fs::exists(home / "leaguedata"));
    db().Execute("INSERT INTO Team VALUES (29, 'City29', 'Team29', 'Computer', 0, 0, 'West', 'Div5')");
    session.league.team(1).HomeWins = 7;
    session.league.team(2).TotalSalary = 5;
    ReadDefaultTeams(session.league, db());
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        const Team& t = session.league.team(slot);
        EXPECT_EQ(
            std::tie(t.Name, t.City, t.Conference),
            std::make_tuple(TeamName(slot), "City" + std::to_string(slot), slot <= 15 ? "East" : "West"));
        EXPECT_TRUE(t.DraftFocus >= 1 && t.DraftFocus <= 3);
    }
    const Team &t3 = session.league.team(3), &t4 = session.league.team(4);
    EXPECT_EQ(std::make_tuple(t3.Owner, t3.CoachTeam, t4.CoachTeam, t4.pbp, session.league.team(1).HomeWins,
                              session.league.team(2).TotalSalary),
              std::make_tuple("Human", true, false, true, 0, 0));
}

// Potential x (a + b r) by experience band (0-3, 4-7, 8-10, 11+), limited to 99; scouted within 0.75 to 1.25
// of it. Each band's range is reached and not passed.
TEST_F(DefaultLeagueSource, PotentialRandomizationByModeAndExperience) {
    AddTeams();
    const int experiences[] = {3, 4, 7, 8, 10, 11}, bands[] = {0, 1, 1, 2, 2, 3};
    for (int e = 0; e < 6; ++e)
        for (int k = 0; k < 40; ++k)
            AddPlayer({.id = 1 + e * 40 + k, .experience = experiences[e], .potential = 80});
    AddPlayer({.id = 400, .potential = 140});
    const std::pair<PotentialRandomization, std::array<int, 8>> modes[] = {
        {PotentialRandomization::Normal, {32, 99, 48, 99, 64, 96, 72, 88}},
        {PotentialRandomization::Small, {64, 96, 72, 88, 76, 84, 78, 82}},
        {PotentialRandomization::None, {80, 80, 80, 80, 80, 80, 80, 80}}};
    for (const auto& [mode, ranges] : modes) {
        ReadAll(false, mode);
        for (int e = 0; e < 6; ++e) {
            int lo = 99, hi = 0;
            for (int k = 0; k < 40; ++k) {
                const Player& p = P(1 + e * 40 + k);
                lo = std::min<int>(lo, p.Potential), hi = std::max<int>(hi, p.Potential);
                EXPECT_TRUE(p.KnownPotential >= NearestInt(0.75 * p.Potential) &&
                            p.KnownPotential <= std::min(100, NearestInt(1.25 * p.Potential)));
            }
            const int low = ranges[2 * bands[e]], high = ranges[2 * bands[e] + 1], reach = (high - low) / 4;
            EXPECT_TRUE(lo >= low && lo <= low + reach && hi <= high && hi >= high - reach)
                << "experience " << experiences[e] << ": " << lo << " to " << hi;
        }
        EXPECT_EQ(P(400).Potential, 99);
    }
}

// Missing rows leave their slots empty.
TEST_F(DefaultLeagueSource, KeepingRostersCopiesContractsInjuriesAndCounts) {
    AddTeams();
    AddPlayer({.id = 1, .injury = 7, .timeInjured = 30, .ir = -1});
    AddPlayer({.id = 2, .position = "PG", .positionNumber = 5, .injury = 3});   // no such injury
    AddPlayer({.id = 3, .team = "Team2", .lastTeam = "Team9", .contract1 = 0}); // unsigned
    AddPlayer({.id = 4, .team = "FA", .lastTeam = "Team9", .contract1 = 0});
    AddPlayer({.id = 5, .team = "Draft", .contract1 = 0});
    AddPlayer({.id = 6, .skill = 140});
    AddPlayer({.id = 7, .college = "X", .team = "Team5"}); // a college needs two characters
    AddPlayer({.id = 9, .name = "N/A"});
    AddPlayer({.id = 651}); // beyond the league's slots
    P(10).Name = "Left Over";
    ReadAll(false);
    for (int id : {9, 10, 651})
        EXPECT_TRUE(P(id).IsEmpty()) << id;
    EXPECT_EQ(P(7).College, "N/A");
    session.league.RebuildFreeIDs();
    EXPECT_EQ(session.league.freeIDs.size(), 643u);
    const Player& hurt = P(1);
    EXPECT_EQ(std::tie(hurt.Injury, hurt.TimeInjured, hurt.IR), std::make_tuple("Torn ACL", 30, true));
    EXPECT_EQ(std::tie(hurt.contract1, hurt.contract2, hurt.contract3),
              std::make_tuple(1000000, 2000000, 3000000));
    EXPECT_EQ(std::tie(hurt.Exception, hurt.BirdYears, hurt.Round, hurt.Pick),
              std::make_tuple(true, 3, 1, 7));
    EXPECT_EQ(std::tie(hurt.HomeTeam, hurt.Resign, hurt.CAREERPOINTS, hurt.DisplayHeight),
              std::make_tuple("N/A", true, 1234, "6'8''"));
    EXPECT_EQ(std::make_tuple(P(2).Injury, P(2).IR), std::make_tuple("None", false));
    EXPECT_EQ(std::tie(P(3).Team, P(3).LastTeam), std::make_tuple("FA", "Team2")) << "unsigned: a free agent";
    EXPECT_EQ(std::tie(P(4).Team, P(4).LastTeam), std::make_tuple("FA", "Team9"));
    EXPECT_EQ(P(5).Team, "Draft");
    EXPECT_EQ(std::make_tuple(P(6).JumpShot, P(6).STAMINA), std::make_tuple(100, 140))
        << "stamina is copied as it is";
    EXPECT_EQ(P(6).CurrentRating, PositionRating(P(6), 1));
    const Team& t1 = session.league.team(1);
    EXPECT_EQ(std::make_tuple(t1.NumPlayers, t1.ActivePlayers, t1.Cs, t1.PGs), std::make_tuple(3, 2, 2, 1));
    EXPECT_EQ(session.league.team(2).NumPlayers, 0);
}

// A creation draft pools every player: the database's class becomes the next one, the rest the draft pool,
// healthy and unsigned unless the salary style keeps the contracts.
TEST_F(DefaultLeagueSource, ACreationDraftPoolsEveryPlayerHealthyWithContractsByTheSalaryStyle) {
    AddTeams();
    AddPlayer({.id = 1, .injury = 7, .timeInjured = 30, .ir = -1});
    AddPlayer({.id = 2, .team = "Draft", .contract1 = 0});
    AddPlayer({.id = 3, .team = "FA", .lastTeam = "Team9", .contract1 = 0});
    for (int salaryStyle : {0, 1}) {
        SCOPED_TRACE(salaryStyle);
        ReadAll(true, PotentialRandomization::None, salaryStyle);
        const Player& p = P(1);
        EXPECT_EQ(std::tie(p.Team, P(2).Team, P(3).Team), std::make_tuple("Draft", "NextDraft", "Draft"));
        EXPECT_EQ(std::tie(p.Injury, p.TimeInjured, p.IR, p.Exception),
                  std::make_tuple("None", 0, false, false));
        EXPECT_EQ(std::tie(p.contract1, p.contract2, p.contract3),
                  salaryStyle > 0 ? std::make_tuple(1000000, 2000000, 3000000) : std::make_tuple(0, 0, 0));
        EXPECT_NE(session.league.FindTeam(p.HomeTeam), 0) << p.HomeTeam;
        EXPECT_EQ(session.league.team(1).NumPlayers, 0);
    }
}

} // namespace
} // namespace hv
