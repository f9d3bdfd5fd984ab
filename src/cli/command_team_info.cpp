// hoopvale-cli team-info NAME TEAM [--csv]: one team's facts, record, ranks, payroll and history. The
// standings are computed first (the league keeps the ranks, as when the Team Information screen opens).
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/team_info_table.h"
#include "season/standings.h"

namespace hv {

namespace {

struct TeamInfoRequest {
    std::string name, team;
    bool csv = false;
};

int RunTeamInfo(CliContext& ctx, const TeamInfoRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    int team = ResolveTeam(ctx, league, r.team);
    if (team == 0) return kExitRefused;
    UpdateWinningPercentages(league);
    ComputeStandings(league);
    ReportTable table = TeamInfoTable(league, team);
    WriteTable(ctx.out, table, r.csv);
    return opened->SaveIfChanged();
}

} // namespace

void AddTeamInfoCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("team-info", "Show one team's information, record, ranks and payroll");
    auto r = std::make_shared<TeamInfoRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("TEAM", r->team, "Team name, or city and name")->required();
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunTeamInfo(ctx, *r); }; });
}

} // namespace hv
