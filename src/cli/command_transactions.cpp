// hoopvale-cli transactions NAME [--team TEAM] [--type TYPE] [--csv]: the league's transaction log, newest
// first, for one team and one kind of move when asked.
#include <CLI/CLI.hpp>
#include <cctype>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/transaction_list.h"

namespace hv {

namespace {

struct TransactionsRequest {
    std::string name;
    std::optional<std::string> team;
    std::optional<std::string> type;
    bool csv = false;
};

// The kind named `text` in any case, as TransactionTypes spells it; "" when there is none of that name.
std::string KnownType(const std::string& text) {
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (const std::string& type : TransactionTypes())
        if (lower(type) == lower(text)) return type;
    return "";
}

int RunTransactions(CliContext& ctx, const TransactionsRequest& r) {
    std::string type;
    if (r.type && (type = KnownType(*r.type)).empty()) {
        std::string names;
        for (const std::string& t : TransactionTypes())
            names += (names.empty() ? "" : ", ") + t;
        ctx.err << "transactions: unknown type \"" << *r.type << "\"; the types are " << names << "\n";
        return kExitUsage;
    }
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
    ReportTable table = TransactionTable(league, teamName, type);
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
    auto* cmd = app.add_subcommand("transactions", "List the league's transactions, newest first");
    auto r = std::make_shared<TransactionsRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--team", r->team, "Only this team's transactions");
    cmd->add_option("--type", r->type,
                    "Only moves of this kind: Sign, Re-sign, Cut, Activate, IR, Trade, Draft, Retire");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunTransactions(ctx, *r); }; });
}

} // namespace hv
