// hoopvale-cli leagues: the saved leagues with their season and phase.
// hoopvale-cli delete NAME: deletes a saved league after the load screen's question.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "league/status_line.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

// The status line of a saved game, read from its header alone.
std::string SavedStatus(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    try {
        SaveHeader header = DecodeSaveHeader(content.str());
        SeasonState state;
        state.Season = header.Season;
        state.SeasonDay = header.SeasonDay;
        return StatusLine(state);
    } catch (const FormatError&) {
        return "(not a valid saved game)";
    }
}

} // namespace

void AddLeaguesCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("leagues", "List the saved leagues with their season and phase");
    cmd->callback([&run] {
        run = [](CliContext& ctx) -> int {
            const fs::path home = ctx.session.league.programFolder;
            auto games = ListSavedGames(home);
            if (games.empty()) {
                ctx.out << "No saved leagues.\n";
                return kExitOk;
            }
            size_t width = 0;
            for (const auto& g : games)
                width = std::max(width, g.leagueName.size());
            for (const auto& g : games) {
                ctx.out << g.leagueName << std::string(width - g.leagueName.size() + 2, ' ')
                        << SavedStatus(home / "save" / g.fileName) << '\n';
            }
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
