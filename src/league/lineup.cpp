#include "league/lineup.h"

#include <algorithm>
#include <array>

#include "league/ratings.h"

namespace hv {

namespace {

constexpr int kExhibitionFirstPlayer = kLastLeaguePlayer + 1;

// Pace and Offense by the positions of key players 1, 2 and 3.
constexpr PaceOffense kPaceOffense[5][5][5] = {
    {// key player 1: C
     {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 50}},
     {{0, 0}, {0, 0}, {0, 0}, {0, 50}, {0, 50}},
     {{25, 0}, {25, 0}, {25, 50}, {25, 50}, {25, 50}},
     {{25, 0}, {25, 50}, {25, 50}, {25, 50}, {25, 50}},
     {{50, 50}, {50, 50}, {50, 50}, {50, 50}, {50, 100}}},
    {// PF
     {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}},
     {{25, 0}, {25, 0}, {25, 0}, {25, 0}, {25, 50}},
     {{25, 0}, {25, 0}, {25, 0}, {50, 50}, {50, 50}},
     {{50, 0}, {50, 0}, {50, 50}, {50, 50}, {75, 100}},
     {{50, 0}, {75, 50}, {75, 50}, {75, 100}, {75, 100}}},
    {// SF
     {{25, 0}, {25, 0}, {25, 0}, {25, 50}, {25, 50}},
     {{50, 0}, {50, 0}, {50, 50}, {50, 50}, {50, 50}},
     {{50, 0}, {50, 50}, {50, 50}, {50, 50}, {50, 100}},
     {{50, 50}, {50, 50}, {50, 50}, {75, 100}, {75, 100}},
     {{75, 50}, {75, 50}, {75, 100}, {75, 100}, {75, 100}}},
    {// SG
     {{25, 0}, {25, 0}, {50, 50}, {50, 50}, {50, 50}},
     {{50, 0}, {50, 50}, {50, 50}, {50, 50}, {75, 100}},
     {{75, 50}, {75, 50}, {75, 50}, {75, 100}, {75, 100}},
     {{75, 50}, {75, 50}, {75, 100}, {75, 100}, {75, 100}},
     {{75, 50}, {100, 100}, {100, 100}, {100, 100}, {100, 100}}},
    {// PG
     {{50, 0}, {50, 0}, {50, 50}, {50, 50}, {50, 100}},
     {{50, 0}, {50, 50}, {50, 50}, {75, 100}, {75, 100}},
     {{50, 50}, {50, 50}, {75, 100}, {75, 100}, {75, 100}},
     {{75, 50}, {100, 100}, {100, 100}, {100, 100}, {100, 100}},
     {{100, 100}, {100, 100}, {100, 100}, {100, 100}, {100, 100}}},
};

bool ValidPosition(int position) {
    return position >= 1 && position <= 5;
}

// The player of `candidates` with the highest score; the first one wins ties (roster order).
template <typename Score> int BestOf(const std::vector<int>& candidates, Score score) {
    int best = 0;
    double bestScore = 0;
    for (int id : candidates) {
        double s = score(id);
        if (best == 0 || s > bestScore) {
            best = id;
            bestScore = s;
        }
    }
    return best;
}

void ChooseKeyPlayers(League& league, Team& t, const std::vector<int>& available) {
    std::vector<int> order = available;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return KeyPlayerValue(league.player(a)) > KeyPlayerValue(league.player(b));
    });
    int16_t* keys[3] = {&t.keyplayer1, &t.keyplayer2, &t.keyplayer3};
    for (size_t k = 0; k < 3; ++k)
        *keys[k] = k < order.size() ? static_cast<int16_t>(order[k]) : 0;

    if (order.size() < 3) return;
    int p1 = league.player(order[0]).PositionNumber, p2 = league.player(order[1]).PositionNumber,
        p3 = league.player(order[2]).PositionNumber;
    if (!ValidPosition(p1) || !ValidPosition(p2) || !ValidPosition(p3)) return;
    PaceOffense settings = PaceOffenseFor(p1, p2, p3);
    t.Pace = settings.Pace;
    t.Offense = settings.Offense;
}

// Fills depth row `row` (1 starters, 2, 3) of every position. Players of the position come first, best
// CurrentRating first. Positions left open then take the players not yet in the chart, the best fit of any
// open position and unused player first, so that every available player dresses. Once everyone has a
// place, an open position takes the best fit not yet in its column (a player may then back up two
// positions, but never twice in one column or twice among the starters).
void FillDepthRow(League& league, Team& t, int row, const std::vector<int>& available,
                  std::vector<bool>& inChart) {
    auto unused = [&](int id) { return !inChart[static_cast<size_t>(id)]; };
    auto place = [&](int pos, int id) {
        t.Depth(pos, row) = static_cast<int16_t>(id);
        inChart[static_cast<size_t>(id)] = true;
    };
    for (int pos = 1; pos <= 5; ++pos) {
        std::vector<int> natural;
        for (int id : available)
            if (unused(id) && league.player(id).PositionNumber == pos) natural.push_back(id);
        int best = BestOf(natural, [&](int id) { return league.player(id).CurrentRating; });
        if (best != 0) place(pos, best);
    }
    for (;;) {
        int bestPos = 0, bestId = 0, bestFit = 0;
        for (int pos = 1; pos <= 5; ++pos) {
            if (t.Depth(pos, row) != 0) continue;
            for (int id : available) {
                int fit = FitAt(league.player(id), pos);
                if (unused(id) && (bestId == 0 || fit > bestFit)) {
                    bestPos = pos;
                    bestId = id;
                    bestFit = fit;
                }
            }
        }
        if (bestId == 0) break;
        place(bestPos, bestId);
    }
    for (int pos = 1; pos <= 5; ++pos) {
        if (t.Depth(pos, row) != 0) continue;
        std::vector<int> reusable;
        for (int id : available) {
            bool inColumn = false;
            for (int r = 1; r < row; ++r)
                inColumn = inColumn || t.Depth(pos, r) == id;
            bool inRow = false;
            for (int other = 1; other <= 5; ++other)
                inRow = inRow || t.Depth(other, row) == id;
            if (!inColumn && !(row == 1 && inRow)) reusable.push_back(id);
        }
        int best = BestOf(reusable, [&](int id) { return FitAt(league.player(id), pos); });
        if (best != 0) place(pos, best);
    }
}

} // namespace

double KeyPlayerValue(const Player& p) {
    switch (p.PositionNumber) {
    case 1:
        return 0.75 * p.RatingInsideScoring;
    case 2:
        return 0.17 * p.RatingOutsideScoring + 0.61 * p.RatingInsideScoring;
    case 3:
        return 0.4 * p.RatingOutsideScoring + 0.4 * p.RatingInsideScoring;
    case 4:
        return 0.36 * p.RatingOutsideScoring + 0.42 * p.RatingInsideScoring;
    case 5:
        return 0.2 * p.RatingOutsideScoring + 0.4 * p.RatingInsideScoring + 0.2 * p.Handling;
    }
    return 0;
}

PaceOffense PaceOffenseFor(int key1, int key2, int key3) {
    if (!ValidPosition(key1) || !ValidPosition(key2) || !ValidPosition(key3)) return {};
    return kPaceOffense[key1 - 1][key2 - 1][key3 - 1];
}

int16_t PressFor(int guardsStealing) {
    if (guardsStealing <= 80) return 0;
    if (guardsStealing <= 105) return 25;
    if (guardsStealing <= 130) return 50;
    if (guardsStealing <= 150) return 75;
    return 100;
}

int16_t TrapFor(int forwardsStealing) {
    if (forwardsStealing <= 65) return 0;
    if (forwardsStealing <= 95) return 25;
    if (forwardsStealing <= 115) return 50;
    if (forwardsStealing <= 130) return 75;
    return 100;
}

std::vector<int> RosterOf(const League& league, int team) {
    // An All-Star weekend squad lists its players, who stay on their own teams meanwhile.
    const std::vector<int16_t>& squad = league.team(team).SquadPlayers;
    if (team > kLeagueTeams && !squad.empty()) return std::vector<int>(squad.begin(), squad.end());
    const std::string& name = league.team(team).Name;
    std::vector<int> roster;
    if (name.empty()) return roster;
    // League teams draw on the league's players, found by their team; the exhibition squads on their own
    // slots.
    if (team <= kLeagueTeams) return league.PlayersWithTeam(name);
    for (int id = kExhibitionFirstPlayer; id <= kPlayerSlots - 1; ++id) {
        const Player& p = league.player(id);
        if (!p.IsEmpty() && p.Team == name) roster.push_back(id);
    }
    return roster;
}

std::vector<int> AvailablePlayersOf(const League& league, int team) {
    if (team > kLeagueTeams && !league.team(team).SquadPlayers.empty()) return RosterOf(league, team);
    std::vector<int> available;
    for (int id : RosterOf(league, team)) {
        const Player& p = league.player(id);
        if (p.TimeInjured < 1 && !p.IR) available.push_back(id);
    }
    return available;
}

void SetLineup(League& league, int team) {
    Team& t = league.team(team);
    if (t.ActivePlayers < 7) return;
    std::vector<int> available = AvailablePlayersOf(league, team);

    ChooseKeyPlayers(league, t, available);

    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            t.Depth(pos, row) = 0;
    std::vector<bool> inChart(league.players.size(), false);
    for (int row = 1; row <= 3; ++row)
        FillDepthRow(league, t, row, available, inChart);

    if (t.SG1 != 0 && t.PG1 != 0)
        t.Press = PressFor(league.player(t.SG1).Stealing + league.player(t.PG1).Stealing);
    if (t.PF1 != 0 && t.SF1 != 0)
        t.Trap = TrapFor(league.player(t.PF1).Stealing + league.player(t.SF1).Stealing);
}

bool LineupSettingsValid(const Team& team) {
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            if (team.Depth(pos, row) == 0) return false;
    return team.keyplayer1 != 0 && team.keyplayer2 != 0 && team.keyplayer3 != 0;
}

} // namespace hv
