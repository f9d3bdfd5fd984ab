#include "team_choices.h"

#include "league/team_control.h"

namespace hv {

QStringList AllTeamChoices(const League& league) {
    std::vector<int> teamSlots;
    for (int t = 1; t <= kLeagueTeams; ++t)
        teamSlots.push_back(t);
    return QStringList{QStringLiteral("All Teams")} + TeamChoices(league, teamSlots);
}

std::vector<int> HumanTeamSlots(const League& league) {
    std::vector<int> teamSlots;
    for (int t = 1; t <= kLeagueTeams; ++t)
        if (IsHuman(league.team(t))) teamSlots.push_back(t);
    return teamSlots;
}

QStringList TeamChoices(const League& league, const std::vector<int>& teamSlots) {
    QStringList names;
    for (int t : teamSlots)
        names << QString::fromStdString(league.team(t).City + " " + league.team(t).Name);
    return names;
}

} // namespace hv
