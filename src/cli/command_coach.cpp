// hoopvale-cli coach NAME --day D --game G --script FILE: plays a scheduled game of a team the user coaches
// from a script of coach commands (see exhibition/coach_script.h), printing the scoreboard after each
// command. What the script leaves unplayed the engine plays to the end. A bad line is told with its number
// and nothing is saved.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "engine/box_score_files.h"
#include "exhibition/coach_script.h"
#include "reports/report_table.h"
#include "season/season_hooks.h"
#include "season/sim_commands.h"

namespace hv {

namespace {

struct CoachRequest {
    std::string name, script;
    int day = 0, game = 0;
};

// Removes the script's screen again however the command ends.
struct ScriptScreen {
    explicit ScriptScreen(CoachGameScreen screen) { SetCoachGameScreen(std::move(screen)); }
    ~ScriptScreen() { SetCoachGameScreen({}); }
    ScriptScreen(const ScriptScreen&) = delete;
    ScriptScreen& operator=(const ScriptScreen&) = delete;
};

int RunCoach(CliContext& ctx, const CoachRequest& r) {
    std::optional<std::vector<std::string>> lines = ReadTextLines(r.script);
    if (!lines) {
        ctx.host->ShowMessage("The script " + r.script + " was not found.", "File Not Found",
                              MessageIcon::Warning);
        return kExitRefused;
    }
    std::string error;
    std::optional<std::vector<CoachCommand>> commands = ParseCoachScript(*lines, error);
    if (!commands) {
        ctx.host->ShowMessage(error, "Coach Script", MessageIcon::Warning);
        return kExitRefused;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    const int day = league.state.SeasonDay;
    if (r.day != day) {
        ctx.host->ShowMessage("Only a game of the current day (" + std::to_string(day) + ") can be coached.",
                              "Coach Game", MessageIcon::Warning);
        return kExitRefused;
    }
    const bool regular = day >= Phase::FirstDay && day <= Phase::LastDay;
    if (day >= 1 && day < static_cast<int>(league.schedule.size()) && r.game >= 1 &&
        r.game <= std::min<int>(league.schedule[static_cast<size_t>(day)].NumGames, kGamesPerDay)) {
        const ScheduledGame& g = league.schedule[static_cast<size_t>(day)].Games[static_cast<size_t>(r.game)];
        const int home = league.FindTeam(g.HomeTeam), away = league.FindTeam(g.AwayTeam);
        if (!g.Played && !(home && league.team(home).CoachTeam) && !(away && league.team(away).CoachTeam)) {
            ctx.host->ShowMessage("Neither team of game " + std::to_string(r.game) + " of day " +
                                      std::to_string(day) + " is coached (control NAME --coach TEAM).",
                                  "Coach Game", MessageIcon::Warning);
            return kExitRefused;
        }
    }

    bool scriptFailed = false;
    ScriptScreen screen([&](League& l, Host& host, int, int game, int home, int away, const char* type) {
        CoachedGame coached(l, home, away, game, type);
        ctx.out << "Coached: " << VisibleText(coached.Caption()) << '\n';
        for (const std::string& line : coached.ScoreboardLines())
            ctx.out << VisibleText(line) << '\n';
        const bool ok = RunCoachScript(coached, *commands, error,
                                       [&](const CoachCommand& c, const std::vector<std::string>& board) {
                                           ctx.out << "\n> " << VisibleText(c.text) << '\n';
                                           for (const std::string& line : board)
                                               ctx.out << VisibleText(line) << '\n';
                                       });
        if (!ok) {
            scriptFailed = true;
            host.RequestStop();
            return true; // nothing of this run is saved
        }
        if (!coached.Over()) ctx.out << "\nThe engine plays the rest of the game.\n";
        coached.Finish();
        for (const std::string& line : coached.ScoreboardLines())
            ctx.out << VisibleText(line) << '\n';
        return true;
    });
    SimRun run;
    run.onResult = [&](const std::string& line, int) {
        if (!scriptFailed) ctx.out << "\n" << VisibleText(line) << '\n';
    };
    const SimReport report =
        regular ? RunSimGame(league, *ctx.host, run, r.game) : RunPlayoffGame(league, *ctx.host, run, r.game);
    if (scriptFailed) {
        ctx.host->ShowMessage(error + " Nothing was saved.", "Coach Script", MessageIcon::Warning);
        return kExitRefused;
    }
    if (report.outcome != SimOutcome::Done) {
        opened->SaveIfChanged();
        return kExitRefused;
    }
    return opened->SaveIfChanged();
}

} // namespace

void AddCoachCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd =
        app.add_subcommand("coach", "Coach a game of the current day from a script of coach commands");
    auto r = std::make_shared<CoachRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--day", r->day, "Day of the game (the current day)")->required();
    cmd->add_option("--game", r->game, "Game number within the day")->required();
    cmd->add_option("--script", r->script, "File of coach commands, one per line")->required();
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunCoach(ctx, *r); }; });
}

} // namespace hv
