// hoopvale-cli begin-season NAME, end-season NAME, champions NAME [--csv]: the hub's Begin Season and End
// Season with what their screens show, and the Past Champs list.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"
#include "reports/playoff_tables.h"
#include "season/begin_season.h"
#include "season/end_season.h"

namespace hv {

namespace {

int Done(CliContext& ctx, OpenedLeague& opened) {
    ctx.out << StatusLine(opened.league().state) << '\n';
    return opened.SaveIfChanged();
}

int RunBeginSeason(CliContext& ctx, const std::string& name) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status);
    if (!opened) return status;
    if (!BeginSeason(opened->league(), *ctx.host)) return kExitRefused;
    return Done(ctx, *opened);
}

int RunEndSeason(CliContext& ctx, const std::string& name) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status);
    if (!opened) return status;
    League& league = opened->league();
    if (!EndSeason(league, *ctx.host, [&ctx](const std::string& caption) { ctx.out << caption << '\n'; }))
        return kExitRefused;
    CloseEndSeason(league, *ctx.host);
    return Done(ctx, *opened);
}

int RunChampions(CliContext& ctx, const std::string& name, bool csv) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status, LeagueAccess::Read);
    if (!opened) return status;
    ReportTable table = ChampionsTable(opened->league());
    WriteTable(ctx.out, table, csv);
    return kExitOk;
}

} // namespace

void AddBeginSeasonCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("begin-season", "Begin the season of a saved league standing on day 0");
    auto name = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->callback([&run, name] { run = [name](CliContext& ctx) { return RunBeginSeason(ctx, *name); }; });
}

void AddEndSeasonCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("end-season", "End the season of a saved league after its playoffs");
    auto name = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->callback([&run, name] { run = [name](CliContext& ctx) { return RunEndSeason(ctx, *name); }; });
}

void AddChampionsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("champions", "The league's past champions");
    auto name = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->add_flag("--csv", *csv, "Comma-separated values with a header line");
    cmd->callback(
        [&run, name, csv] { run = [name, csv](CliContext& ctx) { return RunChampions(ctx, *name, *csv); }; });
}

} // namespace hv
