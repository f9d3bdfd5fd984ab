#include "personnel/draft_roster.h"

#include "league/transactions.h"

namespace hv {

void JoinTeam(League& league, int id, int team, const std::string& action) {
    Player& p = league.player(id);
    Team& t = league.team(team);
    p.Team = t.Name;
    league.AddToRoster(id);
    t.TotalSalary += p.contract1;
    LogTransaction(league, t.Name, action);
}

} // namespace hv
