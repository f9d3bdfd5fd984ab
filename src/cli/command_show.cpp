// hoopvale-cli show NAME: the league's status line, then its options.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"

namespace hv {

void AddShowCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("show", "Show a saved league's season, phase and options");
    auto name = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->callback([&run, name] {
        run = [name](CliContext& ctx) -> int {
            int status;
            auto opened = OpenedLeague::Open(ctx, *name, status, LeagueAccess::Read);
            if (!opened) return status;
            const SeasonState& s = opened->league().state;
            ctx.out << "League: " << s.LeagueName << '\n';
            ctx.out << StatusLine(s) << '\n';
            PrintLeagueOptions(ctx.out, s);
            return kExitOk; // nothing to save: the command only reads
        };
    });
}

} // namespace hv
