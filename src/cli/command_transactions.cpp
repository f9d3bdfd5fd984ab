// hoopvale-cli transactions NAME [--team TEAM] [--csv]: the league's transaction log, oldest first.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/transaction_list.h"

namespace hv {

namespace {

struct TransactionsRequest {
    std::string name;
    std::optional<std::string> team;
    bool csv = false;
};

int RunTransactions(CliContext& ctx, const TransactionsRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    const League& league = opened->league();
    std::string teamName;
    if (r.team) {
        int team = ResolveTeam(ctx, league, *r.team);
        if (team == 0) return kExitRefused;
        teamName = league.team(team).Name;
    }
    ReportTable table = TransactionTable(league, teamName);
    if (r.csv)
        WriteCsv(ctx.out, table);
    else if (table.rows.empty())
        ctx.out << "No transactions.\n";
    else
        WriteText(ctx.out, table);
    return kExitOk; // nothing to save: the command only reads
}

} // namespace

void AddTransactionsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("transactions", "List the league's transactions, oldest first");
    auto r = std::make_shared<TransactionsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--team", r->team, "Only this team's transactions");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunTransactions(ctx, *r); }; });
}

} // namespace hv
