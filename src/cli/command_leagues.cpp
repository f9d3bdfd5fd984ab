// hoopvale-cli leagues: the saved leagues with their season and phase.
// hoopvale-cli delete NAME: deletes a saved league after the load screen's question.
#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "reports/saved_games_table.h"

namespace hv {

void AddLeaguesCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("leagues", "List the saved leagues with their season and phase");
    cmd->callback([&run] {
        run = [](CliContext& ctx) -> int {
            std::string problem;
            auto games = ListSavedGames(ctx.session.league.programFolder, &problem);
            if (!problem.empty()) {
                ctx.host->ShowMessage(problem, "Error", MessageIcon::Critical);
                return kExitRefused;
            }
            if (games.empty())
                ctx.out << "No saved leagues.\n";
            else
                WriteText(ctx.out, SavedGamesTable(games));
            return kExitOk;
        };
    });
}

void AddDeleteCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("delete", "Delete a saved league (asks first; --no keeps it)");
    auto name = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->callback([&run, name] {
        run = [name](CliContext& ctx) -> int {
            if (auto problem = LeagueNameProblem(*name)) {
                ctx.host->ShowMessage(*problem, "Error", MessageIcon::Warning);
                return kExitRefused;
            }
            bool deleted = DeleteSavedGame(ctx.session.league.programFolder, SaveFileName(*name), *ctx.host);
            if (!deleted) return kExitRefused;
            ctx.out << "Deleted " << SaveFileName(*name) << '\n';
            return kExitOk;
        };
    });
}

} // namespace hv
