#include "team_choices.h"

#include "league/team_control.h"

namespace hv {

namespace {

std::vector<int> AllTeamSlots() {
    std::vector<int> teamSlots;
    for (int t = 1; t <= kLeagueTeams; ++t)
        teamSlots.push_back(t);
    return teamSlots;
}

} // namespace

QStringList TeamChoices(const League& league) {
    return TeamChoices(league, AllTeamSlots());
}

int DefaultTeamChoice(const League& league) {
    std::vector<int> human = HumanTeamSlots(league);
    return human.empty() ? 0 : human.front() - 1;
}

QStringList AllTeamChoices(const League& league) {
    return QStringList{QStringLiteral("All Teams")} + TeamChoices(league);
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
