// Generated players: draft classes, professionals against the shipped league, the pool top-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include "league/ratings.h"
#include "personnel/draft_class.h"
#include "personnel/draft_class_tables.h"
#include "platform/sqlite_db.h"
#include "setup/default_league.h"
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

// The scouting tables, transcribed: by position C to PG, Quickness, Jumping, Strength and Handling as p1, p2
// and the three tiers' base and width.
struct PhysicalRow {
    double p1, p2;
    int base1, width1, base2, width2, base3, width3;
};
constexpr PhysicalRow kPhysical[5][4] = {{{0.3, 0.9, 25, 10, 35, 10, 35, 20},
                                          {0.3, 0.95, 30, 10, 40, 10, 45, 20},
                                          {0.3, 0.95, 65, 10, 75, 10, 85, 20},
                                          {0.2, 0.95, 5, 30, 25, 35, 60, 20}},
                                         {{0.3, 0.9, 35, 10, 45, 10, 45, 20},
                                          {0.3, 0.95, 35, 10, 55, 10, 65, 20},
                                          {0.3, 0.95, 55, 10, 65, 10, 75, 20},
                                          {0.2, 0.95, 5, 30, 25, 35, 60, 20}},
                                         {{0.3, 0.9, 45, 10, 55, 10, 55, 20},
                                          {0.3, 0.95, 45, 10, 65, 10, 75, 20},
                                          {0.3, 0.95, 45, 10, 55, 10, 65, 20},
                                          {0.2, 0.9, 5, 30, 25, 35, 60, 20}},
                                         {{0.3, 0.95, 55, 10, 65, 10, 65, 20},
                                          {0.3, 0.95, 55, 10, 70, 10, 85, 20},
                                          {0.3, 0.95, 35, 10, 45, 10, 55, 20},
                                          {0.2, 0.9, 5, 30, 30, 35, 60, 20}},
                                         {{0.3, 0.95, 65, 10, 75, 10, 85, 20},
                                          {0.3, 0.95, 35, 10, 55, 10, 65, 20},
                                          {0.3, 0.95, 25, 10, 35, 10, 45, 20},
                                          {0.2, 0.8, 5, 30, 35, 35, 70, 20}}};

// The lowest and highest value a row can give.
std::pair<int, int> RangeOf(const PhysicalRow& r) {
    return {std::min({r.base1, r.base2, r.base3}),
            std::max({r.base1 + r.width1, r.base2 + r.width2, r.base3 + r.width3})};
}

TEST(DraftClass, ScoutingTablesByPosition) {
    using namespace generator;
    auto same = [](Span s, int base, int width) { return s.base == base && s.width == width; };
    auto sameTiers = [&](const ThreeTier& t, const PhysicalRow& r) {
        return t.p1 == r.p1 && t.p2 == r.p2 && same(t.low, r.base1, r.width1) &&
               same(t.middle, r.base2, r.width2) && same(t.high, r.base3, r.width3);
    };
    for (int position = 1; position <= 5; ++position) {
        const ProspectTable& t = Prospects(position);
        const ThreeTier* physical[] = {&t.quickness, &t.jumping, &t.strength, &t.handling};
        for (size_t a = 0; a < 4; ++a)
            EXPECT_TRUE(sameTiers(*physical[a], kPhysical[position - 1][a])) << position << "/" << a;
    }
    // The telling skill rows: C in tiers A and C, PG in tiers A and D (base, width; Stealing of PG in tier D
    // is not given).
    const ProspectTable &c = Prospects(1), &pg = Prospects(5);
    EXPECT_TRUE(same(c.insideAB[0], 15, 45) && same(pg.insideAB[0], 10, 45));
    EXPECT_TRUE(sameTiers(c.insideCD, {0.6, 0.9, 45, 25, 60, 25, 70, 20}));
    EXPECT_TRUE(sameTiers(pg.insideCD, {0.7, 0.9, 25, 25, 40, 25, 60, 25}));
    const struct {
        const ProspectTable& table;
        int tier;
        std::array<int, 8> jumpPassPostSteal;
    } rows[] = {{c, 0, {35, 40, 15, 45, 25, 45, 15, 45}},
                {c, 2, {40, 40, 15, 35, 35, 35, 25, 35}},
                {pg, 0, {40, 45, 25, 45, 10, 45, 35, 45}},
                {pg, 3, {55, 35, 55, 25, 10, 25, 0, 0}}};
    for (const auto& r : rows) {
        const auto& s = r.table.tiers[static_cast<size_t>(r.tier)];
        const auto& v = r.jumpPassPostSteal;
        EXPECT_TRUE(same(s[kJumpShot], v[0], v[1]) && same(s[kPassing], v[2], v[3]) &&
                    same(s[kPostDefense], v[4], v[5]) && (v[6] == 0 || same(s[kStealing], v[6], v[7])))
            << r.tier;
    }
    // Point guards' weight by height: up to 72, 73 to 76, taller.
    const std::array<WeightBand, 3> guards{
        {{72, 0.5, {150, 25}, {175, 35}}, {76, 0.3, {170, 30}, {180, 35}}, {0, 0.5, {180, 30}, {190, 30}}}};
    for (size_t b = 0; b < guards.size(); ++b) {
        const WeightBand &w = pg.weights[b], &g = guards[b];
        EXPECT_TRUE(w.maxHeight == g.maxHeight && w.p == g.p && same(w.light, g.light.base, g.light.width) &&
                    same(w.heavy, g.heavy.base, g.heavy.width))
            << b;
    }
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
            // Each physical attribute within its own row's range (the attribute limits only lower it).
            const int16_t physical[] = {p.Quickness, p.Jumping, p.Strength, p.Handling};
            for (size_t a = 0; a < 4; ++a) {
                const auto [lowest, highest] = RangeOf(kPhysical[p.PositionNumber - 1][a]);
                ASSERT_TRUE(physical[a] >= lowest && physical[a] <= highest) << a << ": " << physical[a];
            }
            if (p.PositionNumber == 5) {
                const int lightest = p.Height <= 72 ? 150 : p.Height <= 76 ? 170 : 180;
                const int heaviest = p.Height <= 72 ? 210 : p.Height <= 76 ? 215 : 220;
                ASSERT_TRUE(p.Weight >= lightest && p.Weight <= heaviest) << p.Height << "/" << p.Weight;
            }
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
