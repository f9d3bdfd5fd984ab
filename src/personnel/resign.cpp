#include "personnel/resign.h"

#include <fstream>

#include "league/league_options.h"
#include "league/salary.h"
#include "league/team_control.h"
#include "league/transactions.h"
#include "personnel/contract_offer.h"

namespace hv {

namespace {

std::filesystem::path ResignFile(const League& league) {
    if (league.programFolder.empty() || league.state.LeagueName.empty()) return {};
    return league.LeagueFolderOf(league.state.LeagueName) / "resign.txt";
}

void AppendToResignFile(const League& league, const std::string& line) {
    const auto file = ResignFile(league);
    if (file.empty()) return;
    // The file is a report for the user; failing to write it must not stop the off-season.
    std::ofstream out(file, std::ios::app);
    if (out) out << line << '\n';
}

OfferYears DemandOf(const Player& p) {
    return p.ResignDemand;
}

} // namespace

double WillingnessToStay(const Player& p, const Team& team) {
    return 0.25 + 0.35 * p.Loyalty / 100.0 + 0.2 * p.Happiness / 100.0 +
           0.2 * WinningStrength(team) / 100.0 * p.Winner / 100.0;
}

void SetContractValues(League& league) {
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        Player& p = league.player(id);
        const int team = TeamOfPlayer(league, id);
        p.ResignDemand = {};
        if (team == 0 || p.contract2 != 0) continue;
        if (auto offer = ComputerOffer(league, id, team, BidKind::Resign)) p.ResignDemand = offer->amounts;
        p.Resign = league.rng.Uniform() < WillingnessToStay(p, league.team(team));
    }
}

bool ResignFitsCap(const League& league, int id) {
    const Player& p = league.player(id);
    const int team = TeamOfPlayer(league, id);
    if (team == 0) return false;
    const int32_t first = p.ResignDemand[0];
    return p.BirdYears >= 3 || first <= 1.2 * p.LastSalary || first <= CapRoom(league, team);
}

ResignDecision DecideResign(League& league, int id, Host& host) {
    const Player& p = league.player(id);
    const int team = TeamOfPlayer(league, id);
    const bool willing = p.Resign && p.ResignDemand[0] > 0;
    if (team != 0 && IsHuman(league.team(team))) {
        if (willing) return ResignDecision::AwaitsUser;
        host.ShowMessage(p.Name + " of " + p.Team + " has decided to test free agency.", "Re-signing",
                         MessageIcon::Information);
        return ResignDecision::Leaves;
    }
    if (team == 0 || !willing || !ResignFitsCap(league, id)) return ResignDecision::Leaves;
    ResignOnDemand(league, id);
    return ResignDecision::Stays;
}

bool AwaitsResignDecision(const League& league, int id) {
    const Player& p = league.player(id);
    return TeamOfPlayer(league, id) != 0 && p.contract1 == 0 && p.ResignDemand[0] > 0;
}

std::vector<int> PlayersAwaitingResign(const League& league, int team) {
    std::vector<int> ids;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (AwaitsResignDecision(league, id) && (team == 0 || TeamOfPlayer(league, id) == team))
            ids.push_back(id);
    return ids;
}

bool UserResign(League& league, int team, int id, bool accept, Host& host) {
    if (team < 1 || team > kLeagueTeams || !IsHuman(league.team(team))) {
        host.ShowMessage("Only a human team's players are re-signed by hand.", "Re-signing",
                         MessageIcon::Warning);
        return false;
    }
    const Player& p = league.player(id);
    if (TeamOfPlayer(league, id) != team || !AwaitsResignDecision(league, id)) {
        host.ShowMessage(p.Name + " is not waiting to re-sign with the " + league.team(team).Name + ".",
                         "Re-signing", MessageIcon::Warning);
        return false;
    }
    if (!accept) {
        LeaveAsFreeAgent(league, id);
        return true;
    }
    if (!ResignFitsCap(league, id)) {
        host.ShowMessage("The " + league.team(team).Name + " do not have the cap room to re-sign " + p.Name +
                             ".",
                         "Re-signing", MessageIcon::Warning);
        return false;
    }
    ResignOnDemand(league, id);
    return true;
}

std::string ResignLine(const Player& p) {
    const int years = YearsOf(DemandOf(p));
    return p.DefaultPosition + " " + p.Name + " resigns for " + SalaryCapText(p.ResignDemand[0]) + " over " +
           std::to_string(years) + (years == 1 ? " year" : " years");
}

void ResignOnDemand(League& league, int id) {
    Player& p = league.player(id);
    const std::string line = ResignLine(p);
    const int years = YearsOf(DemandOf(p));
    for (int year = 1; year <= 8; ++year)
        p.Contract(year) = year <= years ? p.ResignDemand[static_cast<size_t>(year - 1)] : 0;
    p.ResignDemand = {};
    if (const int team = TeamOfPlayer(league, id)) {
        league.team(team).TotalSalary += p.contract1;
        LogTransaction(league, p.Team, line);
    }
    AppendToResignFile(league, line);
}

void LeaveAsFreeAgent(League& league, int id) {
    const int team = TeamOfPlayer(league, id);
    if (team == 0) return;
    Player& p = league.player(id);
    league.RemoveFromRoster(id);
    ClearFromLineup(league.team(team), id);
    p.IR = false;
    p.LastTeam = p.Team;
    p.Team = kFreeAgent;
}

void StartResignFile(const League& league) {
    const auto file = ResignFile(league);
    if (file.empty()) return;
    std::ofstream out(file, std::ios::trunc);
}

} // namespace hv
