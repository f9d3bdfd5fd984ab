// hoopvale-cli box NAME --day D --game G, pbp NAME --day D --game G: a played game's box score and its
// play-by-play, as the box-score viewer shows them.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/box_score_report.h"

namespace hv {

namespace {

struct GameRequest {
    std::string name;
    int day = 0, game = 0;
};

int RunBox(CliContext& ctx, const GameRequest& r, bool pbp) {
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    std::optional<std::vector<std::string>> lines;
    if (pbp) {
        lines = LoadGamePbp(league, *ctx.host, r.day, r.game);
    } else if (auto box = LoadGameBox(league, *ctx.host, r.day, r.game)) {
        lines = BoxScoreText(*box);
    }
    if (!lines) return kExitRefused;
    for (const std::string& line : *lines)
        ctx.out << VisibleText(line) << '\n';
    return kExitOk;
}

void AddGameCommand(CLI::App& app, CommandRunner& run, const char* name, const char* description, bool pbp) {
    auto* cmd = app.add_subcommand(name, description);
    auto r = std::make_shared<GameRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--day", r->day, "Day of the game")->required()->check(CLI::Range(1, kScheduleDays));
    cmd->add_option("--game", r->game, "Game number within the day")
        ->required()
        ->check(CLI::Range(1, kGamesPerDay));
    cmd->callback([&run, r, pbp] { run = [r, pbp](CliContext& ctx) { return RunBox(ctx, *r, pbp); }; });
}

} // namespace

void AddBoxCommands(CLI::App& app, CliContext&, CommandRunner& run) {
    AddGameCommand(app, run, "box", "The box score of a played game", false);
    AddGameCommand(app, run, "pbp", "The play-by-play of a played game, when it was kept", true);
}

} // namespace hv
