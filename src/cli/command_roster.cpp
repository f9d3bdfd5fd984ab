// hoopvale-cli roster NAME TEAM: a team's players, depth chart, key players and coaching settings.
// hoopvale-cli lineup NAME TEAM [--auto] [--depth SLOT=PLAYER]... [--key N=PLAYER]... [--pace N] [--press N]
//                               [--trap N] [--offense N]: changes a human team's line-up, checked as the Team
//                               Roster screen checks it.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/lineup_edit.h"
#include "reports/roster_report.h"

namespace hv {

namespace {

void PrintLineup(std::ostream& out, const League& league, int team) {
    out << "\nDepth chart\n";
    WriteText(out, DepthChartTable(league, team));
    out << '\n';
    WriteText(out, LineupSettingsTable(league, team));
}

struct RosterRequest {
    std::string name, team;
};

int RunRoster(CliContext& ctx, const RosterRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    const League& league = opened->league();
    int team = ResolveTeam(ctx, league, r.team);
    if (team == 0) return kExitRefused;
    WriteText(ctx.out, TeamRosterTable(league, team));
    PrintLineup(ctx.out, league, team);
    return kExitOk; // nothing to save: the command only reads
}

struct LineupRequest {
    std::string name, team;
    bool automatic = false;
    std::vector<std::string> depth, keys;
    std::optional<int> pace, press, trap, offense;
};

// "WHAT=PLAYER" split at the first '='; false when there is none.
bool SplitAssignment(const std::string& text, std::string& what, std::string& player) {
    size_t eq = text.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == text.size()) return false;
    what = text.substr(0, eq);
    player = text.substr(eq + 1);
    return true;
}

// Applies the --depth and --key assignments to `choice`; the exit status of the first bad one, else kExitOk.
int ApplyAssignments(CliContext& ctx, const League& league, const LineupRequest& r, LineupChoice& choice) {
    for (const std::string& text : r.depth) {
        std::string slot, player;
        int pos = 0, row = 0;
        if (!SplitAssignment(text, slot, player) || !ParseDepthSlot(slot, pos, row)) {
            ctx.err << "lineup: --depth takes SLOT=PLAYER with a slot C1 to PG3, not \"" << text << "\"\n";
            return kExitUsage;
        }
        int id = ResolvePlayer(ctx, league, player);
        if (id == 0) return kExitRefused;
        choice.Depth(pos, row) = static_cast<int16_t>(id);
    }
    for (const std::string& text : r.keys) {
        std::string number, player;
        if (!SplitAssignment(text, number, player) || number.size() != 1 || number[0] < '1' ||
            number[0] > '3') {
            ctx.err << "lineup: --key takes N=PLAYER with N 1, 2 or 3, not \"" << text << "\"\n";
            return kExitUsage;
        }
        int id = ResolvePlayer(ctx, league, player);
        if (id == 0) return kExitRefused;
        choice.keys[static_cast<size_t>(number[0] - '1')] = static_cast<int16_t>(id);
    }
    return kExitOk;
}

int RunLineup(CliContext& ctx, const LineupRequest& r) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    int team = ResolveTeam(ctx, league, r.team);
    if (team == 0) return kExitRefused;
    if (r.automatic && !AutoLineup(league, team, *ctx.host)) return kExitRefused;
    const bool edits = !r.depth.empty() || !r.keys.empty() || r.pace || r.press || r.trap || r.offense;
    if (edits) {
        LineupChoice choice = LineupOf(league.team(team));
        if (int bad = ApplyAssignments(ctx, league, r, choice); bad != kExitOk) return bad;
        for (auto [value, field] : {std::pair{r.pace, &choice.Pace}, std::pair{r.press, &choice.Press},
                                    std::pair{r.trap, &choice.Trap}, std::pair{r.offense, &choice.Offense}})
            if (value) *field = static_cast<int16_t>(*value);
        if (!SaveLineup(league, team, choice, *ctx.host)) return kExitRefused;
    }
    PrintLineup(ctx.out, league, team);
    return opened->SaveIfChanged();
}

} // namespace

void AddRosterCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("roster", "Show a team's roster, depth chart, key players and settings");
    auto r = std::make_shared<RosterRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("TEAM", r->team, "Team name")->required();
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunRoster(ctx, *r); }; });
}

void AddLineupCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("lineup", "Change a human team's depth chart, key players and settings");
    auto r = std::make_shared<LineupRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("TEAM", r->team, "Team name")->required();
    cmd->add_flag("--auto", r->automatic, "Let the computer choose the line-up first");
    cmd->add_option("--depth", r->depth, "A depth-chart slot C1 .. PG3 and its player (ID or name)")
        ->type_name("SLOT=PLAYER");
    cmd->add_option("--key", r->keys, "Key player 1, 2 or 3 (ID or name)")->type_name("N=PLAYER");
    cmd->add_option("--pace", r->pace, "Pace: 0 Very Slow, 25 Slow, 50 Normal, 75 Fast, 100 Very Fast");
    cmd->add_option("--press", r->press,
                    "Full-court press: 0 Never, 25 Sometimes, 50 Often, 75 or 100 Always");
    cmd->add_option("--trap", r->trap, "Trap: 0 Never, 25 Sometimes, 50 Often, 75 or 100 Always");
    cmd->add_option("--offense", r->offense, "Offense: 0 Inside, 50 Balanced, 100 Outside");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunLineup(ctx, *r); }; });
}

} // namespace hv
