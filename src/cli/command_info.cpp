// hoopvale-cli info: the caption, the program folder, the settings and the saved leagues.
#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "league/saved_games.h"
#include "reports/report_table.h"

namespace hv {

void AddInfoCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("info", "Start up and show the program folder, settings and saved leagues");
    cmd->callback([&run] {
        run = [](CliContext& ctx) {
            const Settings& s = ctx.session.settings;
            ctx.out << WindowCaption() << '\n';
            ctx.out << "Program folder: " << ctx.session.league.programFolder.string() << '\n';
            ctx.out << "SalaryStyle=" << s.SalaryStyle << '\n';
            ctx.out << "SalaryCap=" << s.SalaryCap << '\n';
            ctx.out << "FirstSeason=" << s.FirstSeason << '\n';
            std::string problem;
            auto games = ListSavedGames(ctx.session.league.programFolder, &problem);
            ctx.out << "Saved leagues: " << games.size() << '\n';
            for (const auto& game : games)
                ctx.out << "  " << VisibleText(game.leagueName) << '\n';
            if (!problem.empty()) {
                ctx.host->ShowMessage(problem, "Error", MessageIcon::Critical);
                return kExitRefused;
            }
            return kExitOk;
        };
    });
}

} // namespace hv
