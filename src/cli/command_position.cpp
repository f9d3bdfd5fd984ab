// hoopvale-cli position NAME PLAYER POS: gives a human team's player another position (C, PF, SF, SG, PG),
// refused with the same messages as the Change Positions screen.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/lineup_edit.h"
#include "reports/roster_report.h"
#include "season/user_moves.h"

namespace hv {

namespace {

struct PositionRequest {
    std::string name, player, position;
};

int RunPosition(CliContext& ctx, const PositionRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    int id = ResolvePlayer(ctx, league, r.player);
    if (id == 0) return kExitRefused;
    if (!UserChangePosition(league, id, PositionFromText(r.position), *ctx.host)) return kExitRefused;
    WriteText(ctx.out, PlayerLinesTable(league, {id}, true));
    return opened->SaveIfChanged();
}

} // namespace

void AddPositionCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("position", "Change the position of a human team's player");
    auto r = std::make_shared<PositionRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("PLAYER", r->player, "The player's ID or name")->required();
    cmd->add_option("POS", r->position, "C, PF, SF, SG or PG")->required();
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunPosition(ctx, *r); }; });
}

} // namespace hv
