// hoopvale-cli players NAME [--team TEAM] [--csv]: one line per player of the league with his ratings; the
// readable form shows the main columns, CSV every column.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/player_list.h"

namespace hv {

namespace {

struct PlayersRequest {
    std::string name;
    std::optional<std::string> team;
    bool csv = false;
};

int RunPlayers(CliContext& ctx, const PlayersRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    std::optional<std::string> team;
    if (r.team) {
        team = ResolvePlayerTeam(ctx, league, *r.team);
        if (!team) return kExitRefused;
    }
    ReportTable table = PlayerListTable(league, [&](const Player& p) { return !team || p.Team == *team; });
    WriteTable(ctx.out, table, r.csv);
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddPlayersCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("players", "List a saved league's players with their ratings");
    auto r = std::make_shared<PlayersRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--team", r->team,
                    "Only the players of this team, named as in `teams` (any case), or FA, Draft, NextDraft");
    cmd->add_flag("--csv", r->csv, "Every column, as comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunPlayers(ctx, *r); }; });
}

} // namespace hv
