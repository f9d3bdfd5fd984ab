#include "personnel/pick_values.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "league/draft_picks.h"
#include "personnel/trade_value.h"

namespace hv {

namespace {

constexpr int kGamesForStandings = 10; // before this many games the roster tells more than the record
constexpr int kUnknownProspect = 40;   // a pick's value when there is no class to read it from
constexpr int kYearlyDiscount = 2;     // a later draft's pick is worth this much less a year

// Each team's place 1 to 29, the weakest first: by winning percentage once every team has played enough
// games, else by roster strength; equals keep team order.
std::vector<int> PlacesWorstFirst(const League& league) {
    bool played = true;
    for (int t = 1; t <= kLeagueTeams; ++t)
        played = played && league.team(t).Wins() + league.team(t).Losses() >= kGamesForStandings;
    std::vector<double> key(kLeagueTeams + 1);
    for (int t = 1; t <= kLeagueTeams; ++t) {
        const Team& team = league.team(t);
        key[static_cast<size_t>(t)] = played
                                          ? static_cast<double>(team.Wins()) / (team.Wins() + team.Losses())
                                          : RosterStrength(league, t);
    }
    std::vector<int> order(kLeagueTeams);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return key[static_cast<size_t>(a)] < key[static_cast<size_t>(b)]; });
    std::vector<int> place(kLeagueTeams + 1);
    for (size_t i = 0; i < order.size(); ++i)
        place[static_cast<size_t>(order[i])] = static_cast<int>(i) + 1;
    return place;
}

// FutureRatings of the players whose Team is `pool`, best first.
std::vector<int16_t> ClassRatings(const League& league, const char* pool) {
    std::vector<int16_t> ratings;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == pool) ratings.push_back(p.FutureRating);
    }
    std::sort(ratings.begin(), ratings.end(), std::greater<>());
    return ratings;
}

} // namespace

PickValueTable PickValues(const League& league) {
    PickValueTable values{};
    const std::vector<int> place = PlacesWorstFirst(league);
    const std::vector<int16_t> coming = ClassRatings(league, kDraft);
    const std::vector<int16_t> after = ClassRatings(league, kNextDraft);
    const int first = NextDraftYear(league);
    for (int i = 1; i <= kDraftPickCount; ++i) {
        const DraftPick& d = league.tables.draftPicks[static_cast<size_t>(i)];
        if (d.Team < 1 || d.Team > kLeagueTeams || d.Round < 1 || d.Round > 2) continue;
        const int yearsOut = std::max(0, d.year - first);
        int slot = place[static_cast<size_t>(d.Team)];
        if (yearsOut > 0) slot = (slot + (kLeagueTeams + 1) / 2) / 2; // later standings are anyone's guess
        const std::vector<int16_t>& pool = yearsOut == 1 && !after.empty() ? after : coming;
        const size_t index = static_cast<size_t>((d.Round - 1) * kLeagueTeams + slot - 1);
        const int expected = pool.empty()          ? kUnknownProspect
                             : index < pool.size() ? pool[index]
                                                   : pool.back();
        values[static_cast<size_t>(i)] =
            static_cast<int16_t>(std::max(0, expected - kYearlyDiscount * yearsOut));
    }
    return values;
}

void UpdatePickValues(League& league) {
    const PickValueTable values = PickValues(league);
    for (int i = 1; i <= kDraftPickCount; ++i)
        league.tables.draftPicks[static_cast<size_t>(i)].value = values[static_cast<size_t>(i)];
}

} // namespace hv
