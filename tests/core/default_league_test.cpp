// Reading a new league from the default league database: teams, players, both roster modes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <tuple>

#include "league/default_league.h"
#include "personnel/ratings.h"
#include "platform/scripted_host.h"
#include "platform/sqlite_db.h"
#include "season/lineup.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

const char* kSchema = R"(
PRAGMA synchronous = OFF;
CREATE TABLE Team (ID INTEGER PRIMARY KEY, City TEXT, Name TEXT, Owner TEXT, benchC INTEGER, pbp INTEGER,
  Conference TEXT, Division TEXT);
CREATE TABLE Player (ID INTEGER, Name TEXT, ShowPotential TEXT, Height INTEGER, Weight INTEGER,
  DisplayHeight TEXT, Age INTEGER, Team TEXT, LastTeam TEXT, LastFASeason INTEGER, DefaultPosition TEXT,
  PositionNumber INTEGER, OriginalPosition INTEGER, Round INTEGER, Pick INTEGER, Experience INTEGER,
  CAREERPOINTS INTEGER, contract1 INTEGER, contract2 INTEGER, contract3 INTEGER, contract4 INTEGER,
  contract5 INTEGER, contract6 INTEGER, contract7 INTEGER, contract8 INTEGER, Exception INTEGER,
  BirdYears INTEGER, Potential INTEGER, InsideScoring INTEGER, JumpShot INTEGER, ThreePointShot INTEGER,
  Scoring INTEGER, Handling INTEGER, Passing INTEGER, Quickness INTEGER, PostDefense INTEGER,
  PerimeterDefense INTEGER, DriveDefense INTEGER, Stealing INTEGER, ShotBlocking INTEGER,
  OffenseRebound INTEGER, DefenseRebound INTEGER, Jumping INTEGER, Strength INTEGER, STAMINA INTEGER,
  Injury INTEGER, TimeInjured INTEGER, IR INTEGER);
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
    int ir = 0, skill = 60, round = 1, pick = 7;
};

class DefaultLeagueSource : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir = fs::temp_directory_path() / ("hoopvale-default-" + std::to_string(rd()));
        fs::create_directories(dir);
        session.league.programFolder = dir;
        session.database = std::make_shared<SqliteDb>(Create(dir / "current.lge"));
        db().Execute(kSchema);
    }
    void TearDown() override {
        session.database.reset();
        fs::remove_all(dir);
    }

    static fs::path Create(const fs::path& file) {
        // Opening requires an existing file: an empty file is a valid empty SQLite database.
        std::ofstream(file).close();
        return file;
    }
    SqliteDb& db() { return *session.database; }

    // Teams are inserted last to first: the slots follow the IDs, not the insertion order.
    void AddTeams(int count = kLeagueTeams) {
        for (int id = count; id >= 1; --id)
            db().Execute("INSERT INTO Team VALUES (" + std::to_string(id) + ", 'City" + std::to_string(id) +
                         "', '" + TeamName(id) + "', '" + (id == 3 ? "Human" : "Computer") + "', " +
                         (id == 3 ? "-1" : "0") + ", " + (id == 4 ? "-1" : "0") + ", '" +
                         (id <= 15 ? "East" : "West") + "', 'Div" + std::to_string((id - 1) / 5) + "')");
    }

    void AddPlayer(const Row& r) {
        auto s = [](const std::string& t) { return "'" + t + "'"; };
        auto n = [](int v) { return std::to_string(v); };
        std::string skills;
        // The sixteen skills, then STAMINA.
        for (int i = 0; i < 17; ++i)
            skills += n(r.skill) + ", ";
        db().Execute("INSERT INTO Player VALUES (" + n(r.id) + ", " + s(r.name) + ", " + s(r.college) +
                     ", 80, 220, '6''8''''', 27, " + s(r.team) + ", " + s(r.lastTeam) + ", 1999, " +
                     s(r.position) + ", " + n(r.positionNumber) + ", " + n(r.positionNumber) + ", " +
                     n(r.round) + ", " + n(r.pick) + ", " + n(r.experience) + ", 1234, " + n(r.contract1) +
                     ", 2000000, 3000000, 0, 0, 0, 0, 0, -1, 3, " + n(r.potential) + ", " + skills +
                     n(r.injury) + ", " + n(r.timeInjured) + ", " + n(r.ir) + ")");
    }

    // Eight healthy players for every team: ids 1 to 232.
    void AddFullRosters() {
        int id = 1;
        for (int team = 1; team <= kLeagueTeams; ++team)
            for (int k = 0; k < 8; ++k) {
                Row r;
                r.id = id++;
                r.team = r.lastTeam = TeamName(team);
                r.positionNumber = k % 5 + 1;
                r.position = PositionText(r.positionNumber);
                r.skill = 40 + 5 * k;
                AddPlayer(r);
            }
    }

    Player& P(int id) { return session.league.player(id); }

    void ReadAll(bool creationDraft, PotentialRandomization mode = PotentialRandomization::Normal) {
        ReadDefaultTeams(session.league, db());
        DefaultPlayerChoices choices;
        choices.creationDraft = creationDraft;
        choices.randomization = mode;
        ReadDefaultPlayers(session.league, db(), choices);
    }

    fs::path dir;
    Session session;
    ScriptedHost host;
};

TEST_F(DefaultLeagueSource, TeamsFillSlotsInIdOrderWithStatisticsCleared) {
    AddTeams();
    session.league.team(1).HomeWins = 7;
    session.league.team(1).NumPlayers = 12;
    session.league.team(2).TotalSalary = 5;
    session.league.rng.Seed(99);
    Random replay(99);
    ReadDefaultTeams(session.league, db());
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        const Team& t = session.league.team(slot);
        EXPECT_EQ(t.Name, TeamName(slot));
        EXPECT_EQ(t.City, "City" + std::to_string(slot));
        EXPECT_EQ(t.Conference, slot <= 15 ? "East" : "West");
        // One draw per team, in slot order.
        double r = replay.Uniform();
        EXPECT_EQ(t.DraftFocus, r <= 0.4 ? 1 : r <= 0.8 ? 2 : 3) << slot;
    }
    EXPECT_EQ(session.league.team(3).Owner, "Human");
    EXPECT_TRUE(session.league.team(3).CoachTeam);
    EXPECT_FALSE(session.league.team(4).CoachTeam);
    EXPECT_TRUE(session.league.team(4).pbp);
    EXPECT_EQ(session.league.team(1).HomeWins, 0);
    EXPECT_EQ(session.league.team(1).NumPlayers, 0);
    EXPECT_EQ(session.league.team(2).TotalSalary, 0);
}

TEST_F(DefaultLeagueSource, TooFewTeamsIsRefusedAndChangesNothing) {
    AddTeams(28);
    EXPECT_THROW(ReadDefaultTeams(session.league, db()), DatabaseError);

    session.league.team(1).Name = "Before";
    session.league.state.LeagueName = "old";
    EXPECT_FALSE(LoadDefaultLeagueKeepingRosters(session, host, "Fresh"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.LastMessage().find("28 teams"), std::string::npos) << host.LastMessage();
    EXPECT_EQ(session.league.team(1).Name, "Before");
    EXPECT_EQ(session.league.state.LeagueName, "old");
}

TEST_F(DefaultLeagueSource, MissingRowsLeaveSlotsEmptyAndFree) {
    AddTeams();
    AddPlayer({.id = 1});
    AddPlayer({.id = 3, .name = "N/A"});
    AddPlayer({.id = 650});
    AddPlayer({.id = 651}); // beyond the league's slots
    P(2).Name = "Left Over";
    ReadAll(false);
    EXPECT_EQ(P(1).Name, "John Smith");
    EXPECT_TRUE(P(2).IsEmpty());
    EXPECT_TRUE(P(3).IsEmpty());
    EXPECT_EQ(P(650).Name, "John Smith");
    EXPECT_TRUE(P(651).IsEmpty());
    session.league.RebuildFreeIDs();
    EXPECT_EQ(session.league.freeIDs.size(), 648u);
    EXPECT_EQ(session.league.freeIDs.front(), 2);
}

TEST_F(DefaultLeagueSource, CollegeNeedsTwoCharacters) {
    AddTeams();
    const std::pair<std::string, std::string> cases[] = {
        {"X", "N/A"}, {"", "N/A"}, {"É", "N/A"}, {"UC", "UC"}, {"Ohio State", "Ohio State"}};
    int id = 1;
    for (const auto& [text, expected] : cases)
        AddPlayer({.id = id++, .college = text});
    ReadAll(false);
    id = 1;
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(P(id++).College, expected) << text;
}

TEST_F(DefaultLeagueSource, PersonalityDrawsInOrderThenPotentialAndScouting) {
    AddTeams();
    AddPlayer({.experience = 3, .potential = 70});
    session.league.rng.Seed(4242);
    Random replay(4242);
    for (int team = 0; team < kLeagueTeams; ++team)
        replay.Uniform(); // the draft focus draws
    ReadAll(false);
    auto percent = [&] { return NearestInt(100 * replay.Uniform()); };
    EXPECT_EQ(P(1).Greed, percent());
    EXPECT_EQ(P(1).Loyalty, percent());
    EXPECT_EQ(P(1).Winner, percent());
    EXPECT_EQ(P(1).Happiness, percent());
    int scoring = percent();
    EXPECT_EQ(P(1).Scoring, std::max(5, scoring)) << "kept rosters draw Scoring; the limits raise it to 5";
    int potential = std::min(99, NearestInt(70 * (0.4 + 1.2 * replay.Uniform())));
    EXPECT_EQ(P(1).Potential, potential);
    double r1 = replay.Uniform();
    double known = r1 <= 0.2   ? potential
                   : r1 <= 0.6 ? potential * (0.9 + 0.2 * replay.Uniform())
                               : potential * (0.75 + 0.5 * replay.Uniform());
    EXPECT_EQ(P(1).KnownPotential, std::min(100, NearestInt(known)));
    EXPECT_EQ(P(1).PotentialGrade, GradeOf(P(1).KnownPotential));
}

TEST_F(DefaultLeagueSource, PotentialRandomizationByModeAndExperience) {
    AddTeams();
    const int experiences[] = {0, 3, 4, 7, 8, 10, 11, 20};
    for (int i = 0; i < 8; ++i)
        AddPlayer({.id = i + 1, .experience = experiences[i], .potential = 80});
    AddPlayer({.id = 9, .potential = 140});
    // Multiplier ranges [a, a + b) by experience band.
    const double normal[4][2] = {{0.4, 1.6}, {0.6, 1.4}, {0.8, 1.2}, {0.9, 1.1}};
    const double small[4][2] = {{0.8, 1.2}, {0.9, 1.1}, {0.95, 1.05}, {0.975, 1.025}};
    std::set<int> seenLow, seenHigh;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        for (PotentialRandomization mode :
             {PotentialRandomization::Normal, PotentialRandomization::Small, PotentialRandomization::None}) {
            session.league.rng.Seed(seed);
            ReadAll(false, mode);
            for (int i = 0; i < 8; ++i) {
                int band = i / 2;
                int v = P(i + 1).Potential;
                if (mode == PotentialRandomization::None) {
                    ASSERT_EQ(v, 80);
                    continue;
                }
                const double* range = mode == PotentialRandomization::Normal ? normal[band] : small[band];
                ASSERT_GE(v, NearestInt(80 * range[0])) << seed << " " << i;
                ASSERT_LE(v, std::min(99, NearestInt(80 * range[1])));
                if (mode == PotentialRandomization::Normal && i == 1) {
                    seenLow.insert(v < 60 ? 1 : 0);
                    seenHigh.insert(v == 99 ? 1 : 0);
                }
            }
            ASSERT_LE(P(9).Potential, 99);
            if (mode == PotentialRandomization::None) {
                ASSERT_EQ(P(9).Potential, 99);
            }
            for (int id = 1; id <= 9; ++id) {
                ASSERT_LE(P(id).KnownPotential, 100);
                ASSERT_GE(P(id).KnownPotential, NearestInt(0.75 * P(id).Potential));
                ASSERT_LE(P(id).KnownPotential, NearestInt(1.25 * P(id).Potential));
            }
        }
    }
    // Experience 3 under "Normal": factors from 0.4 up to 1.6 reach both far ends, the top limited to 99.
    EXPECT_TRUE(seenLow.count(1));
    EXPECT_TRUE(seenHigh.count(1));
}

TEST_F(DefaultLeagueSource, KeepingRostersCopiesContractsInjuriesAndCounts) {
    AddTeams();
    AddPlayer({.id = 1, .injury = 7, .timeInjured = 30, .ir = -1});
    AddPlayer({.id = 2, .position = "PG", .positionNumber = 5, .injury = 3});   // no such injury
    AddPlayer({.id = 3, .team = "Team2", .lastTeam = "Team9", .contract1 = 0}); // unsigned
    AddPlayer({.id = 4, .team = "FA", .lastTeam = "Team9", .contract1 = 0});
    AddPlayer({.id = 5, .team = "Draft", .contract1 = 0});
    AddPlayer({.id = 6, .skill = 140});
    ReadAll(false);

    const Player& hurt = P(1);
    EXPECT_EQ(std::tie(hurt.Injury, hurt.TimeInjured, hurt.IR), std::make_tuple("Torn ACL", 30, true));
    EXPECT_EQ(std::tie(hurt.contract1, hurt.contract2, hurt.contract3),
              std::make_tuple(1000000, 2000000, 3000000));
    EXPECT_EQ(std::tie(hurt.Exception, hurt.BirdYears, hurt.Round, hurt.Pick),
              std::make_tuple(true, 3, 1, 7));
    EXPECT_EQ(std::tie(hurt.HomeTeam, hurt.Resign, hurt.CAREERPOINTS, hurt.DisplayHeight),
              std::make_tuple("N/A", true, 1234, "6'8''"));
    EXPECT_EQ(P(2).Injury, "None");
    EXPECT_FALSE(P(2).IR);

    EXPECT_EQ(P(3).Team, "FA");
    EXPECT_EQ(P(3).LastTeam, "Team2");
    EXPECT_EQ(P(4).Team, "FA");
    EXPECT_EQ(P(4).LastTeam, "Team9") << "a free agent keeps his last team";
    EXPECT_EQ(P(5).Team, "Draft");

    EXPECT_EQ(P(6).JumpShot, 100);
    EXPECT_EQ(P(6).STAMINA, 140) << "stamina is copied as it is";
    EXPECT_EQ(P(6).CurrentRating, PositionRating(P(6), 1));
    EXPECT_EQ(P(1).FitC, FitRating(P(1), 1));

    const Team& t1 = session.league.team(1);
    EXPECT_EQ(t1.NumPlayers, 3);    // players 1, 2 and 6
    EXPECT_EQ(t1.ActivePlayers, 2); // player 1 is on IR
    EXPECT_EQ(t1.Cs, 2);
    EXPECT_EQ(t1.PGs, 1);
    EXPECT_EQ(session.league.team(2).NumPlayers, 0);
}

TEST_F(DefaultLeagueSource, CreationDraftPutsEveryoneInThePool) {
    AddTeams();
    AddPlayer({.id = 1, .injury = 7, .timeInjured = 30, .ir = -1});
    AddPlayer({.id = 2, .team = "Draft"});
    ReadAll(true);

    EXPECT_EQ(P(1).Team, "Draft");
    EXPECT_EQ(P(2).Team, "NextDraft");
    for (int id : {1, 2}) {
        EXPECT_EQ(P(id).contract1, 0);
        EXPECT_EQ(P(id).contract2, 0);
        EXPECT_FALSE(P(id).Exception);
        EXPECT_EQ(P(id).Injury, "None");
        EXPECT_EQ(P(id).TimeInjured, 0);
        EXPECT_FALSE(P(id).IR);
        EXPECT_TRUE(P(id).Resign);
        EXPECT_EQ(P(id).Round, 0);
        EXPECT_EQ(P(id).Scoring, 5) << "a pool player's scoring stays 0 until the limits raise it";
        EXPECT_GE(session.league.FindTeam(P(id).HomeTeam), 1);
    }
    EXPECT_EQ(session.league.team(1).NumPlayers, 0);
}

TEST_F(DefaultLeagueSource, CreationDraftKeepsContractsWithAPositiveSalaryStyle) {
    AddTeams();
    AddPlayer({});
    ReadDefaultTeams(session.league, db());
    DefaultPlayerChoices choices;
    choices.creationDraft = true;
    choices.salaryStyle = 1;
    ReadDefaultPlayers(session.league, db(), choices);
    EXPECT_EQ(P(1).Team, "Draft");
    EXPECT_EQ(P(1).contract1, 1000000);
    EXPECT_EQ(P(1).contract3, 3000000);
    EXPECT_FALSE(P(1).Exception);
}

TEST_F(DefaultLeagueSource, KeepingRostersGivesEveryTeamALineup) {
    AddTeams();
    AddFullRosters();
    session.settings.FirstSeason = 2010;
    ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Test League")) << host.LastMessage();
    const League& league = session.league;
    EXPECT_EQ(league.state.LeagueName, "Test League");
    EXPECT_EQ(league.state.Season, 2010);
    EXPECT_TRUE(league.leagueOpen);
    EXPECT_TRUE(fs::is_directory(dir / "leaguedata" / "Test League" / "html" / "boxes"));
    EXPECT_EQ(league.freeIDs.size(), 650u - 232u);
    for (int team = 1; team <= kLeagueTeams; ++team) {
        EXPECT_EQ(league.team(team).ActivePlayers, 8);
        EXPECT_TRUE(LineupSettingsValid(league.team(team))) << team;
        EXPECT_EQ(league.player(league.team(team).C1).Team, TeamName(team));
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DefaultLeagueSource, BadLeagueNamesAreRefused) {
    AddTeams();
    AddFullRosters();
    session.league.state.LeagueName = "old";
    EXPECT_FALSE(LoadDefaultLeagueKeepingRosters(session, host, ""));
    EXPECT_EQ(host.LastMessage(), "Please Name the League.");
    EXPECT_FALSE(LoadDefaultLeagueKeepingRosters(session, host, "../escape"));
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(session.league.state.LeagueName, "old");
    EXPECT_TRUE(session.league.player(1).IsEmpty());
    EXPECT_FALSE(fs::exists(dir / "leaguedata"));
}

TEST(DefaultLeagueChoices, RandomizationListItems) {
    EXPECT_EQ(RandomizationFromChoice("Default Randomization"), PotentialRandomization::Normal);
    EXPECT_EQ(RandomizationFromChoice("Small Randomization"), PotentialRandomization::Small);
    EXPECT_EQ(RandomizationFromChoice("No Randomization"), PotentialRandomization::None);
}

// The installation's own default.lge, when the build has produced it.
TEST(ShippedDefaultLeague, LoadsWithFullLineups) {
    fs::path shipped = fs::path(HOOPVALE_TEST_DATA) / "default.lge";
    if (!fs::exists(shipped)) GTEST_SKIP() << "no default.lge in " << shipped;
    std::random_device rd;
    fs::path dir = fs::temp_directory_path() / ("hoopvale-shipped-" + std::to_string(rd()));
    fs::create_directories(dir);
    fs::copy_file(shipped, dir / "current.lge");
    fs::permissions(dir / "current.lge", fs::perms::owner_write, fs::perm_options::add);
    {
        Session session;
        session.league.programFolder = dir;
        session.database = std::make_shared<SqliteDb>(dir / "current.lge");
        ScriptedHost host;
        ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Shipped")) << host.LastMessage();
        const League& league = session.league;
        int players = 0, onTeams = 0;
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            const Player& p = league.player(id);
            if (p.IsEmpty()) continue;
            ++players;
            EXPECT_GE(p.FitC, 1);
            EXPECT_LE(p.Potential, 99);
            if (league.FindTeam(p.Team) != 0) ++onTeams;
        }
        EXPECT_GT(players, 400);
        EXPECT_EQ(league.freeIDs.size(), static_cast<size_t>(kLastLeaguePlayer - players));
        int rostered = 0;
        for (int team = 1; team <= kLeagueTeams; ++team) {
            const Team& t = league.team(team);
            EXPECT_FALSE(t.Name.empty());
            rostered += t.NumPlayers;
            if (AvailablePlayersOf(league, team).size() >= 8) {
                EXPECT_TRUE(LineupSettingsValid(t)) << t.Name;
            }
        }
        EXPECT_EQ(rostered, onTeams);
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace hv
