#include "personnel/draft_class.h"

#include <algorithm>
#include <array>
#include <functional>

#include "league/ratings.h"
#include "personnel/draft_class_tables.h"

namespace hv {

using namespace generator;

namespace {

int16_t Draw(Random& rng, Span s) {
    return static_cast<int16_t>(NearestInt(s.base + s.width * rng.Uniform()));
}

int16_t Draw(Random& rng, const ThreeTier& t) {
    double r = rng.Uniform();
    return Draw(rng, r < t.p1 ? t.low : r < t.p2 ? t.middle : t.high);
}

// A value around a professional centre, moved by the player's quality.
int16_t Draw(Random& rng, Centre c, double shift) {
    return static_cast<int16_t>(NearestInt(c.centre - c.width / 2.0 + shift + c.width * rng.Uniform()));
}

// An entry of a 1-based name list (index 0 is unused).
std::string FromNameList(Random& rng, const std::vector<std::string>& names, const char* fallback) {
    if (names.size() <= 1) return fallback;
    return names[1 + static_cast<size_t>(rng.Uniform() * static_cast<double>(names.size() - 1))];
}

std::string RandomCollege(League& league) {
    if (league.colleges.empty()) return "N/A";
    return league
        .colleges[static_cast<size_t>(league.rng.Uniform() * static_cast<double>(league.colleges.size()))];
}

int QualityTier(Random& rng) {
    double r = rng.Uniform();
    int tier = 0;
    while (tier < 3 && r >= kTierBelow[static_cast<size_t>(tier)])
        ++tier;
    return tier;
}

void Personality(Player& p, Random& rng) {
    for (int16_t* v : {&p.Greed, &p.Loyalty, &p.Winner, &p.Happiness})
        *v = static_cast<int16_t>(NearestInt(100 * rng.Uniform()));
}

void SetPosition(Player& p, int position) {
    p.DefaultPosition = PositionText(position);
    p.PositionNumber = static_cast<int16_t>(position);
    p.OriginalPosition = static_cast<int16_t>(position);
}

void DrawHeight(Player& p, Random& rng, const ProspectTable& t) {
    double r = rng.Uniform();
    p.Height = t.otherwiseHeight;
    for (const HeightStep& step : t.heights) {
        if (r < step.below) {
            p.Height =
                step.inches != 0 ? step.inches : static_cast<int16_t>(NearestInt(66 + 6 * rng.Uniform()));
            break;
        }
    }
}

void DrawWeight(Player& p, Random& rng, const ProspectTable& t) {
    for (const WeightBand& band : t.weights) {
        if (band.maxHeight != 0 && p.Height > band.maxHeight) continue;
        double r = rng.Uniform();
        p.Weight = Draw(rng, r < band.p ? band.light : band.heavy);
        return;
    }
}

// The scouts' estimate: off by up to 30 either way, within 0 to 100.
void Scout(Player& p, Random& rng) {
    double r = rng.Uniform();
    double error = r < 0.2   ? -15 - 15 * rng.Uniform()
                   : r < 0.4 ? -15 * rng.Uniform()
                   : r < 0.6 ? -5 + 10 * rng.Uniform()
                   : r < 0.8 ? 15 * rng.Uniform()
                             : 15 + 15 * rng.Uniform();
    p.KnownPotential = static_cast<int16_t>(std::clamp(NearestInt(p.Potential + error), 0, 100));
    p.PotentialGrade = GradeOf(p.KnownPotential);
}

// Ratings once the attributes are drawn, and again once the scouted grade is known, because the future
// rating weighs that grade.
void RateAndScout(Player& p, Random& rng) {
    CalculatePlayerRatings(p);
    Scout(p, rng);
    CalculatePlayerRatings(p);
}

void NewSlot(League& league, int id, Player& p) {
    p = Player{};
    p.Name = FromNameList(league.rng, league.firstNames, "Player");
    p.Name += " " + FromNameList(league.rng, league.lastNames, std::to_string(id).c_str());
    p.HomeTeam = "N/A";
    p.LastTeam = "N/A";
    p.Resign = true;
    p.STAMINA = 100;
}

int16_t LimitedPotential(int value) {
    return static_cast<int16_t>(std::clamp(value, 0, 99));
}

} // namespace

void GenerateProspect(League& league, int id, int position) {
    Random& rng = league.rng;
    Player& p = league.player(id);
    NewSlot(league, id, p);
    const ProspectTable& t = Prospects(position);

    double r = rng.Uniform();
    p.Age = r < 0.05 ? 18 : r < 0.1 ? 19 : r < 0.3 ? 20 : r < 0.45 ? 21 : r < 0.9 ? 22 : 23;
    p.College = p.Age <= 19 ? "High School" : RandomCollege(league);
    Personality(p, rng);
    r = rng.Uniform();
    Span potential = r < 0.56 ? Span{40, 20} : r < 0.78 ? Span{60, 20} : Span{80, 20};
    p.Potential = LimitedPotential(Draw(rng, potential));
    SetPosition(p, position);
    DrawHeight(p, rng, t);

    p.Quickness = Draw(rng, t.quickness);
    p.Jumping = Draw(rng, t.jumping);
    p.Strength = Draw(rng, t.strength);
    p.Handling = Draw(rng, t.handling);

    int tier = QualityTier(rng);
    p.InsideScoring = tier < 2 ? Draw(rng, t.insideAB[static_cast<size_t>(tier)]) : Draw(rng, t.insideCD);
    const auto& s = t.tiers[static_cast<size_t>(tier)];
    p.JumpShot = Draw(rng, s[kJumpShot]);
    p.ThreePointShot = Draw(rng, s[kThreePointShot]);
    p.Scoring = tier < 2 ? Draw(rng, Span{0, 100}) : Draw(rng, Span{25, 55});
    p.Passing = Draw(rng, s[kPassing]);
    p.PostDefense = Draw(rng, s[kPostDefense]);
    p.PerimeterDefense = Draw(rng, s[kPerimeterDefense]);
    p.DriveDefense = Draw(rng, s[kDriveDefense]);
    p.Stealing = Draw(rng, s[kStealing]);
    p.ShotBlocking = Draw(rng, s[kShotBlocking]);
    p.OffenseRebound = Draw(rng, s[kOffenseRebound]);
    p.DefenseRebound = Draw(rng, s[kDefenseRebound]);

    DrawWeight(p, rng, t);
    p.DisplayHeight = FormatHeight(p.Height);
    RateAndScout(p, rng);
}

void GeneratePlayer(League& league, int id, int position) {
    Random& rng = league.rng;
    Player& p = league.player(id);
    NewSlot(league, id, p);

    // One draw chooses the age group and with it how potentials are spread.
    double r = rng.Uniform();
    std::array<double, 2> below;
    std::array<Span, 3> tiers;
    if (r < 0.2) {
        p.Age = static_cast<int16_t>(NearestInt(20 + 3 * rng.Uniform()));
        below = {0.3, 0.8};
        tiers = {Span{30, 20}, Span{45, 30}, Span{70, 30}};
    } else if (r < 0.85) {
        double a = rng.Uniform();
        static const double steps[] = {0.12, 0.24, 0.36, 0.48, 0.6, 0.74, 0.87};
        p.Age = 30;
        for (int i = 0; i < 7; ++i)
            if (a < steps[i]) {
                p.Age = static_cast<int16_t>(23 + i);
                break;
            }
        below = {0.35, 0.9};
        tiers = {Span{30, 20}, Span{45, 30}, Span{70, 30}};
    } else if (r < 0.97) {
        double a = rng.Uniform();
        p.Age = a < 0.3 ? 31 : a < 0.55 ? 32 : a < 0.7 ? 33 : a < 0.85 ? 34 : 35;
        below = {0.4, 0.95};
        tiers = {Span{30, 20}, Span{45, 30}, Span{55, 20}};
    } else {
        p.Age = static_cast<int16_t>(NearestInt(35 + 5 * rng.Uniform()));
        below = {0.2, 2.0};
        tiers = {Span{20, 20}, Span{30, 30}, Span{30, 30}};
    }
    double t = rng.Uniform();
    p.Potential = LimitedPotential(Draw(rng, tiers[t < below[0] ? 0 : t < below[1] ? 1 : 2]));

    p.College = p.Age <= 19 ? "High School" : RandomCollege(league);
    Personality(p, rng);
    SetPosition(p, position);
    const ProspectTable& body = Prospects(position);
    DrawHeight(p, rng, body);

    const ProfessionalTable& pro = Professionals(position);
    for (auto [field, centre] : {std::pair{&p.Quickness, pro.quickness}, std::pair{&p.Jumping, pro.jumping},
                                 std::pair{&p.Strength, pro.strength}}) {
        double q = rng.Uniform();
        int tier = q < 0.3 ? 0 : q < 0.9 ? 1 : 2;
        *field = Draw(rng, centre, kProPhysicalOffset[static_cast<size_t>(tier)]);
    }
    double quality =
        kProSkillOffset[static_cast<size_t>(QualityTier(rng))] + kProFormWidth * (rng.Uniform() - 0.5);
    int16_t* skills[kProAttributes] = {&p.InsideScoring, &p.JumpShot, &p.ThreePointShot, &p.Scoring,
                                       &p.Handling,      &p.Passing,  &p.PostDefense,    &p.PerimeterDefense,
                                       &p.DriveDefense,  &p.Stealing, &p.ShotBlocking,   &p.OffenseRebound,
                                       &p.DefenseRebound};
    for (int i = 0; i < kProAttributes; ++i)
        *skills[i] = Draw(rng, pro.skills[static_cast<size_t>(i)], quality);

    DrawWeight(p, rng, body);
    p.DisplayHeight = FormatHeight(p.Height);
    p.Experience = static_cast<int16_t>(std::max(0, NearestInt(p.Age - 18 - 5 * rng.Uniform())));

    // Older players have less room left to grow.
    double cut = rng.Uniform();
    double factor = 1.0;
    if (p.Age >= 31)
        factor = cut < 0.4 ? 0.75 : cut < 0.7 ? 0.9 : 1.0;
    else if (p.Age >= 27)
        factor = cut < 0.15 ? 0.75 : cut < 0.4 ? 0.9 : 1.0;
    else
        factor = cut < 0.1 ? 0.9 : 1.0;
    p.Potential = LimitedPotential(NearestInt(p.Potential * factor));
    RateAndScout(p, rng);
}

int GenerateDraftClass(League& league, const std::string& classTeam) {
    std::array<int, 6> count{};
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == classTeam && p.PositionNumber >= 1 && p.PositionNumber <= 5)
            ++count[static_cast<size_t>(p.PositionNumber)];
    }
    int made = 0;
    for (int position = 1; position <= 5; ++position) {
        for (int n = count[static_cast<size_t>(position)]; n < kProspectsPerPosition; ++n) {
            int id = league.AllocatePlayerID();
            GenerateProspect(league, id, position);
            league.player(id).Team = classTeam;
            ++made;
        }
    }
    CalculateAbsoluteRatings(league);
    return made;
}

int EnsureComingDraftClass(League& league) {
    return GenerateDraftClass(league, league.state.SeasonDay == Phase::CreationDraft ? kNextDraft : kDraft);
}

int GenerateFreeAgent(League& league, int position) {
    if (league.freeIDs.empty()) return 0; // reclaiming a free agent's slot for another one gains nothing
    int id = league.AllocatePlayerID();
    GeneratePlayer(league, id, position);
    league.player(id).Team = kFreeAgent;
    return id;
}

namespace {

// Generates players with Team `poolTeam`, each at the position with the fewest counted players (the first
// of C, PF, SF, SG, PG on a tie), until 450 players count.
int TopUp(League& league, const std::string& poolTeam, const std::function<bool(const Player&)>& counts) {
    std::array<int, 6> atPosition{};
    int counted = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty() || !counts(p)) continue;
        ++counted;
        if (p.PositionNumber >= 1 && p.PositionNumber <= 5)
            ++atPosition[static_cast<size_t>(p.PositionNumber)];
    }
    int made = 0;
    // Each pass adds one player, so the loop ends; without a free slot it stops at once (reclaiming a free
    // agent's slot for another player would not grow the pool).
    while (counted < kPlayerPool && !league.freeIDs.empty()) {
        int position = 1;
        for (int pos = 2; pos <= 5; ++pos)
            if (atPosition[static_cast<size_t>(pos)] < atPosition[static_cast<size_t>(position)])
                position = pos;
        int id = league.AllocatePlayerID();
        GeneratePlayer(league, id, position);
        league.player(id).Team = poolTeam;
        ++atPosition[static_cast<size_t>(position)];
        ++counted;
        ++made;
    }
    return made;
}

} // namespace

int TopUpPool(League& league, const std::string& poolTeam, const std::string& uncounted) {
    return TopUp(league, poolTeam, [&](const Player& p) { return p.Team != uncounted; });
}

int TopUpPlayerPool(League& league) {
    return TopUp(league, kFreeAgent,
                 [](const Player& p) { return p.Team != kDraft && p.Team != kNextDraft; });
}

} // namespace hv
