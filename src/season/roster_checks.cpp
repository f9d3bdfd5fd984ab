#include "season/roster_checks.h"

#include "league/lineup.h"
#include "league/transactions.h"
#include "season/roster_manager.h"

namespace hv {

namespace {

constexpr const char* kRosterError = "Roster Error";

bool Refuse(League& league, int team, const std::string& problem, Host& host) {
    host.ShowMessage(league.team(team).Name + problem, kRosterError, MessageIcon::Warning);
    host.RequestStop();
    return false;
}

// A failed check: a human team is told; a computer team is repaired, and only a repair that runs out of
// free agents fails.
bool Failed(League& league, int team, const std::string& problem, Host& host) {
    if (IsHuman(league.team(team))) return Refuse(league, team, problem, host);
    if (ManageRoster(league, team)) return true;
    return Refuse(league, team, " cannot be brought to 12 active players: no free agent is left to sign.",
                  host);
}

} // namespace

int DressablePlayers(const League& league, int team) {
    return static_cast<int>(AvailablePlayersOf(league, team).size());
}

bool CheckRosterSize(League& league, int team, Host& host) {
    const int active = league.team(team).ActivePlayers;
    if (active == kActiveRoster) return true;
    return Failed(league, team,
                  active > kActiveRoster ? " have too many players." : " don't have enough players.", host);
}

bool CheckDressable(League& league, int team, Host& host) {
    if (DressablePlayers(league, team) >= kLeastDressable) return true;
    return Failed(league, team, " must have atleast 8 players available to dress for the game.", host);
}

bool CheckLineupSettings(League& league, int team, Host& host) {
    if (LineupSettingsValid(league.team(team))) return true;
    return Failed(league, team, " roster settings invalid, please fix before simming.", host);
}

bool CheckEveryTeam(League& league, Host& host) {
    bool all = true;
    for (int team = 1; team <= kLeagueTeams; ++team) {
        if (!CheckLineupSettings(league, team, host)) all = false;
        if (!CheckRosterSize(league, team, host)) all = false;
    }
    return all;
}

} // namespace hv
