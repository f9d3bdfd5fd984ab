// hoopvale-cli history NAME [--team T | --vs T | --allstar | --hof] [--csv]: every franchise's all-time
// record, one team's seasons, a team's record against each opponent, the All-Star weekend winners or the
// Hall of Fame.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/awards_tables.h"
#include "reports/history_tables.h"

namespace hv {

namespace {

struct HistoryRequest {
    std::string name;
    std::optional<std::string> team, vs;
    bool allStar = false, hallOfFame = false;
    bool csv = false;
};

int RunHistory(CliContext& ctx, const HistoryRequest& r) {
    if (int(r.team.has_value()) + int(r.vs.has_value()) + int(r.allStar) + int(r.hallOfFame) > 1) {
        ctx.err << "history: choose at most one of --team, --vs, --allstar and --hof\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    ReportTable table;
    if (r.team || r.vs) {
        int team = ResolveTeam(ctx, league, r.team ? *r.team : *r.vs);
        if (team == 0) return kExitRefused;
        table = r.team ? TeamPerformanceTable(league, team) : VsOpponentsTable(league, team);
    } else if (r.allStar) {
        table = AllStarWinnersTable(league);
    } else if (r.hallOfFame) {
        table = HallOfFameTable(league);
    } else {
        table = TeamPerformanceTable(league, 0);
    }
    WriteTable(ctx.out, table, r.csv);
    return kExitOk;
}

} // namespace

void AddHistoryCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("history", "List the league's history: franchises, teams, opponents, All-Star "
                                      "weekend winners, Hall of Fame");
    auto r = std::make_shared<HistoryRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--team", r->team, "One team's seasons");
    cmd->add_option("--vs", r->vs, "One team's record against each opponent");
    cmd->add_flag("--allstar", r->allStar, "The All-Star weekend winners of every season");
    cmd->add_flag("--hof", r->hallOfFame, "The Hall of Fame");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunHistory(ctx, *r); }; });
}

} // namespace hv
