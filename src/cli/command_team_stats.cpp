// hoopvale-cli team-stats NAME [--allowed] [--totals] [--csv]: every team's season statistics, its own or its
// opponents', per game or in total.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/team_stats_table.h"

namespace hv {

namespace {

struct TeamStatsRequest {
    std::string name;
    bool allowed = false;
    bool totals = false;
    bool csv = false;
};

int RunTeamStats(CliContext& ctx, const TeamStatsRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    ReportTable table = TeamStatsTable(opened->league(), {.allowed = r.allowed, .perGame = !r.totals});
    WriteTable(ctx.out, table, r.csv);
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddTeamStatsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("team-stats", "List every team's season statistics");
    auto r = std::make_shared<TeamStatsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--allowed", r->allowed, "The opponents' figures against each team");
    cmd->add_flag("--totals", r->totals, "Season totals instead of per-game figures");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunTeamStats(ctx, *r); }; });
}

} // namespace hv
