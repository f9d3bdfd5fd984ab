#include "reports/team_info_table.h"

#include "league/salary.h"
#include "season/standings.h"

namespace hv {

ReportTable TeamInfoTable(const League& league, int team) {
    const Team& t = league.team(team);
    auto pair = [](int a, int b) { return std::to_string(a) + "-" + std::to_string(b); };
    auto rank = [](int16_t r, double gb) {
        return r > 0 ? std::to_string(r) + " (games behind: " + GamesBehindText(gb) + ")" : std::string("-");
    };
    int roster = 0, injuredReserve = 0;
    for (int id = 1; id <= kLastLeaguePlayer; ++id) {
        const Player& p = league.player(id);
        if (p.IsEmpty() || p.Team != t.Name) continue;
        ++roster;
        if (p.IR) ++injuredReserve;
    }
    // Salary still owed to released players counts against the cap as well.
    const int64_t payroll = TeamPayroll(league, team) + t.CutSalary[0];

    ReportTable table;
    table.title = t.City + " " + t.Name;
    table.Column("Item").Column("Value");
    auto row = [&](const char* item, ReportCell value) { table.Row().Add(item).Add(std::move(value)); };
    auto text = [](std::string s) { return ReportTable::Text(std::move(s)); };
    row("City", text(t.City));
    row("Name", text(t.Name));
    row("Owner", text(t.Owner));
    row("Conference", text(t.Conference));
    row("Division", text(t.Division));
    row("Record", text(pair(t.Wins(), t.Losses())));
    row("Home", text(pair(t.HomeWins, t.HomeLosses)));
    row("Road", text(pair(t.RoadWins, t.RoadLosses)));
    row("Streak", text(StreakText(t.Streak)));
    row("Last 10", text(RecordText(LastTenRecord(league, team))));
    row("Division rank", text(rank(t.DivRank, t.GB)));
    row("Conference rank", text(rank(t.ConfRank, t.ConfGB)));
    row("Players",
        ReportTable::Keyed(
            std::to_string(roster) + " (" + std::to_string(roster - injuredReserve) + " active)", roster));
    row("Payroll", ReportTable::Money(payroll));
    row("Cap room", ReportTable::Money(league.state.SalaryCapDollars() - payroll));
    row("Championships", ReportTable::Number(t.Championships));
    row("Finals appearances", ReportTable::Number(t.FinalsAppearances));
    row("Playoff appearances", ReportTable::Number(t.Playoffs));
    row("Last playoff season", t.LastPlayoffYear > 0 ? ReportTable::Number(t.LastPlayoffYear) : text("-"));
    row("All-time record", text(std::to_string(t.TotalWins) + "-" + std::to_string(t.TotalLosses)));
    row("All-time playoff record",
        text(std::to_string(t.PlayoffWins) + "-" + std::to_string(t.PlayoffLosses)));
    return table;
}

} // namespace hv
