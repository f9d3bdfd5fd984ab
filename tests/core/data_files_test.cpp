// The installation's data files as the build generates them: default league, matchup list, injury
// table, name and college lists, settings and help pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

#include "engine/game.h"
#include "engine/game_stats_tally.h"
#include "league/binary_io.h"
#include "league/default_league.h"
#include "league/league.h"
#include "league/startup.h"
#include "personnel/colleges.h"
#include "personnel/ratings.h"
#include "platform/ini_file.h"
#include "platform/scripted_host.h"
#include "platform/sqlite_db.h"
#include "season/injury_table.h"
#include "support/temp_home.h"

namespace hv {
namespace {

namespace fs = std::filesystem;

const fs::path kHome = HOOPVALE_TEST_DATA;
constexpr int kTeams = 29;

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct TeamRow {
    int id = 0;
    std::string city, name, owner, conference, division;
    int benchC = 0, pbp = 0;
};

struct PlayerRow {
    Player p;
    int id = 0;
    int injuryId = 0;
};

std::vector<TeamRow> ReadTeams() {
    SqliteDb db(kHome / "default.lge", true);
    auto stmt = db.Prepare("SELECT * FROM Team ORDER BY ID");
    std::vector<TeamRow> teams;
    while (stmt->Step()) {
        TeamRow t;
        t.id = static_cast<int>(stmt->Int("ID"));
        t.city = stmt->Text("City");
        t.name = stmt->Text("Name");
        t.owner = stmt->Text("Owner");
        t.conference = stmt->Text("Conference");
        t.division = stmt->Text("Division");
        t.benchC = static_cast<int>(stmt->Int("benchC"));
        t.pbp = static_cast<int>(stmt->Int("pbp"));
        teams.push_back(t);
    }
    return teams;
}

// The short integer columns, named as the player's fields.
#define HV_COLUMN(field) std::pair<const char*, int16_t Player::*>(#field, &Player::field)
const std::pair<const char*, int16_t Player::*> kShortColumns[] = {HV_COLUMN(Height),
                                                                   HV_COLUMN(Weight),
                                                                   HV_COLUMN(Age),
                                                                   HV_COLUMN(LastFASeason),
                                                                   HV_COLUMN(PositionNumber),
                                                                   HV_COLUMN(OriginalPosition),
                                                                   HV_COLUMN(Round),
                                                                   HV_COLUMN(Pick),
                                                                   HV_COLUMN(Experience),
                                                                   HV_COLUMN(BirdYears),
                                                                   HV_COLUMN(Potential),
                                                                   HV_COLUMN(InsideScoring),
                                                                   HV_COLUMN(JumpShot),
                                                                   HV_COLUMN(ThreePointShot),
                                                                   HV_COLUMN(Scoring),
                                                                   HV_COLUMN(Handling),
                                                                   HV_COLUMN(Passing),
                                                                   HV_COLUMN(Quickness),
                                                                   HV_COLUMN(PostDefense),
                                                                   HV_COLUMN(PerimeterDefense),
                                                                   HV_COLUMN(DriveDefense),
                                                                   HV_COLUMN(Stealing),
                                                                   HV_COLUMN(ShotBlocking),
                                                                   HV_COLUMN(OffenseRebound),
                                                                   HV_COLUMN(DefenseRebound),
                                                                   HV_COLUMN(Jumping),
                                                                   HV_COLUMN(Strength),
                                                                   HV_COLUMN(STAMINA),
                                                                   HV_COLUMN(TimeInjured)};
#undef HV_COLUMN

// Every player row, read the way a new league takes them over (ratings computed as the program does).
std::vector<PlayerRow> ReadPlayers() {
    SqliteDb db(kHome / "default.lge", true);
    auto s = db.Prepare("SELECT * FROM Player ORDER BY ID");
    std::vector<PlayerRow> rows;
    while (s->Step()) {
        PlayerRow row;
        Player& p = row.p;
        row.id = static_cast<int>(s->Int("ID"));
        row.injuryId = static_cast<int>(s->Int("Injury"));
        for (const auto& [column, field] : kShortColumns)
            p.*field = static_cast<int16_t>(s->Int(column));
        p.Name = s->Text("Name");
        p.College = s->Text("ShowPotential");
        p.DisplayHeight = s->Text("DisplayHeight");
        p.Team = s->Text("Team");
        p.LastTeam = s->Text("LastTeam");
        p.DefaultPosition = s->Text("DefaultPosition");
        p.CAREERPOINTS = static_cast<int32_t>(s->Int("CAREERPOINTS"));
        for (int y = 1; y <= 8; ++y)
            p.Contract(y) = static_cast<int32_t>(s->Int(("contract" + std::to_string(y)).c_str()));
        p.Exception = s->Int("Exception") != 0;
        p.KnownPotential = p.Potential;
        p.PotentialGrade = GradeOf(p.Potential);
        p.IR = s->Int("IR") != 0;
        rows.push_back(row);
    }
    return rows;
}

std::vector<int16_t> Skills(const Player& p) {
    return {p.InsideScoring,    p.JumpShot,       p.ThreePointShot, p.Scoring,
            p.Handling,         p.Passing,        p.Quickness,      p.PostDefense,
            p.PerimeterDefense, p.DriveDefense,   p.Stealing,       p.ShotBlocking,
            p.OffenseRebound,   p.DefenseRebound, p.Jumping,        p.Strength};
}

bool OnTeam(const Player& p) {
    return p.Team != kFreeAgent && p.Team != kDraft && p.Team != kNextDraft;
}

// ---------------------------------------------------------------------------------------------------
// Schedule.dat

struct Matchup {
    int home = 0, away = 0;
};

std::vector<Matchup> ReadMatchups() {
    std::string bytes = ReadBytes(kHome / "Schedule.dat");
    EXPECT_EQ(bytes.size() % 12, 0u);
    ByteReader r(bytes);
    std::vector<Matchup> games;
    while (r.Remaining() >= 12) {
        Matchup m;
        m.home = r.I16();
        m.away = r.I16();
        EXPECT_EQ(r.F64(), 0.0) << "spare bytes of record " << games.size();
        games.push_back(m);
    }
    return games;
}

TEST(ScheduleFile, EveryTeamPlays82GamesHalfAtHome) {
    auto games = ReadMatchups();
    EXPECT_EQ(games.size(), 1189u);
    std::array<int, kTeams + 1> home{}, away{};
    for (const auto& g : games) {
        ASSERT_GE(g.home, 1);
        ASSERT_LE(g.home, kTeams);
        ASSERT_GE(g.away, 1);
        ASSERT_LE(g.away, kTeams);
        ASSERT_NE(g.home, g.away);
        ++home[g.home];
        ++away[g.away];
    }
    for (int t = 1; t <= kTeams; ++t) {
        EXPECT_EQ(home[t], 41) << "team " << t;
        EXPECT_EQ(away[t], 41) << "team " << t;
    }
}

TEST(ScheduleFile, DivisionRivalsMeetMostOftenAndEveryPairAtLeastTwice) {
    auto games = ReadMatchups();
    auto teams = ReadTeams();
    ASSERT_EQ(teams.size(), static_cast<size_t>(kTeams));
    std::array<std::array<int, kTeams + 1>, kTeams + 1> meetings{};
    std::array<std::array<int, kTeams + 1>, kTeams + 1> hosted{};
    for (const auto& g : games) {
        ++meetings[g.home][g.away];
        ++meetings[g.away][g.home];
        ++hosted[g.home][g.away];
    }
    for (int a = 1; a <= kTeams; ++a) {
        const TeamRow& ta = teams[a - 1];
        double sums[3] = {0, 0, 0};
        int counts[3] = {0, 0, 0};
        int fewestInDivision = 99, mostInConference = 0;
        for (int b = 1; b <= kTeams; ++b) {
            if (a == b) continue;
            const TeamRow& tb = teams[b - 1];
            int n = meetings[a][b];
            EXPECT_GE(n, 2) << a << " v " << b;
            // Each side hosts half of the pair's games, give or take the odd one.
            EXPECT_LE(std::abs(hosted[a][b] - hosted[b][a]), 1) << a << " v " << b;
            int kind = ta.division == tb.division ? 0 : ta.conference == tb.conference ? 1 : 2;
            sums[kind] += n;
            ++counts[kind];
            if (kind == 0) fewestInDivision = std::min(fewestInDivision, n);
            if (kind == 1) mostInConference = std::max(mostInConference, n);
            if (kind == 2) {
                EXPECT_EQ(n, 2) << a << " v " << b;
            }
        }
        double division = sums[0] / counts[0], conference = sums[1] / counts[1], other = sums[2] / counts[2];
        EXPECT_GT(division, conference) << "team " << a;
        EXPECT_GT(conference, other) << "team " << a;
        EXPECT_GE(fewestInDivision, mostInConference) << "team " << a;
    }
}

// ---------------------------------------------------------------------------------------------------
// default.lge: teams

TEST(DefaultLeague, TwentyNineTeamsInTheFourDivisions) {
    auto teams = ReadTeams();
    ASSERT_EQ(teams.size(), static_cast<size_t>(kTeams));
    std::map<std::string, int> divisionSize;
    std::set<std::string> names, fullNames;
    for (int i = 0; i < kTeams; ++i) {
        const TeamRow& t = teams[i];
        EXPECT_EQ(t.id, i + 1);
        ++divisionSize[t.division];
        if (t.division == "Atlantic" || t.division == "Central") {
            EXPECT_EQ(t.conference, "East") << t.name;
        }
        if (t.division == "Midwest" || t.division == "Pacific") {
            EXPECT_EQ(t.conference, "West") << t.name;
        }
        EXPECT_TRUE(t.owner == "Computer" || t.owner == "Human") << t.name;
        EXPECT_TRUE(t.benchC == 0 || t.benchC == -1);
        EXPECT_TRUE(t.pbp == 0 || t.pbp == -1);
        EXPECT_FALSE(t.city.empty());
        // The name is the key players and pages use: one word, no characters a file name cannot hold.
        EXPECT_TRUE(std::regex_match(t.name, std::regex("[A-Z][a-z]+"))) << t.name;
        EXPECT_TRUE(names.insert(t.name).second) << "duplicate " << t.name;
        EXPECT_TRUE(fullNames.insert(t.city + " " + t.name).second);
        EXPECT_NE(t.name, kFreeAgent);
        EXPECT_NE(t.name, kDraft);
        EXPECT_NE(t.name, kNextDraft);
    }
    EXPECT_EQ(divisionSize,
              (std::map<std::string, int>{{"Atlantic", 7}, {"Central", 8}, {"Midwest", 7}, {"Pacific", 7}}));
}

TEST(DefaultLeague, SeasonRowIsTheFreshDefault) {
    SqliteDb db(kHome / "default.lge", true);
    auto s = db.Prepare("SELECT * FROM Seasoninfo");
    ASSERT_TRUE(s->Step());
    EXPECT_EQ(s->Int("Season"), 2001);
    EXPECT_EQ(s->Int("SeasonDay"), 0);
    EXPECT_FALSE(s->Step());
}

// ---------------------------------------------------------------------------------------------------
// default.lge: players

class DefaultPlayers : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        teams_ = new std::vector<TeamRow>(ReadTeams());
        players_ = new std::vector<PlayerRow>(ReadPlayers());
        for (auto& row : *players_)
            CalculatePlayerRatings(row.p);
    }
    static void TearDownTestSuite() {
        delete teams_;
        delete players_;
    }
    static std::vector<const Player*> Roster(const std::string& team) {
        std::vector<const Player*> roster;
        for (const auto& row : *players_)
            if (row.p.Team == team) roster.push_back(&row.p);
        return roster;
    }
    static std::vector<TeamRow>* teams_;
    static std::vector<PlayerRow>* players_;
};
std::vector<TeamRow>* DefaultPlayers::teams_ = nullptr;
std::vector<PlayerRow>* DefaultPlayers::players_ = nullptr;

TEST_F(DefaultPlayers, IdsFitTheLeaguesSlotsAndNamesAreUnique) {
    ASSERT_FALSE(players_->empty());
    EXPECT_LE(players_->size(), static_cast<size_t>(kLastLeaguePlayer));
    std::set<int> ids;
    std::set<std::string> names;
    auto firsts = ReadNameList(kHome / "gamedata/Firstnames.txt");
    auto lasts = ReadNameList(kHome / "gamedata/lastnames.txt");
    std::set<std::string> firstSet(firsts.begin(), firsts.end()), lastSet(lasts.begin(), lasts.end());
    for (const auto& row : *players_) {
        EXPECT_GE(row.id, 1);
        EXPECT_LE(row.id, kLastLeaguePlayer);
        EXPECT_TRUE(ids.insert(row.id).second) << row.id;
        EXPECT_TRUE(names.insert(row.p.Name).second) << row.p.Name;
        EXPECT_TRUE(firstSet.count(FirstName(row.p.Name))) << row.p.Name;
        EXPECT_TRUE(lastSet.count(LastName(row.p.Name))) << row.p.Name;
        EXPECT_GE(row.p.College.size(), 2u) << row.p.Name;
    }
}

TEST_F(DefaultPlayers, RostersHoldTwelveToFifteenWithEveryPositionCovered) {
    for (const auto& t : *teams_) {
        auto roster = Roster(t.name);
        EXPECT_GE(roster.size(), 12u) << t.name;
        EXPECT_LE(roster.size(), 15u) << t.name;
        std::array<int, 6> perPosition{};
        for (const Player* p : roster)
            ++perPosition[p->PositionNumber];
        for (int pos = 1; pos <= 5; ++pos)
            EXPECT_GE(perPosition[pos], 2) << t.name << " " << PositionText(pos);
    }
    size_t onTeams = std::count_if(players_->begin(), players_->end(), [](auto& r) { return OnTeam(r.p); });
    std::set<std::string> teamNames;
    for (const auto& t : *teams_)
        teamNames.insert(t.name);
    for (const auto& row : *players_)
        if (OnTeam(row.p)) {
            EXPECT_TRUE(teamNames.count(row.p.Team)) << row.p.Name << " of " << row.p.Team;
        }
    EXPECT_GE(onTeams, 29u * 13u);
}

TEST_F(DefaultPlayers, EachRowHoldsTogether) {
    std::array<double, 6> height{};
    std::array<int, 6> count{};
    for (const auto& row : *players_) {
        const Player& p = row.p;
        SCOPED_TRACE(p.Name);
        ASSERT_GE(p.PositionNumber, 1);
        ASSERT_LE(p.PositionNumber, 5);
        EXPECT_EQ(p.DefaultPosition, PositionText(p.PositionNumber));
        EXPECT_EQ(p.OriginalPosition, p.PositionNumber);
        EXPECT_EQ(p.DisplayHeight, FormatHeight(p.Height));
        height[p.PositionNumber] += p.Height;
        ++count[p.PositionNumber];
        for (int16_t v : Skills(p)) {
            EXPECT_GE(v, 5);
            EXPECT_LE(v, 100);
        }
        // The generator already keeps the position caps that the ratings would enforce.
        Player limited = p;
        ApplyAttributeLimits(limited);
        EXPECT_EQ(Skills(limited), Skills(p));
        EXPECT_TRUE(p.Potential >= 0 && p.Potential <= 99);
        EXPECT_EQ(p.STAMINA, 100);
        EXPECT_TRUE(p.Age >= 18 && p.Age <= 40);
        EXPECT_TRUE(p.Experience >= 0 && p.Experience <= p.Age - 18);
        EXPECT_LE(p.BirdYears, p.Experience);
        EXPECT_GE(p.CAREERPOINTS, 0);
        if (p.Experience == 0) {
            EXPECT_EQ(p.CAREERPOINTS, 0);
        }
    }
    for (int pos = 1; pos < 5; ++pos) // centres tallest, on down to the point guards
        EXPECT_GT(height[pos] / count[pos], height[pos + 1] / count[pos + 1] + 1) << pos;
}

// Team players are signed with salaries that never decrease; free agents and prospects have no contract;
// the draft class is 100 young prospects, 20 per position.
TEST_F(DefaultPlayers, ContractsFreeAgentsAndTheDraftClass) {
    std::set<std::string> teamNames;
    for (const auto& t : *teams_)
        teamNames.insert(t.name);
    int freeAgents = 0;
    std::array<int, 6> prospects{};
    for (const auto& row : *players_) {
        const Player& p = row.p;
        SCOPED_TRACE(p.Name);
        if (OnTeam(p)) {
            EXPECT_GT(p.contract1, 0);
            EXPECT_EQ(p.LastTeam, p.Team);
            bool ended = false;
            for (int y = 1; y <= 8; ++y) {
                int32_t c = p.Contract(y);
                ended = ended || c == 0;
                EXPECT_TRUE(c == 0 || !ended) << "salary after the contract's end";
                if (y > 1 && c != 0) {
                    EXPECT_GE(c, p.Contract(y - 1)) << "salaries never decrease";
                    EXPECT_LE(c, std::nearbyint(p.Contract(y - 1) * 1.1)) << "raise above 10 %";
                }
            }
            continue;
        }
        for (int y = 1; y <= 8; ++y)
            EXPECT_EQ(p.Contract(y), 0);
        if (p.Team == kFreeAgent) {
            ++freeAgents;
            EXPECT_TRUE(teamNames.count(p.LastTeam)) << "last played for " << p.LastTeam;
        } else if (p.Team == kDraft) {
            ++prospects[p.PositionNumber];
            EXPECT_TRUE(p.Age >= 18 && p.Age <= 23);
            EXPECT_EQ(std::tie(p.Experience, p.CAREERPOINTS, p.Round, row.injuryId),
                      std::make_tuple(0, 0, 0, 0));
            EXPECT_EQ(p.College == "High School", p.Age <= 19);
        }
    }
    EXPECT_TRUE(freeAgents >= 40 && freeAgents <= 60) << freeAgents;
    for (int pos = 1; pos <= 5; ++pos)
        EXPECT_EQ(prospects[pos], 20) << PositionText(pos);
}

TEST_F(DefaultPlayers, InjuriesNameARowOfTheInjuryTable) {
    SqliteDb db(kHome / "default.lge", true);
    auto lookup = db.Prepare("SELECT InjuryName FROM injuries WHERE injuryID = ?");
    int injured = 0;
    for (const auto& row : *players_) {
        const Player& p = row.p;
        if (row.injuryId == 0) {
            EXPECT_EQ(p.TimeInjured, 0) << p.Name;
            EXPECT_FALSE(p.IR) << p.Name;
            continue;
        }
        ++injured;
        lookup->Reset();
        lookup->Bind(1, row.injuryId);
        EXPECT_TRUE(lookup->Step()) << p.Name << " has injury " << row.injuryId;
        EXPECT_GT(p.TimeInjured, 0) << p.Name;
        EXPECT_EQ(p.IR, p.TimeInjured > 3) << p.Name;
    }
    EXPECT_GE(injured, 1);
    EXPECT_LE(injured, 15);
}

// A season of the schedule played by the game engine with the default rosters (no injuries): shooting,
// blocks and steals of an early-2000s professional league, and records that differ without one team
// winning or losing nearly every game.
TEST(DefaultLeagueSeason, PlaysLikeAProfessionalLeague) {
    test::TempHome home;
    home.CopyInstalledData();
    Session session;
    ScriptedHost host;
    session.league.programFolder = home.path();
    ASSERT_TRUE(RunStartup(session, host, {})) << host.LastMessage();
    League& league = session.league;
    league.rng.Seed(2001);
    ASSERT_TRUE(LoadDefaultLeagueKeepingRosters(session, host, "Season Check")) << host.LastMessage();
    EnsureLeagueFolders(league.programFolder, "Season Check");
    league.state.SeasonDay = Phase::FirstDay;
    league.state.LeagueInjuries = false;

    GameStatsTally tally;
    std::array<int, kTeams + 1> wins{};
    for (const Matchup& m : ReadMatchups()) {
        clsGame game(league);
        game.StartGame(static_cast<int16_t>(m.home), static_cast<int16_t>(m.away), false, 1, "Regular");
        game.SimGame();
        tally.AddGame(game.Summary().HomeLine, game.Summary().AwayLine, game.HomeScore(), game.AwayScore(),
                      game.PeriodsPlayed() > 4);
        ++wins[game.HomeScore() > game.AwayScore() ? m.home : m.away];
    }
    ASSERT_EQ(tally.Games(), 1189);
    const auto avg = tally.PerTeamGame();
    EXPECT_GT(avg.FTPct, 0.70);
    EXPECT_LT(avg.FTPct, 0.80);
    EXPECT_GT(avg.ThreePPct, 0.32);
    EXPECT_LT(avg.ThreePPct, 0.41);
    EXPECT_GT(avg.FGPct, 0.40);
    EXPECT_LT(avg.FGPct, 0.48);
    EXPECT_GT(avg.Blocks, 3);
    EXPECT_LT(avg.Blocks, 9);
    EXPECT_GT(avg.Steals, 6);
    EXPECT_LT(avg.Steals, 14);
    const auto [fewest, most] = std::minmax_element(wins.begin() + 1, wins.end());
    EXPECT_GE(*fewest, 12);
    EXPECT_LE(*most, 72);
    EXPECT_GE(*most - *fewest, 20); // talent decides games
}

// ---------------------------------------------------------------------------------------------------
// Injuries.dat

TEST(InjuryFile, EveryClassIsPresentAndTheTableMatchesTheDatabase) {
    auto entries = ReadInjuryFile(kHome / "Injuries.dat");
    ASSERT_GT(entries.size(), 30u);
    std::map<int, int> perClass;
    for (size_t k = 1; k < entries.size(); ++k) {
        ++perClass[entries[k].Severity];
        EXPECT_GE(entries[k].BaseDays, 1) << entries[k].Name;
        if (entries[k].Severity == 10) {
            EXPECT_GE(entries[k].BaseDays, 150) << entries[k].Name;
        }
    }
    for (int c = 1; c <= 10; ++c)
        EXPECT_GE(perClass[c], 1) << "class " << c;
    EXPECT_EQ(entries[1].Severity, 1); // entry 1 is a candidate for every class: a minor injury
    EXPECT_GE(perClass[1], 10);
    for (int c = 2; c <= 10; ++c)
        EXPECT_GT(perClass[1], perClass[c]);

    SqliteDb db(kHome / "default.lge", true);
    auto s = db.Prepare("SELECT * FROM injuries ORDER BY injuryID");
    size_t k = 0;
    while (s->Step()) {
        ++k;
        ASSERT_LT(k, entries.size());
        EXPECT_EQ(s->Int("injuryID"), static_cast<long long>(k));
        EXPECT_EQ(s->Text("InjuryName"), entries[k].Name);
        EXPECT_EQ(s->Int("Severity"), entries[k].Severity);
        EXPECT_EQ(s->Int("BaseDays"), entries[k].BaseDays);
        std::string text = s->Text("InjuryText");
        EXPECT_EQ(text == "n/a" ? std::string() : " " + text, entries[k].Text);
    }
    EXPECT_EQ(k + 1, entries.size());
}

TEST(InjuryFile, RoundTripsThroughTheRecordEncoder) {
    std::string bytes = ReadBytes(kHome / "Injuries.dat");
    auto entries = ReadInjuryFile(kHome / "Injuries.dat");
    std::string again;
    for (size_t k = 1; k < entries.size(); ++k) {
        InjuryType e = entries[k];
        if (!e.Text.empty()) e.Text.erase(0, 1); // the reader prefixes a stored text with a blank
        again += EncodeInjuryRecord(e);
    }
    EXPECT_EQ(again, bytes);
}

// ---------------------------------------------------------------------------------------------------
// Name lists, colleges, settings, help

bool ValidUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n;
    }
    return true;
}

TEST(NameAndCollegeLists, LongEnoughCleanAndWithoutBlankLines) {
    const struct {
        const char* file;
        size_t atLeast;
        bool singleWords;
    } lists[] = {{"gamedata/Firstnames.txt", 400, true},
                 {"gamedata/lastnames.txt", 800, true},
                 {"colleges.dat", 150, false}};
    for (const auto& list : lists) {
        const fs::path file = kHome / list.file;
        std::string text = ReadBytes(file);
        ASSERT_FALSE(text.empty()) << file;
        EXPECT_EQ(text.back(), '\n') << file;
        EXPECT_EQ(text.find('\r'), std::string::npos) << file;
        EXPECT_TRUE(ValidUtf8(text)) << file;
        std::istringstream in(text);
        std::set<std::string> seen;
        std::string line;
        size_t count = 0;
        while (std::getline(in, line)) {
            ++count;
            ASSERT_FALSE(line.empty()) << file << " line " << count << " is blank";
            if (list.singleWords) {
                EXPECT_EQ(line.find_first_of(" \t"), std::string::npos) << file << ": " << line;
            }
            EXPECT_TRUE(line.front() != ' ' && line.back() != ' ') << file << ": " << line;
            EXPECT_TRUE(seen.insert(line).second) << file << ": duplicate " << line;
        }
        EXPECT_GE(count, list.atLeast) << file;
    }
    // A few names beyond ASCII, so that every screen and file is exercised with them.
    std::string lasts = ReadBytes(kHome / "gamedata/lastnames.txt");
    EXPECT_TRUE(
        std::any_of(lasts.begin(), lasts.end(), [](char c) { return static_cast<unsigned char>(c) > 127; }));
}

TEST(HelpPages, IndexLinksResolve) {
    const fs::path help = kHome / "help";
    ASSERT_TRUE(fs::exists(help / "index.html"));
    std::regex link(R"(href=\"([^\"#:]+)(#[^\"]*)?\")");
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(help)) {
        if (entry.path().extension() != ".html") continue;
        ++pages;
        std::string page = ReadBytes(entry.path());
        EXPECT_NE(page.find("<title>"), std::string::npos) << entry.path();
        EXPECT_EQ(page.find("<script"), std::string::npos) << entry.path();
        for (std::sregex_iterator it(page.begin(), page.end(), link), end; it != end; ++it)
            EXPECT_TRUE(fs::exists(help / (*it)[1].str())) << entry.path().filename() << " -> " << (*it)[1];
    }
    EXPECT_GE(pages, 5);
}

// ---------------------------------------------------------------------------------------------------
// The committed sources are what their seeded generators make of today's inputs (teams, injuries, name
// lists): a hand edit of the SQL or the matchup list, or an input changed without regenerating, fails.

TEST(GeneratedSources, AreUpToDate) {
    const fs::path tools = fs::path(__FILE__).parent_path().parent_path().parent_path() / "tools";
    if (!fs::exists(tools / "generate_schedule.py")) GTEST_SKIP() << "source tree not found";
    if (std::system("python3 -c pass > /dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
    for (const char* script : {"generate_schedule.py", "generate_default_league.py"}) {
        std::string command = "python3 \"" + (tools / script).string() + "\" --check";
        EXPECT_EQ(std::system(command.c_str()), 0) << script;
    }
}

// ---------------------------------------------------------------------------------------------------
// The whole installation

TEST(Installation, StartsUpCleanly) {
    test::TempHome home;
    home.CopyInstalledData();
    Session session;
    ScriptedHost host;
    session.league.programFolder = home.path();
    ASSERT_TRUE(RunStartup(session, host, {})) << host.LastMessage();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_GE(session.league.firstNames.size(), 401u);
    EXPECT_GE(session.league.lastNames.size(), 801u);
    EXPECT_GE(session.league.colleges.size(), 150u);
    EXPECT_GT(session.league.injuryTypes.size(), 30u);
    EXPECT_EQ(session.settings.SalaryCap, 42500000);
    EXPECT_EQ(session.settings.FirstSeason, 2003);
}

} // namespace
} // namespace hv
