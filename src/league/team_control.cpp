#include "league/team_control.h"

namespace hv {

bool IsHuman(const Team& team) {
    return team.Owner == "Human";
}

void SetHuman(Team& team, bool human) {
    team.Owner = human ? "Human" : "Computer";
}

void SetEveryOwner(League& league, bool human) {
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        SetHuman(league.team(slot), human);
}

void SetEveryPlayByPlay(League& league, bool on) {
    for (int slot = 1; slot <= kLeagueTeams; ++slot)
        league.team(slot).pbp = on;
}

} // namespace hv
