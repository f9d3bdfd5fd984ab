// hoopvale-cli reset NAME: turns the league into a creation-draft league (asks first; --no keeps it).
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"
#include "setup/new_league.h"

namespace hv {

void AddResetCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("reset", "Release every player and start over with a creation draft");
    auto name = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->callback([&run, name] {
        run = [name](CliContext& ctx) -> int {
            int status;
            auto opened = OpenedLeague::Open(ctx, *name, status);
            if (!opened) return status;
            League& league = opened->league();
            if (!league.state.CommissionerRights) {
                ctx.host->ShowMessage(
                    "Only the league commissioner may reset the league; log in with --commish "
                    "PASSWORD.",
                    "Reset League", MessageIcon::Warning);
                return kExitRefused;
            }
            if (!ctx.host->AskYesNo(kResetQuestion, "Reset League")) return kExitRefused;
            ResetLeague(league, ctx.session.settings.SalaryStyle);
            ctx.out << StatusLine(league.state) << '\n';
            return opened->SaveIfChanged();
        };
    });
}

} // namespace hv
