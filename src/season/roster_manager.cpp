#include "season/roster_manager.h"

#include <algorithm>
#include <array>
#include <vector>

#include "league/lineup.h"
#include "league/ratings.h"
#include "league/transactions.h"
#include "personnel/draft_class.h"

namespace hv {

namespace {

constexpr int kIRSlots = 3;        // the most injured players the manager puts on injured reserve
constexpr int kStashUntilOnIR = 2; // healthy spares are stashed until this many are on injured reserve
constexpr int kPlayoffReturns = 3;

// The free agent for whom `score` is highest, the lowest ID winning ties; 0 when `keep` holds for none.
template <class Keep, class Score> int BestFreeAgent(const League& league, Keep keep, Score score) {
    int best = 0;
    for (int id : league.PlayersWithTeam(kFreeAgent)) {
        const Player& p = league.player(id);
        if (!keep(p)) continue;
        if (best == 0 || score(p) > score(league.player(best))) best = id;
    }
    return best;
}

// The lowest-rated active player (not on injured reserve) still on the team: the last of the healthy list,
// else the last of the injured list.
int LowestRatedActive(const League& league, const std::vector<int>& healthy, const std::vector<int>& injured,
                      const std::string& team) {
    for (const auto* list : {&healthy, &injured})
        for (auto it = list->rbegin(); it != list->rend(); ++it) {
            const Player& p = league.player(*it);
            if (p.Team == team && !p.IR) return *it;
        }
    return 0;
}

// The player on injured reserve with the fewest injury days, the first in roster order winning ties.
int SoonestBack(const League& league, int team) {
    int best = 0;
    for (int id : RosterOf(league, team)) {
        const Player& p = league.player(id);
        if (p.IR && (best == 0 || p.TimeInjured < league.player(best).TimeInjured)) best = id;
    }
    return best;
}

// The free agent to sign for the team's first need: the best of the needed position, else the one who fits
// it best, else whoever the pool top-up brings.
int FreeAgentForNeed(League& league, int position) {
    int id = position != 0 ? BestFreeAgentAt(league, position) : 0;
    if (id == 0) id = BestFittingFreeAgent(league, position);
    // An empty pool gets a generated free agent, so a computer team is never left short.
    if (id == 0) id = GenerateFreeAgent(league, position);
    return id;
}

// Brings the team up to kActiveRoster active players by activating or signing; false when it cannot.
bool FillActiveList(League& league, int team) {
    Team& t = league.team(team);
    // Each pass adds one active player, so kActiveRoster passes always suffice.
    for (int pass = 0; pass < kActiveRoster && t.ActivePlayers < kActiveRoster; ++pass) {
        if (t.NumPlayers >= kMaxRoster) {
            int back = SoonestBack(league, team);
            if (back == 0 || !ActivatePlayer(league, back)) return false;
            continue;
        }
        int id = FreeAgentForNeed(league, FirstNeededPosition(t));
        if (id == 0 || !SignPlayer(league, id, t.Name)) return false;
    }
    return t.ActivePlayers == kActiveRoster;
}

} // namespace

int BestFreeAgentAt(const League& league, int position) {
    return BestFreeAgent(
        league, [&](const Player& p) { return p.PositionNumber == position; },
        [](const Player& p) { return p.CurrentRating; });
}

int BestFittingFreeAgent(const League& league, int position) {
    return BestFreeAgent(
        league, [](const Player&) { return true; },
        [&](const Player& p) {
            return position >= 1 && position <= 5 ? FitAt(p, position) : p.CurrentRating;
        });
}

int FirstNeededPosition(const Team& team) {
    const int16_t active[5] = {team.Cs, team.PFs, team.SFs, team.SGs, team.PGs};
    for (int least : {2, 3})
        for (int pos = 1; pos <= 5; ++pos)
            if (active[pos - 1] < least) return pos;
    return 0;
}

bool ManageRoster(League& league, int team) {
    Team& t = league.team(team);
    std::vector<int> injured, healthy;
    for (int id : RosterOf(league, team))
        (league.player(id).TimeInjured > 0 ? injured : healthy).push_back(id);
    std::stable_sort(injured.begin(), injured.end(), [&](int a, int b) {
        return league.player(a).TimeInjured > league.player(b).TimeInjured;
    });
    std::stable_sort(healthy.begin(), healthy.end(), [&](int a, int b) {
        return league.player(a).CurrentRating > league.player(b).CurrentRating;
    });

    for (size_t i = 0; i < healthy.size() && i < static_cast<size_t>(kActiveRoster); ++i)
        ActivatePlayer(league, healthy[i]);
    for (size_t i = 0; i < injured.size() && i < static_cast<size_t>(kIRSlots); ++i)
        PlaceOnIR(league, injured[i]);
    // Healthy spares beyond the twelve best go to injured reserve until two are there.
    if (healthy.size() > static_cast<size_t>(kActiveRoster) && injured.size() < kStashUntilOnIR) {
        size_t onIR = injured.size();
        for (size_t i = kActiveRoster; i < healthy.size() && onIR < kStashUntilOnIR; ++i, ++onIR)
            if (!league.player(healthy[i]).IR) StashOnIR(league, healthy[i]);
    }

    bool filled = true;
    if (t.ActivePlayers >= kActiveRoster) {
        // Bounded by the roster: every cut removes an active player.
        while (t.ActivePlayers > kActiveRoster) {
            int worst = LowestRatedActive(league, healthy, injured, t.Name);
            if (worst == 0 || !CutPlayer(league, worst)) break;
        }
        filled = t.ActivePlayers == kActiveRoster;
    } else {
        filled = FillActiveList(league, team);
    }
    SetLineup(league, team);
    return filled;
}

void SignBetterFreeAgents(League& league) {
    // The best free agent of each position; only a signing (and the roster repair after it) changes the pool,
    // so they are found again only after one.
    std::array<int, 6> bestAt{};
    bool found = false;
    for (int team = 1; team <= kLeagueTeams; ++team) {
        Team& t = league.team(team);
        if (IsHuman(t)) continue;
        for (int pos = 1; pos <= 5; ++pos) {
            if (!found) {
                for (int at = 1; at <= 5; ++at)
                    bestAt[static_cast<size_t>(at)] = BestFreeAgentAt(league, at);
                found = true;
            }
            int id = bestAt[static_cast<size_t>(pos)];
            if (id == 0 || t.NumPlayers >= kMaxRoster) continue;
            int starter = t.Depth(pos, 1);
            int starterRating = starter != 0 ? league.player(starter).CurrentRating : 0;
            if (league.player(id).CurrentRating <= starterRating) continue;
            if (SignPlayer(league, id, t.Name)) {
                ManageRoster(league, team);
                found = false;
            }
        }
    }
}

void PreparePlayoffRosters(League& league) {
    for (int team = 1; team <= kLeagueTeams; ++team) {
        if (IsHuman(league.team(team))) continue;
        std::vector<int> returning;
        for (int id : RosterOf(league, team)) {
            const Player& p = league.player(id);
            if (p.IR && p.TimeInjured < 20 && p.CurrentRating > 55) returning.push_back(id);
        }
        std::stable_sort(returning.begin(), returning.end(), [&](int a, int b) {
            return league.player(a).CurrentRating > league.player(b).CurrentRating;
        });
        if (returning.size() > static_cast<size_t>(kPlayoffReturns)) returning.resize(kPlayoffReturns);

        std::vector<int16_t> daysLeft;
        for (int id : returning) {
            ActivatePlayer(league, id);
            daysLeft.push_back(league.player(id).TimeInjured);
            league.player(id).TimeInjured = 0;
        }
        ManageRoster(league, team);
        for (size_t i = 0; i < returning.size(); ++i)
            league.player(returning[i]).TimeInjured = daysLeft[i];
        SetLineup(league, team);
    }
}

bool CampCuts(League& league) {
    bool all = true;
    for (int team = 1; team <= kLeagueTeams; ++team)
        if (!IsHuman(league.team(team)) && !ManageRoster(league, team)) all = false;
    return all;
}

std::vector<std::string> CampCutLines(const League& league) {
    std::vector<std::string> lines;
    for (int team = 1; team <= kLeagueTeams; ++team) {
        const Team& t = league.team(team);
        if (IsHuman(t)) continue;
        std::string cuts;
        for (const Transaction& tr : league.tables.transactions)
            if (tr.Team == t.Name && tr.Season == league.state.Season &&
                tr.SeasonDay == league.state.SeasonDay && tr.Action.rfind("Cut ", 0) == 0)
                cuts += (cuts.empty() ? "" : ", ") + tr.Action.substr(4);
        if (!cuts.empty()) lines.push_back(t.Name + " cut " + cuts + ".");
    }
    return lines;
}

} // namespace hv
