#include "team_choices.h"

namespace hv {

QStringList TeamChoices(const League& league) {
    QStringList teams;
    for (int t = 1; t <= kLeagueTeams; ++t)
        teams << QString::fromStdString(league.team(t).City + " " + league.team(t).Name);
    return teams;
}

int DefaultTeamChoice(const League& league) {
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (league.team(t).Owner == "Human") return t - 1;
    return 0;
}

} // namespace hv
