#include "personnel/trade_value.h"

#include <algorithm>
#include <functional>

#include "league/lineup.h"
#include "league/salary.h"
#include "league/transactions.h"

namespace hv {

namespace {

// Corrections of an item's weighted value, as the judging team sees it.
constexpr int kYoungAge = 23;   // up to this age a player still has his best years ahead
constexpr int kVeteranAge = 30; // from this age on they are behind him
constexpr double kYoungFactor = 1.1;
constexpr double kVeteranFactor = 0.9;
constexpr int kLongInjuryDays = 20; // out longer than this, a player helps nobody soon
constexpr double kLongInjuryFactor = 0.75;
constexpr double kStarterFactor = 1.15;  // he would start for the team, or the team loses its starter
constexpr double kSurplusFactor = 0.9;   // the team keeps three others at his position
constexpr double kSalaryWeight = 0.25;   // value points per salary unit
constexpr double kShortRosterCost = 1.0; // per player the team falls short of twelve

// Number of values in ascending `sorted` above `value`.
int CountAbove(const std::vector<int16_t>& sorted, int value) {
    return static_cast<int>(sorted.end() - std::upper_bound(sorted.begin(), sorted.end(), value));
}

bool ValidPosition(int position) {
    return position >= 1 && position <= 5;
}

double AgeFactor(int age) {
    return age <= kYoungAge ? kYoungFactor : age >= kVeteranAge ? kVeteranFactor : 1.0;
}

// How much the judging team, whose roster after the trade is `after`, needs player `id` at his position:
// more when he is (or was) better than everyone else it has there, less when it keeps three others there.
double NeedFactor(const League& league, int id, const std::vector<int>& after) {
    const Player& p = league.player(id);
    int others = 0, best = -1;
    for (int other : after) {
        const Player& o = league.player(other);
        if (other == id || o.PositionNumber != p.PositionNumber) continue;
        ++others;
        best = std::max<int>(best, o.CurrentRating);
    }
    if (p.CurrentRating > best) return kStarterFactor;
    return others >= 3 ? kSurplusFactor : 1.0;
}

// One item's worth to the judging team.
double Worth(const League& league, const TradeItem& item, const std::vector<int>& after, double salaryUnit) {
    double value = WeightedValue(item.rating);
    if (IsPickItem(item.id)) return value;
    const Player& p = league.player(item.id);
    value *= AgeFactor(p.Age) * NeedFactor(league, item.id, after);
    if (p.TimeInjured > kLongInjuryDays) value *= kLongInjuryFactor;
    return value - kSalaryWeight * p.contract1 / salaryUnit;
}

// The same item judged shrewdly: quality on the steep curve, every contract year counted.
double ShrewdWorth(const League& league, const TradeItem& item, const std::vector<int>& after,
                   double salaryUnit) {
    if (IsPickItem(item.id)) return ShrewdCurve(item.rating);
    const Player& p = league.player(item.id);
    double value = ShrewdCurve(ShrewdQuality(p)) * AgeFactor(p.Age) * NeedFactor(league, item.id, after);
    if (p.TimeInjured > kLongInjuryDays) value *= kLongInjuryFactor;
    double owed = 0;
    for (int year = 1; year <= 8; ++year)
        owed += p.Contract(year);
    return value - kShrewdSalaryWeight * owed / salaryUnit;
}

// The salary a side's players carry this season.
int64_t SideSalary(const League& league, const TradeSide& side) {
    int64_t total = 0;
    for (const TradeItem& item : side.items)
        if (!IsPickItem(item.id)) total += league.player(item.id).contract1;
    return total;
}

bool Holds(const TradeSide& side, int id) {
    return std::any_of(side.items.begin(), side.items.end(), [id](const TradeItem& i) { return i.id == id; });
}

} // namespace

TradeRater::TradeRater(const League& league) : league_(league), pickValues_(PickValues(league)) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        if (TeamOfPlayer(league, id) == 0) continue;
        const Player& p = league.player(id);
        current_.push_back(p.CurrentRating);
        if (ValidPosition(p.PositionNumber)) {
            currentAt_[static_cast<size_t>(p.PositionNumber)].push_back(p.CurrentRating);
            futureAt_[static_cast<size_t>(p.PositionNumber)].push_back(p.FutureRating);
        }
    }
    std::sort(current_.begin(), current_.end());
    for (auto* lists : {&currentAt_, &futureAt_})
        for (auto& list : *lists)
            std::sort(list.begin(), list.end());
}

int16_t TradeRater::Rating(int id) const {
    if (IsPickItem(id))
        return static_cast<int16_t>(pickValues_.at(static_cast<size_t>(id - kFirstPickItem)) + 1);
    const Player& p = league_.player(id);
    int r = p.FutureRating;
    const int a = CountAbove(current_, p.CurrentRating);
    if (a < 16) r += 20 - a;
    if (ValidPosition(p.PositionNumber)) {
        const size_t pos = static_cast<size_t>(p.PositionNumber);
        const int b = CountAbove(currentAt_[pos], p.CurrentRating);
        const int c = CountAbove(futureAt_[pos], p.FutureRating);
        if (b < 10) r += 10 - b;
        if (c < 10) r += 10 - c;
    }
    if (p.Age > 33) r = NearestInt(0.8 * r);
    return static_cast<int16_t>(r);
}

double TradeWeight(int rating) {
    struct Band {
        int top;
        double weight;
    };
    static constexpr Band bands[] = {{50, 0.025}, {55, 0.05},   {60, 0.106},  {65, 0.143},
                                     {70, 0.175}, {75, 0.2025}, {80, 0.2265}, {85, 0.2477}};
    for (const Band& band : bands)
        if (rating <= band.top) return band.weight;
    return 0.25;
}

double WeightedValue(int rating) {
    return rating * TradeWeight(rating);
}

double SalaryUnit(const SeasonState& state) {
    return state.SeasonDay >= 169 && state.SeasonDay <= 185 ? 700000.0 : 500000.0;
}

double ShrewdCurve(double quality) {
    const double x = std::max(0.0, (quality - 20) / 70);
    return 100 * x * x * x * x;
}

double ShrewdQuality(const Player& p) {
    return (p.CurrentRating + p.FutureRating) / 2.0;
}

bool AddsSalaryOverCap(const League& league, const TradeProposal& proposal, int team) {
    const int64_t before = Payroll(league.team(team));
    const int64_t after =
        before - SideSalary(league, proposal.SideOf(team)) + SideSalary(league, proposal.OtherSide(team));
    return after > league.state.SalaryCapDollars() && after > before;
}

double TradeBalance(const League& league, const TradeProposal& proposal, int judgingTeam) {
    const TradeSide& mine = proposal.SideOf(judgingTeam);
    const TradeSide& theirs = proposal.OtherSide(judgingTeam);
    std::vector<int> after;
    for (int id : RosterOf(league, judgingTeam))
        if (!Holds(mine, id)) after.push_back(id);
    for (const TradeItem& item : theirs.items)
        if (!IsPickItem(item.id)) after.push_back(item.id);

    const double unit = SalaryUnit(league.state);
    const bool shrewd = league.state.Trades == TradeJudgement::Shrewd;
    const auto worth = shrewd ? ShrewdWorth : Worth;
    double balance = 0;
    for (const TradeItem& item : theirs.items)
        balance += worth(league, item, after, unit);
    for (const TradeItem& item : mine.items)
        balance -= worth(league, item, after, unit);
    if (shrewd && AddsSalaryOverCap(league, proposal, judgingTeam)) balance -= kOverCapCost;
    const int shortBy = kActiveRoster - static_cast<int>(after.size());
    if (shortBy > 0) balance -= kShortRosterCost * shortBy;
    return balance;
}

int EvaluateTrade(const League& league, const TradeProposal& proposal, int judgingTeam) {
    return NearestInt(-TradeBalance(league, proposal, judgingTeam));
}

std::string TradeAnswer(int shortfall, const std::string& team) {
    if (shortfall <= 0) return "Would you like to proceed with the trade?";
    if (shortfall <= 2) return "The " + team + " will need a little bit more to complete this trade.";
    if (shortfall <= kMiddleShortfall)
        return "The " + team +
               " think your offer is good, but they need more from you to complete this trade.";
    if (shortfall <= 15)
        return "The " + team + " will need you to improve your offer to complete this trade.";
    return "The " + team + " will need you to improve your offer substantially to complete this trade.";
}

std::string VerdictText(const League& league, const TradeProposal& proposal, int judgingTeam) {
    const int shortfall = EvaluateTrade(league, proposal, judgingTeam);
    const std::string& team = league.team(judgingTeam).Name;
    if (shortfall > 0 && league.state.Trades == TradeJudgement::Shrewd &&
        AddsSalaryOverCap(league, proposal, judgingTeam))
        return "The " + team + " will not take on more salary over the salary cap.";
    return TradeAnswer(shortfall, team);
}

double RosterStrength(const League& league, int team) {
    std::vector<int> ratings;
    for (int id : RosterOf(league, team))
        ratings.push_back(league.player(id).CurrentRating);
    std::sort(ratings.begin(), ratings.end(), std::greater<>());
    if (ratings.size() > 8) ratings.resize(8);
    if (ratings.empty()) return 0;
    double sum = 0;
    for (int r : ratings)
        sum += r;
    return sum / static_cast<double>(ratings.size());
}

} // namespace hv
