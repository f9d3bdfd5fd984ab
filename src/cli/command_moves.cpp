// hoopvale-cli sign|cut|activate|ir NAME TEAM PLAYER: a human team's roster moves, refused with the same
// messages as the screens. The transaction line is printed and the league saved when the move was made.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "season/user_moves.h"

namespace hv {

namespace {

using Move = bool (*)(League&, int team, int id, Host&);

struct MoveRequest {
    std::string name, team, player;
};

int RunMove(CliContext& ctx, const MoveRequest& r, Move move) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    int team = ResolveTeam(ctx, league, r.team);
    if (team == 0) return kExitRefused;
    int id = ResolvePlayer(ctx, league, r.player);
    if (id == 0) return kExitRefused;
    const size_t logged = league.tables.transactions.size();
    if (!move(league, team, id, *ctx.host)) return kExitRefused;
    for (size_t i = logged; i < league.tables.transactions.size(); ++i)
        ctx.out << league.tables.transactions[i].Action << '\n';
    return opened->SaveIfChanged();
}

void AddMove(CLI::App& app, CommandRunner& run, const char* name, const char* description, Move move) {
    auto* cmd = app.add_subcommand(name, description);
    auto r = std::make_shared<MoveRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("TEAM", r->team, "A human team")->required();
    cmd->add_option("PLAYER", r->player, "The player's ID or name")->required();
    cmd->callback([&run, r, move] { run = [r, move](CliContext& ctx) { return RunMove(ctx, *r, move); }; });
}

} // namespace

void AddRosterMoveCommands(CLI::App& app, CliContext&, CommandRunner& run) {
    AddMove(app, run, "sign", "Sign a free agent for a human team at the minimum salary", UserSign);
    AddMove(app, run, "cut", "Release a player of a human team", UserCut);
    AddMove(app, run, "activate", "Bring a human team's player back from injured reserve", UserActivate);
    AddMove(app, run, "ir", "Place a human team's player on injured reserve", UserPlaceOnIR);
}

} // namespace hv
