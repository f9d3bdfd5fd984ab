// Generated players: draft classes, professionals against the shipped league, the pool top-up.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "league/default_league.h"
#include "personnel/draft_class.h"
#include "personnel/ratings.h"
#include "platform/sqlite_db.h"
#include "support/build_paths.h"

namespace fs = std::filesystem;

namespace hv {
namespace {

League NamedLeague(uint64_t seed) {
    League league;
    league.firstNames = {"", "Alan", "Brian"};
    league.lastNames = {"", "Archer", "Bishop", "Cole"};
    league.colleges = {"Lakeside College", "North Valley State"};
    league.rng.Seed(seed);
    league.RebuildFreeIDs();
    return league;
}

int Count(const League& league, const std::string& team, int position) {
    int n = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        n += !p.IsEmpty() && p.Team == team && p.PositionNumber == position;
    }
    return n;
}

TEST(DraftClass, ProspectsFollowTheScoutingTables) {
    League league = NamedLeague(77);
    const int classes = 100;
    int prospects = 0, highSchool = 0, topPotential = 0, shortestGuard = 99, shortestCentre = 99;
    for (int c = 0; c < classes; ++c) {
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            if (league.player(id).Team == kDraft) league.player(id) = Player{};
        league.RebuildFreeIDs();
        GenerateDraftClass(league);
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            const Player& p = league.player(id);
            if (p.Team != kDraft) continue;
            ++prospects;
            ASSERT_TRUE(p.Age >= 18 && p.Age <= 23) << p.Age;
            bool young = p.Age <= 19;
            highSchool += young;
            ASSERT_EQ(p.College == "High School", young) << p.College;
            ASSERT_TRUE(young || p.College == "Lakeside College" || p.College == "North Valley State");
            topPotential += p.Potential >= 80;
            ASSERT_TRUE(p.Potential >= 40 && p.Potential <= 99) << p.Potential;
            ASSERT_LE(std::abs(p.KnownPotential - p.Potential), 30);
            ASSERT_EQ(p.PotentialGrade, GradeOf(p.KnownPotential));
            ASSERT_EQ(p.DisplayHeight, FormatHeight(p.Height));
            if (p.PositionNumber == 1) shortestCentre = std::min<int>(shortestCentre, p.Height);
            if (p.PositionNumber == 5) shortestGuard = std::min<int>(shortestGuard, p.Height);
            ASSERT_TRUE(p.PositionNumber != 5 || p.Height <= 77) << p.Height;
        }
    }
    ASSERT_EQ(prospects, classes * 100);
    // Binomial proportions over 10000 prospects: a standard error of at most 0.005, bounds of four.
    EXPECT_NEAR(highSchool / double(prospects), 0.10, 0.012);
    EXPECT_NEAR(topPotential / double(prospects), 0.22, 0.017);
    EXPECT_EQ(std::make_pair(shortestCentre, shortestGuard), std::make_pair(81, 66));
}

// Generated professionals against the players of the shipped default league (its draft class aside), per
// position: the default league has about 88 players a position, so its means carry a standard error of
// about 0.11 of a spread; a generated mean within 0.35 of the default spread (three such errors) plus 1.5
// points (rounding and the attribute limits) passes, and the spread itself within a factor of 1.6. The
// overall rating is compared the same way.
TEST(GeneratedPlayers, MatchTheShippedLeagueByPosition) {
    fs::path shipped = fs::path(hv::build_paths::kTestData) / "default.lge";
    ASSERT_TRUE(fs::exists(shipped)) << shipped;
#define FIELD(name) std::pair<std::string, int16_t Player::*>(#name, &Player::name)
    const std::pair<std::string, int16_t Player::*> fields[] = {
        FIELD(Height),         FIELD(Weight),       FIELD(InsideScoring),    FIELD(JumpShot),
        FIELD(ThreePointShot), FIELD(Scoring),      FIELD(Handling),         FIELD(Passing),
        FIELD(Quickness),      FIELD(PostDefense),  FIELD(PerimeterDefense), FIELD(DriveDefense),
        FIELD(Stealing),       FIELD(ShotBlocking), FIELD(OffenseRebound),   FIELD(DefenseRebound),
        FIELD(Jumping),        FIELD(Strength),     FIELD(CurrentRating)};
#undef FIELD
    struct Moments {
        double n = 0, sum = 0, squares = 0;
        void Add(double v) { ++n, sum += v, squares += v * v; }
        double Mean() const { return sum / n; }
        double Spread() const { return std::sqrt(squares / n - Mean() * Mean()); }
    };
    SqliteDb db(shipped);
    League league = NamedLeague(11);
    for (int position = 1; position <= 5; ++position) {
        std::map<std::string, Moments> shippedStats, generated;
        auto rows = db.Prepare("SELECT * FROM Player WHERE Team <> 'Draft' AND PositionNumber = ?");
        rows->Bind(1, position);
        while (rows->Step()) {
            Player p;
            p.Name = rows->Text("Name");
            p.Age = static_cast<int16_t>(rows->Int("Age"));
            p.PositionNumber = p.OriginalPosition = static_cast<int16_t>(position);
            p.DefaultPosition = PositionText(position);
            for (const auto& [column, field] : fields)
                if (column != "CurrentRating") p.*field = static_cast<int16_t>(rows->Int(column));
            CalculatePlayerRatings(p);
            for (const auto& [column, field] : fields)
                shippedStats[column].Add(p.*field);
        }
        ASSERT_GT(shippedStats["Height"].n, 50);
        for (int i = 0; i < 1500; ++i) {
            GeneratePlayer(league, 1, position);
            for (const auto& [column, field] : fields)
                generated[column].Add(league.player(1).*field);
        }
        for (const auto& [column, field] : fields) {
            const Moments& d = shippedStats[column];
            const Moments& g = generated[column];
            EXPECT_NEAR(g.Mean(), d.Mean(), 0.35 * d.Spread() + 1.5)
                << PositionText(position) << " " << column;
            EXPECT_LT(g.Spread(), 1.6 * d.Spread()) << PositionText(position) << " " << column;
            EXPECT_GT(g.Spread(), d.Spread() / 1.6) << PositionText(position) << " " << column;
        }
    }
}

// Players of both classes do not count; the new ones go where the fewest are, C first on a tie.
TEST(PlayerPool, TopUpFillsTheThinnestPositionsToFourHundredFifty) {
    League league = NamedLeague(9);
    const int have[] = {0, 89, 88, 90, 89, 91}; // 447 professionals, then 40 prospects
    for (int position = 1, id = 1; position <= 6; ++position)
        for (int k = 0; k < (position <= 5 ? have[position] : 40); ++k, ++id) {
            Player& p = league.player(id);
            p.Name = "Pro Player", p.PositionNumber = static_cast<int16_t>(position <= 5 ? position : 1);
            p.Team = position <= 5 ? "Somebody" : k % 2 ? kDraft : kNextDraft;
        }
    league.RebuildFreeIDs();
    // PF (88) first; then C, PF and SG tie at 89 and C goes first; then PF before SG.
    EXPECT_EQ(TopUpPlayerPool(league), 3);
    EXPECT_EQ(std::make_tuple(Count(league, kFreeAgent, 1), Count(league, kFreeAgent, 2),
                              Count(league, kFreeAgent, 4), TopUpPlayerPool(league)),
              std::make_tuple(1, 2, 0, 0));
    // 300 prospects and 350 free agents fill the league: reclaiming a free agent's slot would not grow it.
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        league.player(id) = league.player(1), league.player(id).Team = id <= 300 ? kDraft : kFreeAgent;
    league.RebuildFreeIDs();
    EXPECT_EQ(std::make_pair(TopUpPlayerPool(league), GenerateFreeAgent(league, 3)), std::make_pair(0, 0));
}

} // namespace
} // namespace hv
