// hoopvale-cli resign NAME TEAM [PLAYER (--yes | --no)]: a human team's players whose re-signing waits, or
// the user's answer for one of them. hoopvale-cli camps NAME [--team TEAM] [--csv]: the training camps
// (computer camp cuts first); shows how the ratings of a team's players (of the human teams without --team)
// changed.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"
#include "league/team_control.h"
#include "personnel/development.h"
#include "personnel/resign.h"
#include "reports/free_agency_tables.h"
#include "season/roster_manager.h"

namespace hv {

namespace {

struct ResignRequest {
    std::string name, team;
    std::optional<std::string> player;
    bool yes = false, no = false;
};

int RunResign(CliContext& ctx, const ResignRequest& r) {
    if ((r.player.has_value()) != (r.yes || r.no) || (r.yes && r.no)) {
        ctx.err << "resign: give PLAYER with --yes or --no, or neither to list the players\n";
        return kExitUsage;
    }
    int status;
    auto opened =
        OpenedLeague::Open(ctx, r.name, status, r.player ? LeagueAccess::Change : LeagueAccess::Read);
    if (!opened) return status;
    League& league = opened->league();
    const int team = ResolveTeam(ctx, league, r.team);
    if (team == 0) return kExitRefused;
    if (!r.player) {
        ReportTable table = ResignTable(league, team);
        if (table.rows.empty())
            ctx.out << "No player of the " << league.team(team).Name << " waits to re-sign.\n";
        else
            WriteText(ctx.out, table);
        return kExitOk;
    }
    const int id = ResolvePlayer(ctx, league, *r.player);
    if (id == 0) return kExitRefused;
    const size_t logged = league.tables.transactions.size();
    const std::string name = league.player(id).Name;
    if (!UserResign(league, team, id, r.yes, *ctx.host)) return kExitRefused;
    if (r.yes)
        for (size_t i = logged; i < league.tables.transactions.size(); ++i)
            ctx.out << league.tables.transactions[i].Action << '\n';
    else
        ctx.out << name << " is a free agent.\n";
    return opened->SaveIfChanged();
}

struct CampsRequest {
    std::string name;
    std::optional<std::string> team;
    bool csv = false;
};

int RunCamps(CliContext& ctx, const CampsRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    int team = 0;
    if (r.team && (team = ResolveTeam(ctx, league, *r.team)) == 0) return kExitRefused;
    if (league.state.SeasonDay != Phase::TrainingCamps) {
        ctx.host->ShowMessage("Training camps are held after free agency (" + StatusLine(league.state) + ").",
                              "Training Camps", MessageIcon::Warning);
        return kExitRefused;
    }
    const size_t logged = league.tables.transactions.size();
    CampCuts(league);
    const auto before = RatingsSnapshot(league);
    RunTrainingCamps(league, *ctx.host);
    if (!r.csv) {
        for (size_t i = logged; i < league.tables.transactions.size(); ++i)
            ctx.out << league.tables.transactions[i].Team << ": " << league.tables.transactions[i].Action
                    << '\n';
        ctx.out << "Training camps done: " << StatusLine(league.state) << '\n';
    }
    std::vector<int> shown = team != 0 ? std::vector<int>{team} : std::vector<int>{};
    if (team == 0)
        for (int slot = 1; slot <= kLeagueTeams; ++slot)
            if (IsHuman(league.team(slot))) shown.push_back(slot);
    for (int slot : shown) {
        ReportTable table = CampChangesTable(league, before, slot);
        WriteTable(ctx.out, table, r.csv);
    }
    return opened->SaveIfChanged();
}

} // namespace

void AddResignAndCampsCommands(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* resign = app.add_subcommand("resign", "Re-sign a human team's player on his demand, or let him go");
    auto r = std::make_shared<ResignRequest>();
    resign->add_option("NAME", r->name, "League name")->required();
    resign->add_option("TEAM", r->team, "A human team")->required();
    resign->add_option("PLAYER", r->player, "The player's ID or name (none: list who waits)");
    resign->add_flag("--yes", r->yes, "Re-sign him on his demand");
    resign->add_flag("--no", r->no, "Let him become a free agent");
    resign->callback([&run, r] { run = [r](CliContext& ctx) { return RunResign(ctx, *r); }; });

    auto* camps = app.add_subcommand("camps", "Run the training camps after the computer camp cuts");
    auto c = std::make_shared<CampsRequest>();
    camps->add_option("NAME", c->name, "League name")->required();
    camps->add_option("--team", c->team, "Show this team's rating changes");
    camps->add_flag("--csv", c->csv, "The rating changes as comma-separated values");
    camps->callback([&run, c] { run = [c](CliContext& ctx) { return RunCamps(ctx, *c); }; });
}

} // namespace hv
