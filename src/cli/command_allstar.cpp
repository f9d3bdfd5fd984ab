// hoopvale-cli allstar NAME [--squads]: on day 60 plays the All-Star weekend (rookie game, 3-Point
// Shootout, Slam-Dunk Contest, All-Star Game) and moves the league to day 61; --squads only shows the
// squads and the contests' entrants.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/league_options.h"
#include "reports/all_star_tables.h"

namespace hv {

namespace {

void PrintTable(CliContext& ctx, const ReportTable& table) {
    WriteText(ctx.out, table);
    ctx.out << '\n';
}

int RunAllStar(CliContext& ctx, const std::string& name, bool squadsOnly) {
    int status;
    auto opened =
        OpenedLeague::Open(ctx, name, status, squadsOnly ? LeagueAccess::Read : LeagueAccess::Change);
    if (!opened) return status;
    League& league = opened->league();
    if (!CheckAllStarDay(league, *ctx.host)) return kExitRefused;
    if (!squadsOnly && !CheckMaySimulate(league.state, *ctx.host)) return kExitRefused;
    AllStarWeekend weekend(league, *ctx.host);
    PrintTable(ctx, SquadsTable(league, weekend.RookieSquads(), "Rookie Game"));
    PrintTable(ctx, SquadsTable(league, weekend.AllStarSquads(), "All-Star Game"));
    if (squadsOnly) {
        PrintTable(ctx, ContestTable(weekend.Shootout()));
        PrintTable(ctx, ContestTable(weekend.DunkContest()));
        return kExitOk;
    }
    if (!weekend.RunRest()) return kExitRefused;
    PrintTable(ctx, ContestTable(weekend.Shootout()));
    PrintTable(ctx, ContestTable(weekend.DunkContest()));
    for (const std::string& line : weekend.Log())
        ctx.out << line << '\n';
    return opened->SaveIfChanged();
}

} // namespace

void AddAllStarCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("allstar", "Play the All-Star weekend of day 60");
    auto name = std::make_shared<std::string>();
    auto squads = std::make_shared<bool>(false);
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->add_flag("--squads", *squads, "Only show the squads and the contests' entrants");
    cmd->callback([&run, name, squads] {
        run = [name, squads](CliContext& ctx) { return RunAllStar(ctx, *name, *squads); };
    });
}

} // namespace hv
