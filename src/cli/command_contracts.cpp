// hoopvale-cli contracts NAME [--team TEAM] [--csv]: the players' contracts, of one team or all.
// hoopvale-cli cap-room NAME [--csv]: every team's payroll against the salary cap.
// hoopvale-cli potential-fas NAME [--team TEAM] [--csv]: the players whose contracts end with the season.
// hoopvale-cli free-agents NAME [--csv]: the free agents, with their asking salaries during free agency.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/contract_tables.h"
#include "reports/free_agency_tables.h"

namespace hv {

namespace {

struct ListRequest {
    std::string name;
    std::optional<std::string> team;
    bool csv = false;
};

// Builds the table for team slot 1 to 29, or 0 for every team.
using TeamTableBuilder = std::function<ReportTable(const League&, int team)>;

int ShowList(CliContext& ctx, const ListRequest& r, const TeamTableBuilder& build, const char* empty) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    int team = 0;
    if (r.team && (team = ResolveTeam(ctx, league, *r.team)) == 0) return kExitRefused;
    ReportTable table = build(league, team);
    if (r.csv)
        WriteCsv(ctx.out, table);
    else if (table.rows.empty())
        ctx.out << empty << '\n';
    else
        WriteText(ctx.out, table);
    return kExitOk; // nothing to save: the command only reads
}

void AddList(CLI::App& app, CommandRunner& run, const char* name, const char* help, bool withTeam,
             TeamTableBuilder build, const char* empty) {
    auto* cmd = app.add_subcommand(name, help);
    auto r = std::make_shared<ListRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    if (withTeam) cmd->add_option("--team", r->team, "Only this team's players");
    cmd->add_flag("--csv", r->csv, "Every column, as comma-separated values with a header line");
    cmd->callback([&run, r, build, empty] {
        run = [r, build, empty](CliContext& ctx) { return ShowList(ctx, *r, build, empty); };
    });
}

} // namespace

void AddContractListCommands(CLI::App& app, CliContext&, CommandRunner& run) {
    AddList(app, run, "contracts", "The players' contracts, year by year", true, &ContractsTable,
            "Nobody is under contract.");
    AddList(
        app, run, "cap-room", "Every team's payroll against the salary cap", false,
        [](const League& league, int) { return CapRoomTable(league); }, "");
    AddList(app, run, "potential-fas", "The players whose contracts end with this season", true,
            &PotentialFreeAgentsTable, "No contract ends with this season.");
    AddList(
        app, run, "free-agents", "The free agents, best first", false,
        [](const League& league, int) { return FreeAgentsTable(league); }, "There are no free agents.");
}

} // namespace hv
