// hoopvale-cli teams NAME [--csv]: the league's teams with their conference, division, owner, roster size and
// payroll.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/teams_table.h"

namespace hv {

namespace {

struct TeamsRequest {
    std::string name;
    bool csv = false;
};

int RunTeams(CliContext& ctx, const TeamsRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    ReportTable table = TeamsTable(opened->league());
    WriteTable(ctx.out, table, r.csv);
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddTeamsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("teams", "List a saved league's teams with their owners and payrolls");
    auto r = std::make_shared<TeamsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--csv", r->csv, "As comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunTeams(ctx, *r); }; });
}

} // namespace hv
