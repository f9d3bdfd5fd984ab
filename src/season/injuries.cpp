#include "season/injuries.h"

#include <vector>

#include "league/transactions.h"
#include "season/roster_manager.h"

namespace hv {

namespace {

constexpr const char* kInjuryTitle = "Injury";
constexpr int kComputerIRDays = 3;  // a computer team puts longer injuries on injured reserve
constexpr int kHumanNoticeDays = 1; // a human team hears of longer injuries

// A notice for a human team: a question whether to go on until the user has said No (or the simulation was
// stopped otherwise), then the plain notice.
void Notify(const std::string& notice, Host& host) {
    if (host.StopRequested()) {
        host.ShowMessage(notice, kInjuryTitle, MessageIcon::Information);
        return;
    }
    if (!host.AskYesNo(notice + " Would you like to continue?", kInjuryTitle)) host.RequestStop();
}

} // namespace

void ReportInjuries(League& league, Host& host) {
    // Taken first, so that nothing the reports set off can add to the list being worked off.
    std::vector<DayInjury> injuries;
    injuries.swap(league.dayInjuries);
    for (const DayInjury& hurt : injuries) {
        if (hurt.Team < 1 || hurt.Team > kLeagueTeams || hurt.PlayerID < 1 ||
            hurt.PlayerID > kLastLeaguePlayer)
            continue;
        const Player& p = league.player(hurt.PlayerID);
        if (p.IsEmpty() || p.Team != league.team(hurt.Team).Name) continue; // team no longer known
        if (!IsHuman(league.team(hurt.Team))) {
            if (p.TimeInjured > kComputerIRDays) {
                PlaceOnIR(league, hurt.PlayerID);
                ManageRoster(league, hurt.Team);
            }
        } else if (league.state.ScreenInjuries && p.TimeInjured > kHumanNoticeDays) {
            Notify(p.Name + " of the " + league.team(hurt.Team).Name + " is injured for " +
                       std::to_string(p.TimeInjured) + " days due to a " + p.Injury + ".",
                   host);
        }
    }
}

void HealOneDay(League& league, Host& host) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty() || p.TimeInjured <= 0) continue;
        --p.TimeInjured;
        const int team = TeamOfPlayer(league, id);
        if (p.TimeInjured > 0 || !p.IR || team == 0) continue;
        if (!IsHuman(league.team(team))) {
            ActivatePlayer(league, id);
            if (league.team(team).ActivePlayers > kActiveRoster) ManageRoster(league, team);
        } else if (league.state.ScreenInjuries) {
            Notify(p.Name + " has recovered from his injury.", host);
        }
    }
}

void HealOneDayPlayoffs(League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (!p.IsEmpty() && p.TimeInjured > 0) --p.TimeInjured;
    }
}

void ClearInjuredReserve(League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        if (p.IsEmpty() || !p.IR) continue;
        p.IR = false;
        const int team = TeamOfPlayer(league, id);
        if (team == 0) continue;
        // Back on the active list: counted among the active players as well as at his position.
        Team& t = league.team(team);
        ++t.ActivePlayers;
        if (p.PositionNumber >= 1 && p.PositionNumber <= 5) ++t.PositionCount(p.PositionNumber);
    }
}

} // namespace hv
