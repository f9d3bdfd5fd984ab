#include "season/roster_checks.h"

#include <algorithm>

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

// A failed check: a human team is told what is wrong and how to put it right; a computer team is repaired,
// and only a repair that runs out of free agents fails.
bool Failed(League& league, int team, const std::string& problem, const std::string& fix, Host& host) {
    if (IsHuman(league.team(team))) return Refuse(league, team, problem + fix, host);
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
    const std::string counts = " They have " + std::to_string(active) +
                               " active players; a team dresses exactly " + std::to_string(kActiveRoster) +
                               ".";
    if (active > kActiveRoster)
        return Failed(league, team, " have too many players.",
                      counts + " Place players on injured reserve or release them on Team Roster.", host);
    return Failed(league, team, " don't have enough players.",
                  counts + " Activate players from injured reserve or sign free agents on Team Roster.",
                  host);
}

bool CheckDressable(League& league, int team, Host& host) {
    const int dressable = DressablePlayers(league, team);
    if (dressable >= kLeastDressable) return true;
    return Failed(league, team, " must have atleast 8 players available to dress for the game.",
                  " They have " + std::to_string(dressable) +
                      " healthy active players. Sign free agents on Team Roster and place the injured on "
                      "injured reserve.",
                  host);
}

bool CheckLineupSettings(League& league, int team, Host& host) {
    if (LineupSettingsValid(league.team(team))) return true;
    return Failed(league, team, " roster settings invalid, please fix before simming.",
                  " Fill every depth-chart and key-player slot on Team Roster, or press Auto Line-up there.",
                  host);
}

bool CheckHumanTeamsOfDay(League& league, Host& host, int day) {
    if (day < 1 || day >= static_cast<int>(league.schedule.size())) return true;
    const ScheduleDay& today = league.schedule[static_cast<size_t>(day)];
    std::vector<int> teams;
    for (int g = 1; g <= std::min<int>(today.NumGames, kGamesPerDay); ++g) {
        const ScheduledGame& game = today.Games[static_cast<size_t>(g)];
        if (game.Played) continue;
        for (const std::string& name : {game.HomeTeam, game.AwayTeam})
            if (const int team = league.FindTeam(name); team != 0 && IsHuman(league.team(team)))
                teams.push_back(team);
    }
    std::sort(teams.begin(), teams.end());
    teams.erase(std::unique(teams.begin(), teams.end()), teams.end());
    for (int team : teams)
        if (!CheckRosterSize(league, team, host) || !CheckDressable(league, team, host) ||
            !CheckLineupSettings(league, team, host))
            return false;
    return true;
}

std::string RosterCounts(const League& league, int team) {
    const Team& t = league.team(team);
    return std::to_string(t.ActivePlayers) + " of exactly " + std::to_string(kActiveRoster) + " active / " +
           std::to_string(t.NumPlayers) + " of at most " + std::to_string(kMaxRoster) + " on the roster";
}

bool RosterCountsLegal(const League& league, int team) {
    const Team& t = league.team(team);
    return t.ActivePlayers == kActiveRoster && t.NumPlayers <= kMaxRoster;
}

std::string IllegalHumanRosters(const League& league) {
    std::string text;
    for (int team = 1; team <= kLeagueTeams; ++team) {
        const Team& t = league.team(team);
        if (!IsHuman(t)) continue;
        if (!RosterCountsLegal(league, team))
            text += "The " + t.Name + " have " + RosterCounts(league, team) + ".\n";
        else if (DressablePlayers(league, team) < kLeastDressable)
            text += "The " + t.Name + " have fewer than " + std::to_string(kLeastDressable) +
                    " healthy active players.\n";
        else if (!LineupSettingsValid(t))
            text += "The " + t.Name + " have empty depth-chart or key-player slots.\n";
    }
    return text;
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
