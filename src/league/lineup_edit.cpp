#include "league/lineup_edit.h"

#include <cctype>

#include "league/lineup.h"
#include "league/transactions.h"

namespace hv {

namespace {

constexpr const char* kRosterError = "Roster Error";

bool RefuseComputerTeam(const Team& t, Host& host) {
    if (IsHuman(t)) return false;
    host.ShowMessage("The " + t.Name + " are run by the computer, which sets their line-up.", "Error",
                     MessageIcon::Warning);
    return true;
}

// The fault of one listed player: not on the team or on injured reserve.
std::optional<std::string> PlayerProblem(const League& league, int team, int id) {
    const Team& t = league.team(team);
    const bool inTable = id >= 1 && id <= kLastLeaguePlayer && !league.player(id).IsEmpty();
    if (!inTable) return "Player " + std::to_string(id) + " is not on the " + t.Name + " roster.";
    const Player& p = league.player(id);
    if (p.Team != t.Name) return p.Name + " is not on the " + t.Name + " roster.";
    if (p.IR) return p.Name + " is on injured reserve; activate him before listing him in the line-up.";
    return std::nullopt;
}

} // namespace

LineupChoice LineupOf(const Team& team) {
    LineupChoice c;
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            c.Depth(pos, row) = team.Depth(pos, row);
    c.keys = {team.keyplayer1, team.keyplayer2, team.keyplayer3};
    c.Pace = team.Pace;
    c.Press = team.Press;
    c.Trap = team.Trap;
    c.Offense = team.Offense;
    return c;
}

void StoreLineup(Team& team, const LineupChoice& choice) {
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row)
            team.Depth(pos, row) = choice.Depth(pos, row);
    team.keyplayer1 = choice.keys[0];
    team.keyplayer2 = choice.keys[1];
    team.keyplayer3 = choice.keys[2];
    team.Pace = choice.Pace;
    team.Press = choice.Press;
    team.Trap = choice.Trap;
    team.Offense = choice.Offense;
}

std::string DepthSlotName(int position, int row) {
    return PositionText(position) + std::to_string(row);
}

int PositionFromText(const std::string& text) {
    std::string upper;
    for (char c : text)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return PositionNumberOf(upper);
}

bool ParseDepthSlot(const std::string& text, int& position, int& row) {
    if (text.size() < 2) return false;
    position = PositionFromText(text.substr(0, text.size() - 1));
    row = text.back() - '0';
    return position != 0 && row >= 1 && row <= 3;
}

bool ValidPressValue(int value) {
    return value == 0 || value == 25 || value == 50 || value == 75 || value == 100;
}

bool ValidOffenseValue(int value) {
    return value == 0 || value == 50 || value == 100;
}

std::optional<std::string> LineupProblem(const League& league, int team, const LineupChoice& choice) {
    for (int pos = 1; pos <= 5; ++pos)
        for (int row = 1; row <= 3; ++row) {
            const int id = choice.Depth(pos, row);
            if (id == 0) return "The " + DepthSlotName(pos, row) + " slot of the depth chart is empty.";
            if (auto problem = PlayerProblem(league, team, id)) return problem;
            for (int above = 1; above < row; ++above)
                if (choice.Depth(pos, above) == id)
                    return league.player(id).Name + " is listed twice at " + PositionText(pos) + ".";
        }
    for (int pos = 1; pos <= 5; ++pos)
        for (int other = 1; other < pos; ++other)
            if (choice.Depth(pos, 1) == choice.Depth(other, 1))
                return league.player(choice.Depth(pos, 1)).Name + " starts at two positions.";
    for (size_t k = 0; k < choice.keys.size(); ++k) {
        const int id = choice.keys[k];
        if (id == 0) return "Key player " + std::to_string(k + 1) + " is not chosen.";
        if (auto problem = PlayerProblem(league, team, id)) return problem;
        for (size_t before = 0; before < k; ++before)
            if (choice.keys[before] == id)
                return league.player(id).Name + " is chosen twice as a key player.";
    }
    const std::pair<const char*, int> settings[] = {
        {"Pace", choice.Pace}, {"Press", choice.Press}, {"Trap", choice.Trap}};
    for (const auto& [name, value] : settings)
        if (!ValidPressValue(value)) return std::string(name) + " must be 0, 25, 50, 75 or 100.";
    if (!ValidOffenseValue(choice.Offense)) return "Offense must be 0, 50 or 100.";
    return std::nullopt;
}

bool SaveLineup(League& league, int team, const LineupChoice& choice, Host& host) {
    Team& t = league.team(team);
    if (RefuseComputerTeam(t, host)) return false;
    if (auto problem = LineupProblem(league, team, choice)) {
        host.ShowMessage(*problem, kRosterError, MessageIcon::Warning);
        return false;
    }
    StoreLineup(t, choice);
    return true;
}

bool AutoLineup(League& league, int team, Host& host) {
    Team& t = league.team(team);
    if (RefuseComputerTeam(t, host)) return false;
    if (t.ActivePlayers < 7) {
        host.ShowMessage("The " + t.Name + " need at least 7 active players before a line-up can be chosen.",
                         kRosterError, MessageIcon::Warning);
        return false;
    }
    SetLineup(league, team);
    return true;
}

} // namespace hv
