#include "league/player_injury.h"

#include <vector>

namespace hv {

int InjurySeverityClass(double r) {
    static constexpr double kUpperBounds[9] = {0.85, 0.89, 0.92, 0.94, 0.95, 0.96, 0.97, 0.98, 0.99};
    for (int k = 0; k < 9; ++k)
        if (r < kUpperBounds[k]) return k + 1;
    return 10;
}

namespace {

// Length factor of an injury by age, with a fresh draw.
double AgeFactor(int age, double r) {
    if (age <= 25) return 0.7 + 0.4 * r;
    if (age <= 30) return 0.75 + 0.4 * r;
    if (age <= 35) return 0.8 + 0.4 * r;
    return 0.9 + 0.4 * r;
}

} // namespace

void InjurePlayer(League& league, int id, int severityClass) {
    const auto& table = league.injuryTypes;
    if (table.size() < 2) return;
    std::vector<size_t> candidates{1};
    for (size_t i = 1; i < table.size(); ++i)
        if (table[i].Severity == severityClass) candidates.push_back(i);
    const double pick = league.rng.Uniform() * static_cast<double>(candidates.size() - 1) + 1;
    const InjuryType& injury = table[candidates[static_cast<size_t>(NearestInt(pick)) - 1]];

    Player& p = league.player(id);
    if (severityClass == 10)
        p.Potential = static_cast<int16_t>(NearestInt(p.Potential * (0.9 + 0.1 * league.rng.Uniform())));
    p.Injury = injury.Name;
    const double factor = AgeFactor(p.Age, league.rng.Uniform());
    p.TimeInjured = static_cast<int16_t>(NearestInt(injury.BaseDays * factor + 1));
}

} // namespace hv
