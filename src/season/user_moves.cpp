#include "season/user_moves.h"

#include "league/hub_commands.h"
#include "league/lineup_repair.h"
#include "league/ratings.h"
#include "league/transactions.h"

namespace hv {

namespace {

constexpr const char* kErrorTitle = "Error";

bool Refuse(const std::string& text, Host& host) {
    host.ShowMessage(text, kErrorTitle, MessageIcon::Warning);
    return false;
}

// True when the hub offers `command` in the league's phase.
bool PhaseAllows(const League& league, const char* command) {
    return CommandAvailability(league.state, true).at(command);
}

// The refusal for a team the user does not run, if any.
bool ComputerTeamRefused(const Team& t, Host& host) {
    if (IsHuman(t)) return false;
    Refuse("The " + t.Name +
               " are run by the computer; make them a human team on the Team Control screen to "
               "change their roster.",
           host);
    return true;
}

// The refusal for a player who is not on the team, if any.
bool NotOnTeamRefused(const League& league, int team, int id, Host& host) {
    if (TeamOfPlayer(league, id) == team) return false;
    Refuse(league.player(id).Name + " is not on the " + league.team(team).Name + " roster.", host);
    return true;
}

// A move made leaves no open place in the team's line-up: the computer fills what the move opened.
bool Moved(League& league, int team, bool made, Host& host) {
    if (made) RepairHumanLineup(league, team, host);
    return made;
}

} // namespace

bool UserSign(League& league, int team, int id, Host& host) {
    const Team& t = league.team(team);
    if (ComputerTeamRefused(t, host)) return false;
    const Player& p = league.player(id);
    if (!PhaseAllows(league, "mnuFA"))
        return Refuse("Free agents can only be signed during the regular season and the playoffs.", host);
    if (p.IsEmpty() || p.Team != kFreeAgent) return Refuse(p.Name + " is not a free agent.", host);
    if (t.NumPlayers >= kMaxRoster)
        return Refuse("The " + t.Name + " already have " + std::to_string(kMaxRoster) +
                          " players; cut a player before signing another.",
                      host);
    return Moved(league, team, SignPlayer(league, id, t.Name), host);
}

bool UserCut(League& league, int team, int id, Host& host) {
    const Team& t = league.team(team);
    if (ComputerTeamRefused(t, host) || NotOnTeamRefused(league, team, id, host)) return false;
    if (!PhaseAllows(league, "mnuCut"))
        return Refuse("Players cannot be cut at this point of the season.", host);
    if (!host.AskYesNo("Are you sure you want to release " + league.player(id).Name + "?", "Cut Players"))
        return false;
    return Moved(league, team, CutPlayer(league, id), host);
}

bool UserActivate(League& league, int team, int id, Host& host) {
    if (ComputerTeamRefused(league.team(team), host) || NotOnTeamRefused(league, team, id, host))
        return false;
    if (!league.player(id).IR) return Refuse(league.player(id).Name + " is not on injured reserve.", host);
    return Moved(league, team, ActivatePlayer(league, id), host);
}

bool UserPlaceOnIR(League& league, int team, int id, Host& host) {
    if (ComputerTeamRefused(league.team(team), host) || NotOnTeamRefused(league, team, id, host))
        return false;
    if (league.player(id).IR) return Refuse(league.player(id).Name + " is already on injured reserve.", host);
    return Moved(league, team, PlaceOnIR(league, id), host);
}

bool UserChangePosition(League& league, int id, int position, Host& host) {
    if (position < 1 || position > 5) return Refuse("The position must be C, PF, SF, SG or PG.", host);
    if (!PhaseAllows(league, "mnuChangePosition"))
        return Refuse("Positions cannot be changed at this point of the season.", host);
    const int team = TeamOfPlayer(league, id);
    if (team == 0 || !IsHuman(league.team(team)))
        return Refuse("Only players of human teams can change position.", host);
    Player& p = league.player(id);
    if (p.PositionNumber == position) return true;
    // The team counts its active players by position.
    Team& t = league.team(team);
    if (!p.IR) {
        if (p.PositionNumber >= 1 && p.PositionNumber <= 5) --t.PositionCount(p.PositionNumber);
        ++t.PositionCount(position);
    }
    p.PositionNumber = static_cast<int16_t>(position);
    p.DefaultPosition = PositionText(position);
    CalculatePlayerRatings(p);
    return true;
}

} // namespace hv
