#include "reports/contract_tables.h"

#include "league/league_options.h"
#include "league/lineup.h"
#include "league/salary.h"
#include "league/transactions.h"
#include "personnel/contract_offer.h"
#include "personnel/resign.h"

namespace hv {

namespace {

// A salary cell; a year without a contract stays blank and sorts as 0.
ReportCell SalaryCell(int64_t dollars) {
    return dollars > 0 ? ReportTable::Money(dollars) : ReportTable::Keyed("", 0);
}

std::vector<int> PlayersOf(const League& league, int team) {
    if (team != 0) return RosterOf(league, team);
    std::vector<int> ids;
    for (int id = 1; id <= kLastLeaguePlayer; ++id)
        if (TeamOfPlayer(league, id) != 0) ids.push_back(id);
    return ids;
}

std::string TeamHeading(const League& league, int team, const std::string& what) {
    if (team == 0) return what + ": all teams";
    const Team& t = league.team(team);
    return what + ": " + t.City + " " + t.Name + ", payroll " + SalaryCapText(Payroll(t)) + ", cap room " +
           SalaryCapText(CapRoom(league, team));
}

const char* YesOrBlank(bool value) {
    return value ? "Yes" : "";
}

} // namespace

ReportTable ContractsTable(const League& league, int team) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = TeamHeading(league, team, "Player Contracts");
    table.Column("ID", Align::Right, false).Column("Name");
    if (team == 0) table.Column("Team");
    table.Column("Pos").Column("Age", Align::Right).Column("Exp", Align::Right);
    for (int year = 0; year < 8; ++year)
        table.Column(std::to_string(league.state.Season + year), Align::Right, year < 6);
    table.Column("Total", Align::Right).Column("Bird", Align::Right).Column("Exception");
    for (int id : PlayersOf(league, team)) {
        const Player& p = league.player(id);
        table.Row(id).Add(id).Add(p.Name);
        if (team == 0) table.Add(p.Team);
        table.Add(ReportTable::Keyed(p.DefaultPosition, p.PositionNumber)).Add(p.Age).Add(p.Experience);
        int64_t total = 0;
        for (int year = 1; year <= 8; ++year) {
            table.Add(SalaryCell(p.Contract(year)));
            total += p.Contract(year);
        }
        table.Add(ReportTable::Money(total)).Add(p.BirdYears).Add(YesOrBlank(p.Exception));
    }
    return table;
}

ReportTable CapRoomTable(const League& league) {
    ReportTable table;
    table.title = "Team Salary Cap Room: cap " + SalaryCapText(league.state.SalaryCapDollars());
    table.Column("Team")
        .Column("Players", Align::Right)
        .Column("Salaries", Align::Right)
        .Column("Cut Players", Align::Right)
        .Column("Payroll", Align::Right)
        .Column("Cap Room", Align::Right)
        .Column("Next Season", Align::Right)
        .Column("Mid-Level")
        .Column("Low-Level");
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        const Team& t = league.team(slot);
        int64_t next = t.CutSalary[1];
        for (int id : RosterOf(league, slot))
            next += league.player(id).contract2;
        table.Row(slot)
            .Add(t.City + " " + t.Name)
            .Add(t.NumPlayers)
            .Add(ReportTable::Money(t.TotalSalary))
            .Add(ReportTable::Money(t.CutSalary[0]))
            .Add(ReportTable::Money(Payroll(t)))
            .Add(ReportTable::Money(CapRoom(league, slot)))
            .Add(ReportTable::Money(next))
            .Add(t.UsedMidException ? "Used" : "Available")
            .Add(t.UsedLowException ? "Used" : "Available");
    }
    return table;
}

ReportTable PotentialFreeAgentsTable(const League& league, int team) {
    ReportTable table;
    table.rowKind = RowKind::Player;
    table.title = team == 0
                      ? "Potential Free Agents: all teams"
                      : "Potential Free Agents: " + league.team(team).City + " " + league.team(team).Name;
    table.Column("ID", Align::Right, false)
        .Column("Name")
        .Column("Team")
        .Column("Pos")
        .Column("Age", Align::Right)
        .Column("Exp", Align::Right)
        .Column("Rating", Align::Right)
        .Column("Pot")
        .Column("Salary", Align::Right)
        .Column("Demand", Align::Right)
        .Column("Years", Align::Right)
        .Column("Willing")
        .Column("Bird", Align::Right)
        .Column("Status");
    for (int id : PlayersOf(league, team)) {
        const Player& p = league.player(id);
        const bool waiting = AwaitsResignDecision(league, id);
        const bool expiring = p.contract1 > 0 && p.contract2 == 0;
        if (!waiting && !expiring) continue;
        const int years = YearsOf(p.ResignDemand);
        table.Row(id)
            .Add(id)
            .Add(p.Name)
            .Add(p.Team)
            .Add(ReportTable::Keyed(p.DefaultPosition, p.PositionNumber))
            .Add(p.Age)
            .Add(p.Experience)
            .Add(p.CurrentRating)
            .Add(ReportTable::Keyed(p.PotentialGrade, p.KnownPotential))
            .Add(SalaryCell(waiting ? p.LastSalary : p.contract1))
            .Add(SalaryCell(p.ResignDemand[0]))
            .Add(ReportTable::Keyed(years > 0 ? std::to_string(years) : "", years))
            .Add(years > 0 ? (p.Resign ? "Yes" : "No") : "")
            .Add(p.BirdYears)
            .Add(waiting ? "Awaits decision" : "Final year");
    }
    return table;
}

} // namespace hv
