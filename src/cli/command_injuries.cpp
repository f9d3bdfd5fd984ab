// hoopvale-cli injuries NAME [--team TEAM] [--ir] [--csv]: the players with injury days left, or with --ir
// the players on injured reserve.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/injury_report.h"

namespace hv {

namespace {

struct InjuriesRequest {
    std::string name;
    std::optional<std::string> team;
    bool reserve = false, csv = false;
};

int RunInjuries(CliContext& ctx, const InjuriesRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    const League& league = opened->league();
    int team = 0;
    if (r.team && (team = ResolveTeam(ctx, league, *r.team)) == 0) return kExitRefused;
    ReportTable table = r.reserve ? InjuredReserveTable(league, team) : InjuryListTable(league, team);
    if (r.csv)
        WriteCsv(ctx.out, table);
    else if (table.rows.empty())
        ctx.out << (r.reserve ? "Nobody is on injured reserve.\n" : "Nobody is injured.\n");
    else
        WriteText(ctx.out, table);
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddInjuriesCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("injuries", "List the injured players, or those on injured reserve");
    auto r = std::make_shared<InjuriesRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--team", r->team, "Only this team's players");
    cmd->add_flag("--ir", r->reserve, "The players on injured reserve instead");
    cmd->add_flag("--csv", r->csv, "Every column, as comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunInjuries(ctx, *r); }; });
}

} // namespace hv
