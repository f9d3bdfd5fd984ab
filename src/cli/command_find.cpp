// hoopvale-cli find NAME [--name TEXT] [--position POS] [--team TEAM] [--csv]: the players whose name holds
// TEXT, at a position, of a team (or FA, Draft, NextDraft), as Find Players shows them.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/lineup_edit.h"
#include "reports/player_search.h"

namespace hv {

namespace {

struct FindRequest {
    std::string name;
    PlayerSearch search;
    std::string position;
    std::optional<std::string> team;
    bool csv = false;
};

int RunFind(CliContext& ctx, FindRequest r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    const League& league = opened->league();
    r.search.position = PositionFromText(r.position);
    if (r.team) {
        if (*r.team == kFreeAgent || *r.team == kDraft || *r.team == kNextDraft) {
            r.search.team = *r.team;
        } else {
            int team = ResolveTeam(ctx, league, *r.team);
            if (team == 0) return kExitRefused;
            r.search.team = league.team(team).Name;
        }
    }
    ReportTable table = FindPlayersTable(league, r.search);
    WriteTable(ctx.out, table, r.csv);
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddFindCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("find", "Find players by name, position and team");
    auto r = std::make_shared<FindRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--name", r->search.name, "Part of the player's name, in any case");
    cmd->add_option("--position", r->position, "C, PF, SF, SG or PG")
        ->check(CLI::IsMember({"C", "PF", "SF", "SG", "PG"}, CLI::ignore_case));
    cmd->add_option("--team", r->team, "A team, or FA, Draft or NextDraft");
    cmd->add_flag("--csv", r->csv, "Every column, as comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunFind(ctx, *r); }; });
}

} // namespace hv
