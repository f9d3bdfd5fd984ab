// hoopvale-cli player NAME PLAYER: one player's card (profile, ratings, contract, career by season, awards
// and transactions), the player by ID or name.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/player_card.h"

namespace hv {

namespace {

int RunPlayer(CliContext& ctx, const std::string& name, const std::string& player) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    const int id = ResolvePlayer(ctx, league, player);
    if (id == 0) return kExitRefused;
    bool first = true;
    for (const ReportTable& table : PlayerCardTables(league, id)) {
        if (!first) ctx.out << '\n';
        first = false;
        WriteText(ctx.out, table);
    }
    return kExitOk;
}

} // namespace

void AddPlayerCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("player", "Show one player's card: profile, ratings, contract, career");
    auto name = std::make_shared<std::string>();
    auto player = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->add_option("PLAYER", *player, "The player's ID or name (any case)")->required();
    cmd->callback([&run, name, player] {
        run = [name, player](CliContext& ctx) { return RunPlayer(ctx, *name, *player); };
    });
}

} // namespace hv
