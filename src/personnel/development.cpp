#include "personnel/development.h"

#include <algorithm>
#include <array>

#include "league/ratings.h"
#include "league/salary.h"
#include "personnel/computer_trades.h"

namespace hv {

namespace {

constexpr SkillChange Add(double k) {
    return {false, k};
}
constexpr SkillChange Times(double b) {
    return {true, b};
}

using PositionRow = std::array<SkillChange, 5>; // C, PF, SF, SG, PG
using BandTable = std::array<PositionRow, kDevelopedSkills>;

constexpr PositionRow Same(SkillChange c) {
    return {c, c, c, c, c};
}

// Bands 61-80, 81-90 and 91-100, rows in Skill order.
constexpr PositionRow kJumpShotUpper{Times(0.96), Times(0.96), Times(0.97), Times(0.98), Times(0.98)};
constexpr BandTable kBand61{{
    {Add(13), Add(13), Add(11), Add(11), Add(11)},
    kJumpShotUpper,
    {Times(0.95), Times(0.95), Add(16), Add(18), Add(18)},
    {Add(11), Add(11), Add(12), Add(13), Add(16)},
    {Add(11), Add(11), Add(12), Add(13), Add(16)},
    {Add(16), Add(14), Add(12), Add(12), Add(12)},
    {Add(11), Add(11), Add(12), Add(16), Add(16)},
    Same(Add(14)),
    {Add(12), Add(12), Add(14), Add(16), Add(16)},
    {Add(16), Add(14), Add(12), Add(11), Add(11)},
    {Add(14), Add(14), Add(12), Add(11), Add(11)},
    {Add(14), Add(14), Add(12), Add(11), Add(11)},
}};
constexpr BandTable kBand81{{
    {Add(15), Add(15), Add(13), Add(12), Add(12)},
    kJumpShotUpper,
    {Times(0.95), Times(0.95), Add(20), Add(23), Add(22)},
    {Add(12), Add(12), Add(13), Add(15), Add(20)},
    {Add(12), Add(12), Add(13), Add(15), Add(20)},
    {Add(20), Add(18), Add(15), Add(15), Add(15)},
    {Add(12), Add(12), Add(15), Add(20), Add(20)},
    Same(Add(18)),
    {Add(15), Add(15), Add(18), Add(20), Add(20)},
    {Add(20), Add(18), Add(15), Add(12), Add(12)},
    {Add(22), Add(21), Add(15), Add(12), Add(12)},
    {Add(22), Add(21), Add(15), Add(12), Add(12)},
}};
constexpr PositionRow kInsideScoring91{Add(18), Add(18), Add(15), Add(15), Add(15)};

// Bands 0-20, 21-40 and 41-60 share one shape: the jump shot and the big men's three-point shot fall by up
// to 5 %, every other skill moves by -5 to k - 5 (rebounding one more for C and PF in band 41-60).
SkillChange LowerBandChange(int band, Skill skill, int position) {
    static const double k[] = {4, 7, 10};
    const bool big = position <= 2;
    switch (skill) {
    case Skill::JumpShot:
        return Times(0.95);
    case Skill::ThreePointShot:
        return big ? Times(0.95) : Add(k[band]);
    case Skill::OffenseRebound:
    case Skill::DefenseRebound:
        return Add(k[band] + (band == 2 && big ? 1 : 0));
    default:
        return Add(k[band]);
    }
}

int16_t& SkillField(Player& p, Skill skill) {
    switch (skill) {
    case Skill::InsideScoring:
        return p.InsideScoring;
    case Skill::JumpShot:
        return p.JumpShot;
    case Skill::ThreePointShot:
        return p.ThreePointShot;
    case Skill::Handling:
        return p.Handling;
    case Skill::Passing:
        return p.Passing;
    case Skill::PostDefense:
        return p.PostDefense;
    case Skill::PerimeterDefense:
        return p.PerimeterDefense;
    case Skill::DriveDefense:
        return p.DriveDefense;
    case Skill::Stealing:
        return p.Stealing;
    case Skill::ShotBlocking:
        return p.ShotBlocking;
    case Skill::OffenseRebound:
        return p.OffenseRebound;
    case Skill::DefenseRebound:
        break;
    }
    return p.DefenseRebound;
}

int16_t Rounded(double value) {
    return static_cast<int16_t>(std::clamp(Nearest(value), -32768.0, 32767.0));
}

void Scale(int16_t& value, double factor) {
    value = Rounded(value * factor);
}

} // namespace

void HealInjuries(League& league, int days) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (!p.IsEmpty() && p.TimeInjured > 0)
            p.TimeInjured = static_cast<int16_t>(std::max(0, p.TimeInjured - days));
    }
}

int16_t RevisedPotential(int potential, int age, Random& rng) {
    const double p = potential;
    double value;
    if (age >= 31) {
        value = potential <= 50   ? p - 8 + 10 * rng.Uniform()
                : potential <= 70 ? p - 10 + 3 * rng.Uniform()
                                  : p - 13 + 3 * rng.Uniform();
    } else if (potential <= 50) {
        value = p - 5 + 10 * rng.Uniform();
    } else if (potential <= 70) {
        value = p - 7 + 3 * rng.Uniform();
    } else if (age >= 20) {
        value = p - 10 + 3 * rng.Uniform();
    } else {
        const double r = rng.Uniform();
        value = r < 0.25   ? p * (1 + 0.25 * rng.Uniform())
                : r < 0.5  ? p - 6 + 4 * rng.Uniform()
                : r < 0.75 ? p * 0.8
                           : p;
    }
    return std::min<int16_t>(Rounded(value), 100);
}

int DevelopmentBand(int value) {
    if (value < 0 || value > 100) return -1;
    if (value <= 20) return 0;
    if (value <= 40) return 1;
    if (value <= 60) return 2;
    if (value <= 80) return 3;
    if (value <= 90) return 4;
    return 5;
}

int BandValue(int potential, Random& rng) {
    return rng.Uniform() < 0.9 ? potential : std::min(potential + 20, 90);
}

SkillChange BandChange(int band, Skill skill, int position) {
    const auto row = static_cast<size_t>(skill);
    const auto col = static_cast<size_t>(position - 1);
    if (band <= 2) return LowerBandChange(band, skill, position);
    if (band == 3) return kBand61[row][col];
    if (band == 5 && skill == Skill::InsideScoring) return kInsideScoring91[col];
    return kBand81[row][col];
}

void ChangeBody(Player& p, Random& rng) {
    for (int16_t* a : {&p.Quickness, &p.Strength, &p.Jumping})
        Scale(*a, 0.95 + 0.1 * rng.Uniform());
}

void ChangeSkills(Player& p, int band, Random& rng) {
    if (band < 0 || band > 5 || p.OriginalPosition < 1 || p.OriginalPosition > 5) return;
    for (int s = 0; s < kDevelopedSkills; ++s) {
        const auto skill = static_cast<Skill>(s);
        const SkillChange c = BandChange(band, skill, p.OriginalPosition);
        int16_t& value = SkillField(p, skill);
        value = c.multiply ? Rounded(value * (c.value + 0.1 * rng.Uniform()))
                           : Rounded(value - 5 + c.value * rng.Uniform());
    }
}

void AgeBody(Player& p) {
    if (p.Age < 30) return;
    const double factor = p.Age <= 32 ? 0.98 : p.Age <= 35 ? 0.97 : 0.95;
    for (int16_t* a : {&p.Quickness, &p.Strength, &p.Jumping})
        Scale(*a, factor);
}

void Rescout(Player& p, Random& rng) {
    const double potential = p.Potential;
    const double r = rng.Uniform();
    const double estimate = r < 0.2   ? potential - 15 - 15 * rng.Uniform()
                            : r < 0.4 ? potential - 15 * rng.Uniform()
                            : r < 0.6 ? potential - 5 + 10 * rng.Uniform()
                            : r < 0.8 ? potential + 15 * rng.Uniform()
                                      : potential + 15 + 15 * rng.Uniform();
    const int16_t e = Rounded(estimate);
    if (p.KnownPotential == 0) p.KnownPotential = Rounded(potential * (0.75 + 0.5 * rng.Uniform()));
    p.KnownPotential = std::clamp<int16_t>(Rounded((p.KnownPotential + e) / 2.0), 0, 100);
    p.PotentialGrade = GradeOf(p.KnownPotential);
}

void DevelopPlayer(League& league, int id) {
    Player& p = league.player(id);
    Random& rng = league.rng;
    p.Potential = RevisedPotential(p.Potential, p.Age, rng);
    const int band = DevelopmentBand(BandValue(p.Potential, rng));
    if (band >= 0) {
        ChangeBody(p, rng);
        ChangeSkills(p, band, rng);
    }
    AgeBody(p);
    ApplyAttributeLimits(p);
    Rescout(p, rng);
}

bool RunTrainingCamps(League& league, Host& host) {
    HealInjuries(league, 50);
    SeasonState& s = league.state;
    const int first = s.FirstSeason == 0 ? 2001 : s.FirstSeason;
    if (s.Season != first) {
        for (int id = 1; id <= kLastLeaguePlayer; ++id) {
            if (league.player(id).IsEmpty()) continue;
            DevelopPlayer(league, id);
            if (id % 50 == 0) {
                host.SetProgress("Running Camps...", id, kLastLeaguePlayer);
                host.PumpEvents();
            }
        }
        for (int id = 1; id <= kLastLeaguePlayer; ++id)
            if (!league.player(id).IsEmpty()) CalculatePlayerRatings(league.player(id));
        CalculateAbsoluteRatings(league);
        RecountPayrolls(league);
    }
    s.SeasonDay = Phase::BeforeSeason;
    // The computer teams trade once more on the ratings the camps have left.
    RunComputerTrades(league, host);
    return true;
}

} // namespace hv
