#include "personnel/contract_offer.h"

#include <algorithm>

#include "league/salary.h"

namespace hv {

namespace {

bool SeasonEnded(const League& league) {
    return league.state.SeasonDay >= Phase::RookieDraft;
}

} // namespace

double TeamFactor(const League& league, int team, int id) {
    const Player& me = league.player(id);
    const std::string& name = league.team(team).Name;
    int others = 0, atLeastAsGood = 0;
    for (int other = 1; other <= kLastLeaguePlayer; ++other) {
        const Player& p = league.player(other);
        if (other == id || p.IsEmpty() || p.Team != name || p.PositionNumber != me.PositionNumber) continue;
        ++others;
        if (p.CurrentRating >= me.CurrentRating) ++atLeastAsGood;
    }
    double t = atLeastAsGood == 0 ? 1.15 : atLeastAsGood == 1 ? 1.0 : 0.85;
    if (others < 2) t *= 1.1;
    return t;
}

int64_t OfferRoom(const League& league, int team) {
    if (SeasonEnded(league)) return CapRoom(league, team);
    const Team& t = league.team(team);
    int64_t committed = t.CutSalary[1];
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == t.Name) committed += p.contract2;
    }
    return league.state.SalaryCapDollars() - committed;
}

int32_t SalaryBeforeResigning(const League& league, const Player& p) {
    return SeasonEnded(league) ? p.LastSalary : p.contract1;
}

int OfferExperience(const League& league, const Player& p) {
    return SeasonEnded(league) ? p.Experience : p.Experience + 1;
}

std::optional<ContractOffer> ComputerOffer(League& league, int id, int team, BidKind kind) {
    const Player& p = league.player(id);
    const Team& t = league.team(team);
    const int experience = OfferExperience(league, p);
    const int64_t maximum = MaximumSalary(league.state, experience);
    const int64_t minimum = MinimumSalary(experience);
    const double w = PlayerWorth(league, id);
    const double factor = TeamFactor(league, team, id);
    const int64_t room = OfferRoom(league, team);

    int64_t amount = 0;
    switch (kind) {
    case BidKind::Mid:
        if (t.UsedMidException) return std::nullopt;
        amount = std::clamp<int64_t>(static_cast<int64_t>(Nearest(maximum * factor * w)), minimum,
                                     std::max<int64_t>(minimum, kMidLevelException));
        break;
    case BidKind::Low:
        if (t.UsedLowException) return std::nullopt;
        amount = std::max<int64_t>(minimum, kLowLevelException);
        break;
    case BidKind::Min:
        amount = minimum;
        break;
    case BidKind::Resign: {
        int64_t limit = maximum;
        const double raised = 1.2 * SalaryBeforeResigning(league, p);
        if (raised > limit) limit = static_cast<int64_t>(Nearest(raised));
        if (p.BirdYears < 3) limit = std::min(limit, room);
        limit = std::max(limit, minimum);
        amount =
            std::clamp<int64_t>(static_cast<int64_t>(Nearest(maximum * (factor * w + 0.05))), minimum, limit);
        break;
    }
    case BidKind::New: {
        const int64_t limit = std::max(std::min(maximum, room), minimum);
        amount = std::clamp<int64_t>(static_cast<int64_t>(Nearest(maximum * factor * w)), minimum, limit);
        break;
    }
    default:
        return std::nullopt;
    }

    ContractOffer offer;
    offer.kind = kind;
    const double q = maximum > 0 ? static_cast<double>(amount) / static_cast<double>(maximum) : 0;
    offer.years = ContractLength(q, league.rng);
    const int32_t yearly = static_cast<int32_t>(std::min<int64_t>(amount, INT32_MAX));
    for (int y = 0; y < offer.years; ++y)
        offer.amounts[static_cast<size_t>(y)] = yearly;
    return offer;
}

double WinningStrength(const Team& team) {
    return team.WinRating > 0 ? team.WinRating : 100.0 * team.WinPct;
}

int YearsOf(const OfferYears& amounts) {
    int years = 0;
    while (years < static_cast<int>(amounts.size()) && amounts[static_cast<size_t>(years)] > 0)
        ++years;
    return years;
}

} // namespace hv
