// hoopvale-cli prospects NAME [--csv]: the draft preview, the prospects of the coming draft.
// hoopvale-cli first-picks NAME [--csv]: the past first overall picks.
// hoopvale-cli import-rookies NAME FILE.csv: a draft file's prospects replace the draft class.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/draft_reports.h"
#include "setup/player_import.h"

namespace hv {

namespace {

int ShowTable(CliContext& ctx, const std::string& name, bool csv, ReportTable (*build)(const League&)) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status);
    if (!opened) return status;
    ReportTable table = build(opened->league());
    WriteTable(ctx.out, table, csv);
    return kExitOk; // nothing to save: the command only reads
}

int RunImportRookies(CliContext& ctx, const std::string& name, const std::string& file) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status);
    if (!opened) return status;
    League& league = opened->league();
    auto path = FindImportFile(league.programFolder, file, *ctx.host);
    if (!path) return kExitRefused;
    int imported = ImportRookies(league, *ctx.host, *path);
    if (imported == 0) return kExitRefused;
    ctx.out << "Imported " << imported << " prospects.\n";
    return opened->SaveIfChanged();
}

template <class Build>
void AddTableCommand(CLI::App& app, CommandRunner& run, const char* name, const char* help, Build build) {
    auto* cmd = app.add_subcommand(name, help);
    auto league = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    cmd->add_option("NAME", *league, "League name")->required();
    cmd->add_flag("--csv", *csv, "Every column, as comma-separated values with a header line");
    cmd->callback([&run, league, csv, build] {
        run = [league, csv, build](CliContext& ctx) { return ShowTable(ctx, *league, *csv, build); };
    });
}

} // namespace

void AddProspectsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    AddTableCommand(app, run, "prospects", "Draft preview: the prospects of the coming draft",
                    [](const League& league) { return ProspectsTable(league); });
}

void AddFirstPicksCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    AddTableCommand(app, run, "first-picks", "Past #1 overall picks", &FirstPicksTable);
}

void AddImportRookiesCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("import-rookies", "Replace the draft class with the prospects of a draft file");
    auto name = std::make_shared<std::string>();
    auto file = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->add_option("FILE", *file, "Draft file: a file name of the import folder")->required();
    cmd->callback([&run, name, file] {
        run = [name, file](CliContext& ctx) { return RunImportRookies(ctx, *name, *file); };
    });
}

} // namespace hv
