// hoopvale-cli control NAME [--all human|computer] [--all-pbp on|off] [--human T]... [--computer T]...
//                           [--coach T]... [--no-coach T]... [--pbp T on|off]...
// Who runs each team, who coaches its games and whether they get play-by-play; prints the table afterwards.
#include <CLI/CLI.hpp>

#include <set>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/team_control.h"
#include "reports/team_control_table.h"

namespace hv {

namespace {

struct ControlRequest {
    std::string name;
    std::string all, allPbp; // "" unchanged
    std::vector<std::string> human, computer, coach, noCoach;
    std::vector<std::pair<std::string, std::string>> pbp; // team, "on" or "off"
};

// Resolves every team of `texts`; false (message shown) at the first unknown one.
bool ResolveAll(CliContext& ctx, const League& league, const std::vector<std::string>& texts,
                std::vector<int>& slots) {
    for (const std::string& text : texts) {
        int slot = ResolveTeam(ctx, league, text);
        if (slot == 0) return false;
        slots.push_back(slot);
    }
    return true;
}

bool Overlap(const std::vector<int>& a, const std::vector<int>& b) {
    std::set<int> first(a.begin(), a.end());
    for (int slot : b)
        if (first.count(slot)) return true;
    return false;
}

int RunControl(CliContext& ctx, const ControlRequest& r) {
    for (const auto& [team, state] : r.pbp)
        if (state != "on" && state != "off") {
            ctx.err << "control: --pbp takes a team and on or off, not \"" << state << "\"\n";
            return kExitUsage;
        }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    std::vector<int> human, computer, coach, noCoach, pbpTeams;
    std::vector<std::string> pbpNames;
    for (const auto& entry : r.pbp)
        pbpNames.push_back(entry.first);
    if (!ResolveAll(ctx, league, r.human, human) || !ResolveAll(ctx, league, r.computer, computer) ||
        !ResolveAll(ctx, league, r.coach, coach) || !ResolveAll(ctx, league, r.noCoach, noCoach) ||
        !ResolveAll(ctx, league, pbpNames, pbpTeams))
        return kExitRefused;
    if (Overlap(human, computer) || Overlap(coach, noCoach)) {
        ctx.err
            << "control: a team cannot be named on both sides of --human/--computer or --coach/--no-coach\n";
        return kExitUsage;
    }

    if (!r.all.empty()) SetEveryOwner(league, r.all == "human");
    if (!r.allPbp.empty()) SetEveryPlayByPlay(league, r.allPbp == "on");
    for (int slot : human)
        SetHuman(league.team(slot), true);
    for (int slot : computer)
        SetHuman(league.team(slot), false);
    for (int slot : coach)
        league.team(slot).CoachTeam = true;
    for (int slot : noCoach)
        league.team(slot).CoachTeam = false;
    for (size_t i = 0; i < pbpTeams.size(); ++i)
        league.team(pbpTeams[i]).pbp = r.pbp[i].second == "on";

    WriteText(ctx.out, TeamControlTable(league));
    return opened->SaveIfChanged();
}

} // namespace

void AddControlCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("control", "Show or change who runs and coaches each team, and play-by-play");
    auto r = std::make_shared<ControlRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--all", r->all, "Every team run by the user or by the computer")
        ->check(CLI::IsMember({"human", "computer"}));
    cmd->add_option("--all-pbp", r->allPbp, "Play-by-play for every team")
        ->check(CLI::IsMember({"on", "off"}));
    cmd->add_option("--human", r->human, "A team the user runs")->type_name("TEAM");
    cmd->add_option("--computer", r->computer, "A team the computer runs")->type_name("TEAM");
    cmd->add_option("--coach", r->coach, "A team whose games the user coaches")->type_name("TEAM");
    cmd->add_option("--no-coach", r->noCoach, "A team whose games the user no longer coaches")
        ->type_name("TEAM");
    cmd->add_option("--pbp", r->pbp, "Play-by-play for one team")->type_name("TEAM on|off");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunControl(ctx, *r); }; });
}

} // namespace hv
