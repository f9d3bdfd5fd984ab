// hoopvale-cli options NAME [--injuries on|off] [--save-boxes on|off] [--lock-sim on|off] [--lock-end on|off]
//                           [--salary-cap TEXT] [--engine specified|calibrated] [--trades specified|shrewd]
// hoopvale-cli password NAME (--set PASSWORD | --none)
// Both change the league only with the commissioner's rights (or in a league without a password).
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/league_options.h"

namespace hv {

namespace {

constexpr const char* kCommissionerOnly =
    "Only the league commissioner may change the league options; log in with --commish PASSWORD.";

struct OptionChanges {
    std::string name;
    std::string injuries, saveBoxes, lockSim, lockEnd; // "on", "off" or "" (unchanged)
    std::optional<std::string> salaryCap;
    std::string engine, trades; // "specified", "calibrated"/"shrewd" or "" (unchanged)
    bool Any() const {
        return !injuries.empty() || !saveBoxes.empty() || !lockSim.empty() || !lockEnd.empty() || salaryCap;
    }
    bool AnyRules() const { return !engine.empty() || !trades.empty(); }
};

void Apply(const std::string& choice, bool& value) {
    if (!choice.empty()) value = choice == "on";
}

int RunOptions(CliContext& ctx, const OptionChanges& o) {
    int status;
    auto opened = OpenedLeague::Open(ctx, o.name, status);
    if (!opened) return status;
    SeasonState& state = opened->league().state;
    if (o.Any() || o.AnyRules()) {
        // The game engine and the trade judgement: once the season has begun, the commissioner's alone.
        const bool allowed =
            (!o.Any() || CanEditOptions(state)) && (!o.AnyRules() || MayChangeLeagueRules(state));
        if (!allowed) {
            ctx.host->ShowMessage(kCommissionerOnly, "League Options", MessageIcon::Warning);
            return kExitRefused;
        }
        // Everything is checked on a copy, so a refused cap changes nothing at all.
        SeasonState changed = state;
        Apply(o.injuries, changed.LeagueInjuries);
        Apply(o.saveBoxes, changed.SaveBoxScores);
        Apply(o.lockSim, changed.LockSimulation);
        Apply(o.lockEnd, changed.LockEndSeason);
        if (!o.engine.empty())
            changed.Engine = o.engine == "calibrated" ? GameEngine::Calibrated : GameEngine::AsSpecified;
        if (!o.trades.empty())
            changed.Trades = o.trades == "shrewd" ? TradeJudgement::Shrewd : TradeJudgement::AsSpecified;
        if (o.salaryCap && !SetSalaryCapFromText(changed, *o.salaryCap, *ctx.host)) return kExitRefused;
        state = changed;
    }
    PrintLeagueOptions(ctx.out, state);
    return opened->SaveIfChanged();
}

struct PasswordChange {
    std::string name;
    std::optional<std::string> password;
    bool none = false;
};

int RunPassword(CliContext& ctx, const PasswordChange& p) {
    if (!p.password && !p.none) {
        ctx.host->ShowMessage("Give --set PASSWORD or --none.", "Usage", MessageIcon::Warning);
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, p.name, status);
    if (!opened) return status;
    SeasonState& state = opened->league().state;
    if (!CanSetPassword(state)) {
        ctx.host->ShowMessage("Only the league commissioner may change the league password; log in with "
                              "--commish PASSWORD.",
                              "Set/Change League Password", MessageIcon::Warning);
        return kExitRefused;
    }
    if (!SetLeaguePassword(state, p.none ? std::nullopt : p.password, *ctx.host)) return kExitRefused;
    ctx.out << "Password: " << (HasPassword(state) ? "set" : "none") << '\n';
    return opened->SaveIfChanged();
}

} // namespace

void AddOptionsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("options", "Show or change a saved league's options");
    auto o = std::make_shared<OptionChanges>();
    cmd->add_option("NAME", o->name, "League name")->required();
    auto onOff = CLI::IsMember({"on", "off"});
    cmd->add_option("--injuries", o->injuries, "Injuries happen in this league")->check(onOff);
    cmd->add_option("--save-boxes", o->saveBoxes, "Keep the box-score files")->check(onOff);
    cmd->add_option("--lock-sim", o->lockSim, "Only the commissioner may simulate games")->check(onOff);
    cmd->add_option("--lock-end", o->lockEnd, "Only the commissioner may end the season")->check(onOff);
    // The example survives a shell: a "$" inside double quotes would be expanded.
    cmd->add_option("--salary-cap", o->salaryCap, "Salary cap in dollars, e.g. 42500000 or '$42,500,000'");
    cmd->add_option("--engine", o->engine, "Game engine: specified (as the rules say) or calibrated")
        ->check(CLI::IsMember({"specified", "calibrated"}));
    cmd->add_option("--trades", o->trades, "Trade judgement: specified (as the rules say) or shrewd")
        ->check(CLI::IsMember({"specified", "shrewd"}));
    cmd->callback([&run, o] { run = [o](CliContext& ctx) { return RunOptions(ctx, *o); }; });
}

void AddPasswordCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("password", "Set or remove a saved league's password");
    auto p = std::make_shared<PasswordChange>();
    cmd->add_option("NAME", p->name, "League name")->required();
    auto* set = cmd->add_option("--set", p->password, "The new password");
    auto* none = cmd->add_flag("--none", p->none, "Remove the password");
    set->excludes(none);
    cmd->callback([&run, p] { run = [p](CliContext& ctx) { return RunPassword(ctx, *p); }; });
}

} // namespace hv
