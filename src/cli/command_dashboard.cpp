// hoopvale-cli dashboard NAME [--csv]: the league on one page as the hub shows it: the phase and the next
// step, the human team's record and coming games, its conference, the leaders, the latest results and
// transactions, and the human team's injuries.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/dashboard.h"

namespace hv {

namespace {

struct DashboardRequest {
    std::string name;
    bool csv = false;
};

int RunDashboard(CliContext& ctx, const DashboardRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    WriteDashboard(ctx.out, BuildDashboard(opened->league()), r.csv);
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddDashboardCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("dashboard", "Show a saved league on one page, as the hub shows it");
    auto r = std::make_shared<DashboardRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--csv", r->csv, "Comma-separated values, each part after its title");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunDashboard(ctx, *r); }; });
}

} // namespace hv
