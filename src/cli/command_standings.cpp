// hoopvale-cli standings NAME [--conference] [--csv]: computes the standings (the league keeps the ranks, as
// when the Standings screen opens) and prints one table per division or conference, or with --csv every team
// in one table.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/standings_table.h"
#include "season/standings.h"

namespace hv {

namespace {

struct StandingsRequest {
    std::string name;
    bool conference = false;
    bool csv = false;
};

int RunStandings(CliContext& ctx, const StandingsRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    UpdateWinningPercentages(league);
    ComputeStandings(league);
    const StandingsView view = r.conference ? StandingsView::Conference : StandingsView::Division;
    if (r.csv) {
        WriteCsv(ctx.out, StandingsTable(league, view));
    } else {
        // One table per division or conference, the human teams marked '*'.
        bool first = true;
        for (const ReportTable& table : StandingsGroupTables(league, view)) {
            if (!first) ctx.out << '\n';
            first = false;
            WriteText(ctx.out, table);
        }
    }
    return opened->SaveIfChanged();
}

} // namespace

void AddStandingsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("standings", "Compute and list a saved league's standings");
    auto r = std::make_shared<StandingsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--conference", r->conference, "Order by conference rank instead of by division");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunStandings(ctx, *r); }; });
}

} // namespace hv
