#include "season/injuries.h"

#include <vector>

#include "league/transactions.h"
#include "season/roster_manager.h"

namespace hv {

int InjurySeverityClass(double r) {
    static constexpr double kUpperBounds[9] = {0.85, 0.89, 0.92, 0.94, 0.95, 0.96, 0.97, 0.98, 0.99};
    for (int k = 0; k < 9; ++k)
        if (r < kUpperBounds[k]) return k + 1;
    return 10;
}

namespace {

constexpr const char* kInjuryTitle = "Injury";
constexpr int kComputerIRDays = 3;  // a computer team puts longer injuries on injured reserve
constexpr int kHumanNoticeDays = 1; // a human team hears of longer injuries

// Length factor of an injury by age, with a fresh draw.
double AgeFactor(int age, double r) {
    if (age <= 25) return 0.7 + 0.4 * r;
    if (age <= 30) return 0.75 + 0.4 * r;
    if (age <= 35) return 0.8 + 0.4 * r;
    return 0.9 + 0.4 * r;
}

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

void InjurePlayer(League& league, int id, int severityClass) {
    const auto& table = league.injuryTypes;
    if (table.size() < 2) return;
    std::vector<size_t> candidates{1};
    for (size_t i = 1; i < table.size(); ++i)
        if (table[i].Severity == severityClass) candidates.push_back(i);
    const double pick = league.rng.Uniform() * static_cast<double>(candidates.size() - 1) + 1;
    const InjuryType& injury = table[candidates[static_cast<size_t>(NearestInt(pick)) - 1]];

    Player& p = league.player(id);
    if (severityClass == 10)
        p.Potential = static_cast<int16_t>(NearestInt(p.Potential * (0.9 + 0.1 * league.rng.Uniform())));
    p.Injury = injury.Name;
    const double factor = AgeFactor(p.Age, league.rng.Uniform());
    p.TimeInjured = static_cast<int16_t>(NearestInt(injury.BaseDays * factor + 1));
}

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
