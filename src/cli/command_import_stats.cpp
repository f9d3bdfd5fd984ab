// hoopvale-cli import-stats NAME FILE.csv [--to TEAM|FA|Draft]: new players of a league rated from a file of
// their season statistics (commissioner only).
#include <CLI/CLI.hpp>

#include <algorithm>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/roster_report.h"
#include "setup/stats_import.h"

namespace hv {

namespace {

struct ImportStatsRequest {
    std::string name, file;
    std::optional<std::string> to;
};

int RunImportStats(CliContext& ctx, const ImportStatsRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    std::string to;
    if (r.to) {
        auto team = ResolvePlayerTeam(ctx, league, *r.to);
        if (!team) return kExitRefused;
        if (*team == kNextDraft) {
            ctx.host->ShowMessage("Imported players go to a team, FA or Draft.", "Import Error",
                                  MessageIcon::Warning);
            return kExitRefused;
        }
        to = *team;
    }
    auto path = FindImportFile(league.programFolder, r.file, *ctx.host);
    if (!path) return kExitRefused;
    const std::vector<int16_t> freeBefore = league.freeIDs;
    const int imported = ImportStatsPlayers(league, *ctx.host, *path, to);
    if (imported == 0) return kExitRefused;
    // The new players: the slots taken from the free list.
    std::vector<int> ids;
    for (size_t i = freeBefore.size() - static_cast<size_t>(imported); i < freeBefore.size(); ++i)
        ids.push_back(freeBefore[i]);
    std::sort(ids.begin(), ids.end());
    ctx.out << "Imported " << imported << " players.\n";
    WriteText(ctx.out, PlayerLinesTable(league, ids, true));
    return opened->SaveIfChanged();
}

} // namespace

void AddImportStatsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand(
        "import-stats", "Add players rated from a file of their season statistics (commissioner only)");
    auto r = std::make_shared<ImportStatsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("FILE", r->file, "A FILE.csv of the import folder")->required();
    cmd->add_option("--to", r->to,
                    "Put every player on this team, or FA, or Draft (default: as the file says)");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunImportStats(ctx, *r); }; });
}

} // namespace hv
