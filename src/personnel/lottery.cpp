#include "personnel/lottery.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "league/draft_picks.h"

namespace hv {

namespace {

// Upper ends of each seed's numbers (chances in 1000, added up).
constexpr std::array<int, kLotteryTeams> kSeedTop{250, 450, 607, 727, 816, 880, 924,
                                                  953, 971, 981, 989, 995, 1000};

// Unlike the standings' winning percentage, a team without games counts as 0.
double LotteryPercentage(const Team& t) {
    int games = t.Wins() + t.Losses();
    return games == 0 ? 0.0 : static_cast<double>(t.Wins()) / games;
}

// A draw that stops only on an unused seed; the limit is never reached in practice (each draw has at least
// an even chance), and the best remaining seed stands in if it were.
int DrawSeed(Random& rng, const std::array<bool, kLotteryTeams + 1>& won) {
    for (int attempt = 0; attempt < 100000; ++attempt) {
        int seed = LotterySeedOf(NearestInt(1000 * rng.Uniform() + 1));
        if (seed != 0 && !won[static_cast<size_t>(seed)]) return seed;
    }
    for (int seed = 1; seed <= kLotteryTeams; ++seed)
        if (!won[static_cast<size_t>(seed)]) return seed;
    return 1;
}

} // namespace

int LotterySeedOf(int n) {
    if (n < 1 || n > 1000) return 0;
    for (int seed = 1; seed <= kLotteryTeams; ++seed)
        if (n <= kSeedTop[static_cast<size_t>(seed - 1)]) return seed;
    return 0;
}

int LotteryChances(int seed) {
    if (seed < 1 || seed > kLotteryTeams) return 0;
    return kSeedTop[static_cast<size_t>(seed - 1)] -
           (seed == 1 ? 0 : kSeedTop[static_cast<size_t>(seed - 2)]);
}

std::array<int, kLeagueTeams> TeamsWorstFirst(League& league) {
    std::array<double, kLeagueTeams + 1> tieBreak{};
    for (int t = 1; t <= kLeagueTeams; ++t)
        tieBreak[static_cast<size_t>(t)] = league.rng.Uniform();
    std::array<int, kLeagueTeams> order;
    std::iota(order.begin(), order.end(), 1);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        double pa = LotteryPercentage(league.team(a)), pb = LotteryPercentage(league.team(b));
        if (pa != pb) return pa < pb;
        return tieBreak[static_cast<size_t>(a)] < tieBreak[static_cast<size_t>(b)];
    });
    return order;
}

bool RunDraftLottery(League& league, Host& host) {
    int year = NextDraftYear(league);
    int played = year - 1; // the season whose playoffs decide who is in the lottery
    for (int t = 1; t <= kLeagueTeams; ++t) {
        if (FindPick(league, t, year, 1) == 0) {
            host.ShowMessage("Fatal Draft Lottery Error: Pick not found", "Error", MessageIcon::Critical);
            return false;
        }
    }
    auto worstFirst = TeamsWorstFirst(league);

    std::vector<int> lottery, playoff;
    for (int t : worstFirst)
        (league.team(t).LastPlayoffYear == played ? playoff : lottery).push_back(t);
    // Sixteen teams reach the playoffs; a league whose playoff records say otherwise (none kept yet, or a
    // changed format) sends its 13 worst teams to the lottery.
    if (lottery.size() != static_cast<size_t>(kLotteryTeams)) {
        lottery.assign(worstFirst.begin(), worstFirst.begin() + kLotteryTeams);
        playoff.assign(worstFirst.begin() + kLotteryTeams, worstFirst.end());
    }

    std::array<bool, kLotteryTeams + 1> won{};
    std::array<int16_t, kLeagueTeams + 1> order{};
    int next = 1;
    for (int draw = 0; draw < kLotteryPicks; ++draw) {
        int seed = DrawSeed(league.rng, won);
        won[static_cast<size_t>(seed)] = true;
        order[static_cast<size_t>(next++)] = static_cast<int16_t>(lottery[static_cast<size_t>(seed - 1)]);
    }
    for (int seed = 1; seed <= kLotteryTeams; ++seed)
        if (!won[static_cast<size_t>(seed)])
            order[static_cast<size_t>(next++)] = static_cast<int16_t>(lottery[static_cast<size_t>(seed - 1)]);
    for (int t : playoff)
        order[static_cast<size_t>(next++)] = static_cast<int16_t>(t);

    league.tables.lotteryOrder = order;
    for (int place = 1; place <= kLeagueTeams; ++place)
        league.team(worstFirst[static_cast<size_t>(place - 1)]).DraftRank = place;
    return true;
}

} // namespace hv
