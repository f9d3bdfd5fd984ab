#include "league/lineup_repair.h"

#include <algorithm>

#include "league/lineup.h"
#include "league/lineup_edit.h"
#include "league/ratings.h"
#include "league/team_control.h"
#include "league/transactions.h"

namespace hv {

namespace {

// The players who may take an open place, best first: the computer's own choices for it, then every other
// player fit to play by `score`.
template <class Score>
std::vector<int> Candidates(const League& league, int team, std::vector<int> preferred, Score score) {
    std::vector<int> others = AvailablePlayersOf(league, team);
    std::stable_sort(others.begin(), others.end(), [&](int a, int b) { return score(a) > score(b); });
    preferred.insert(preferred.end(), others.begin(), others.end());
    return preferred;
}

} // namespace

std::vector<std::string> FillLineupGaps(League& league, int team) {
    Team& t = league.team(team);
    // A place is open when nobody holds it or its player has left the team or is on injured reserve.
    auto open = [&](int id) { return id == 0 || TeamOfPlayer(league, id) != team || league.player(id).IR; };
    LineupChoice own = LineupOf(t);
    bool any = false;
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            if (open(own.Depth(pos, row))) own.Depth(pos, row) = 0, any = true;
    for (int16_t& key : own.keys)
        if (open(key)) key = 0, any = true;
    if (!any) return {};

    // What the computer would choose for the whole team; the user's own choices then come back.
    SetLineup(league, team);
    const LineupChoice computer = LineupOf(t);
    LineupChoice filled = own;
    std::vector<std::string> told;
    auto fits = [&](int id) { return id != 0 && !open(id) && league.player(id).TimeInjured < 1; };
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            if (filled.Depth(pos, row) != 0) continue;
            std::vector<int> preferred{computer.Depth(pos, row)};
            for (int r = 1; r <= 3; ++r)
                preferred.push_back(computer.Depth(pos, r));
            for (int id :
                 Candidates(league, team, preferred, [&](int id) { return FitAt(league.player(id), pos); })) {
                // Nobody twice in a position's column, nor twice among the starters; a backup below the open
                // place moves up, and his own place is filled in turn.
                int below = 0;
                bool taken = false;
                for (int r = 1; r <= 3; ++r) {
                    if (filled.Depth(pos, r) != id) continue;
                    if (r > row)
                        below = r;
                    else
                        taken = true;
                }
                for (int other = 1; other <= 5 && row == 1; ++other)
                    taken = taken || filled.Depth(other, 1) == id;
                if (!fits(id) || taken) continue;
                if (below != 0) filled.Depth(pos, below) = 0;
                filled.Depth(pos, row) = static_cast<int16_t>(id);
                told.push_back(DepthSlotName(pos, row) + " " + league.player(id).Name);
                break;
            }
        }
    for (size_t k = 0; k < filled.keys.size(); ++k) {
        if (filled.keys[k] != 0) continue;
        std::vector<int> preferred(computer.keys.begin(), computer.keys.end());
        for (int id :
             Candidates(league, team, preferred, [&](int id) { return KeyPlayerValue(league.player(id)); })) {
            if (!fits(id) || std::count(filled.keys.begin(), filled.keys.end(), id) > 0) continue;
            filled.keys[k] = static_cast<int16_t>(id);
            told.push_back("key player " + std::to_string(k + 1) + " " + league.player(id).Name);
            break;
        }
    }
    StoreLineup(t, filled);
    return told;
}

void RepairHumanLineup(League& league, int team, Host& host) {
    if (team < 1 || team > kLeagueTeams || !IsHuman(league.team(team))) return;
    const std::vector<std::string> filled = FillLineupGaps(league, team);
    const Team& t = league.team(team);
    std::string text;
    for (size_t i = 0; i < filled.size(); ++i)
        text += (i == 0 ? "" : ", ") + filled[i];
    if (!filled.empty())
        host.ShowMessage("The " + t.Name + " line-up had open places, which the computer filled: " + text +
                             ". Change them on the Team Roster screen if you like.",
                         "Line-up", MessageIcon::Information);
    if (!LineupSettingsValid(t))
        host.ShowMessage("The " + t.Name + " line-up still has open places: too few players are fit to play.",
                         "Line-up", MessageIcon::Warning);
}

} // namespace hv
