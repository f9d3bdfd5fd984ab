#include "league/salary.h"

#include <algorithm>
#include <cmath>

namespace hv {

int32_t MinimumSalary(int experience) {
    static const int32_t minimum[] = {332817, 465850, 540850, 565850, 590850, 653350,
                                      715850, 778350, 840850, 965850, 1000000};
    return minimum[std::clamp(experience, 0, 10)];
}

int32_t MaximumSalary(const SeasonState& state, int experience) {
    double share = experience <= 6 ? 0.25 : experience <= 9 ? 0.30 : 0.35;
    return static_cast<int32_t>(Nearest(static_cast<double>(state.SalaryCapDollars()) * share));
}

double PlayerWorth(const League& league, int id) {
    const Player& me = league.player(id);
    int byCurrent = 1, byFuture = 1;
    for (int other = 1; other <= kLastLeaguePlayer; ++other) {
        const Player& p = league.player(other);
        if (other == id || p.IsEmpty() || p.DefaultPosition != me.DefaultPosition) continue;
        if (p.CurrentRating > me.CurrentRating) ++byCurrent;
        if (p.FutureRating > me.FutureRating) ++byFuture;
    }
    int rank = std::min(byCurrent, byFuture);
    if (rank == 1) return 1.5;
    if (rank <= 4) return 1.25;
    if (rank <= 8) return 1.1 - 0.3 * (rank - 5) / 3;
    if (rank <= 16) return 0.8 - 0.3 * (rank - 9) / 7;
    if (rank <= 29) return 0.5 - 0.3 * (rank - 17) / 12;
    if (rank <= 45) return 0.2 - 0.1 * (rank - 30) / 15;
    if (rank <= 58) return 0.1 - 0.1 * (rank - 46) / 12;
    return 0;
}

int ContractLength(double q, Random& rng) {
    if (q < 0.1) return 1;
    double r = rng.Uniform();
    int band = q <= 0.25 ? 0 : q <= 0.4 ? 1 : q <= 0.6 ? 2 : q <= 0.75 ? 3 : 4;
    static const int years[5][3] = {{1, 2, 3}, {2, 3, 4}, {3, 4, 5}, {4, 5, 6}, {7, 7, 7}};
    return years[band][r < 0.2 ? 0 : r < 0.9 ? 1 : 2];
}

namespace {

int32_t Scaled(double base, double factor, int pick) {
    return static_cast<int32_t>(Nearest(base * std::pow(factor, pick)));
}

} // namespace

ContractYears DraftContract(DraftKind kind, int round, int pick) {
    ContractYears c{};
    if (kind == DraftKind::Rookie) {
        if (round == 1) {
            const double first[] = {2947200, 3168300, 3389300, 3589300};
            for (int y = 0; y < 4; ++y)
                c[static_cast<size_t>(y)] = Scaled(first[y], 0.98, pick);
        } else {
            c[0] = 332817;
            c[1] = 465850;
        }
        return c;
    }
    // Creation draft: one amount for every year of a contract whose length falls with the round.
    struct Scale {
        double amount;
        int years;
    };
    static const Scale scale[] = {{9000000, 4}, {7000000, 3}, {5000000, 3},
                                  {3000000, 2}, {2000000, 2}, {1000000, 2}};
    if (round >= 1 && round <= 6) {
        const Scale& s = scale[round - 1];
        int32_t amount = Scaled(s.amount, 0.99, pick);
        for (int y = 0; y < s.years; ++y)
            c[static_cast<size_t>(y)] = amount;
    } else if (round <= 10) {
        c[0] = 500000;
        c[1] = 550000;
    } else {
        c[0] = 400000;
    }
    return c;
}

ContractYears StartingContract(const League& league, int id, Random& rng) {
    const Player& p = league.player(id);
    int32_t maximum = MaximumSalary(league.state, p.Experience);
    int32_t minimum = MinimumSalary(p.Experience);
    double worth = PlayerWorth(league, id);
    int32_t amount =
        std::clamp(static_cast<int32_t>(Nearest(maximum * worth)), minimum, std::max(minimum, maximum));
    int years = ContractLength(maximum > 0 ? static_cast<double>(amount) / maximum : 0, rng);
    ContractYears c{};
    for (int y = 0; y < years; ++y)
        c[static_cast<size_t>(y)] = amount;
    return c;
}

void SetContract(Player& p, const ContractYears& years) {
    for (int y = 1; y <= 8; ++y)
        p.Contract(y) = years[static_cast<size_t>(y - 1)];
}

int64_t Payroll(const Team& team) {
    return static_cast<int64_t>(team.TotalSalary) + team.CutSalary[0];
}

int64_t CapRoom(const League& league, int team) {
    return league.state.SalaryCapDollars() - Payroll(league.team(team));
}

void RecountPayrolls(League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t)
        league.team(t).TotalSalary = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (int t = p.IsEmpty() ? 0 : league.FindTeam(p.Team)) league.team(t).TotalSalary += p.contract1;
    }
}

bool HoldsBirdRights(const Player& p, const Team& team) {
    const bool hisTeam = p.Team == team.Name || (p.Team == kFreeAgent && p.LastTeam == team.Name);
    return hisTeam && p.BirdYears >= 3;
}

int64_t TeamPayroll(const League& league, int team) {
    const std::string& name = league.team(team).Name;
    int64_t payroll = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == name) payroll += p.contract1;
    }
    return payroll;
}

} // namespace hv
