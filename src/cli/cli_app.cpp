#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <cstdlib>

#include "cli/commands.h"
#include "league/league_lock.h"
#include "platform/program_folder.h"
#include "reports/league_site.h"

namespace hv {

bool CliContext::Start() {
    host.emplace(err, answerYes);
    session.league.programFolder = ResolveProgramFolder(home, executable);
    if (seed) session.league.rng.Seed(*seed);
    try {
        return RunStartup(session, *host, {}, working);
    } catch (const std::exception& e) {
        host->ShowMessage(e.what(), "Error", MessageIcon::Critical);
        return false;
    }
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::filesystem::path& executable) {
    CliContext ctx(out, err, executable);
    InstallSiteHooks();
    CLI::App app{"Hoopvale basketball league simulation, command-line front end", "hoopvale-cli"};
    app.require_subcommand(1);
    std::string home;
    app.add_option("--home", home, "Program folder (default: HOOPVALE_HOME or the installed data)");
    unsigned long long seed = 0;
    auto* seedOption = app.add_option("--seed", seed, "Seed of the league's random numbers");
    bool answerYes = false, answerNo = false;
    auto* yes = app.add_flag("--yes", answerYes, "Answer every question with Yes (default)");
    auto* no = app.add_flag("--no", answerNo, "Answer every question with No");
    yes->excludes(no);
    app.add_option("--commish", ctx.commishPassword, "Log in as commissioner with this password first");
    double lockWait = LeagueLockWait().count() / 1000.0;
    app.add_option("--lock-wait", lockWait,
                   "Seconds a command that changes a league waits while another program holds it (default 2)")
        ->check(CLI::Validator(
            [](std::string& text) {
                // "nan" reads as a number and passes every range, yet no wait can be told from it.
                return std::isnan(std::strtod(text.c_str(), nullptr)) ? "Not a number of seconds: " + text
                                                                      : std::string();
            },
            "", "not NaN"))
        ->check(CLI::Range(0.0, 3600.0));
    app.set_version_flag("--version", WindowCaption(), "Show the program's version and exit");

    CommandRunner run;
    AddInfoCommand(app, ctx, run);
    AddBenchCommand(app, ctx, run);
    AddLeaguesCommand(app, ctx, run);
    AddDeleteCommand(app, ctx, run);
    AddShowCommand(app, ctx, run);
    AddPlayersCommand(app, ctx, run);
    AddOptionsCommand(app, ctx, run);
    AddPasswordCommand(app, ctx, run);
    AddStandingsCommand(app, ctx, run);
    AddScheduleCommand(app, ctx, run);
    AddLeadersCommand(app, ctx, run);
    AddTeamStatsCommand(app, ctx, run);
    AddTeamInfoCommand(app, ctx, run);
    AddRosterCommand(app, ctx, run);
    AddLineupCommand(app, ctx, run);
    AddRosterMoveCommands(app, ctx, run);
    AddInjuriesCommand(app, ctx, run);
    AddTransactionsCommand(app, ctx, run);
    AddControlCommand(app, ctx, run);
    AddPositionCommand(app, ctx, run);
    AddFindCommand(app, ctx, run);
    AddNewCommand(app, ctx, run);
    AddDraftCommand(app, ctx, run);
    AddLotteryCommand(app, ctx, run);
    AddDraftOrderCommand(app, ctx, run);
    AddProspectsCommand(app, ctx, run);
    AddFirstPicksCommand(app, ctx, run);
    AddImportRookiesCommand(app, ctx, run);
    AddResetCommand(app, ctx, run);
    AddTeamsCommand(app, ctx, run);
    AddBeginSeasonCommand(app, ctx, run);
    AddSimCommand(app, ctx, run);
    AddPlayoffsCommand(app, ctx, run);
    AddBracketCommand(app, ctx, run);
    AddEndSeasonCommand(app, ctx, run);
    AddChampionsCommand(app, ctx, run);
    AddBoxCommands(app, ctx, run);
    AddContractListCommands(app, ctx, run);
    AddFreeAgencyCommands(app, ctx, run);
    AddResignAndCampsCommands(app, ctx, run);
    AddTradeCommands(app, ctx, run);
    AddAwardsCommand(app, ctx, run);
    AddRecordsCommand(app, ctx, run);
    AddHistoryCommand(app, ctx, run);
    AddAllStarCommand(app, ctx, run);
    AddSimSeasonsCommand(app, ctx, run);
    AddStatsCommand(app, ctx, run);
    AddPlayerCommand(app, ctx, run);
    AddDashboardCommand(app, ctx, run);
    AddSiteCommand(app, ctx, run);
    AddEditCommands(app, ctx, run);
    AddImportStatsCommand(app, ctx, run);
    AddDefaultLeagueCommand(app, ctx, run);
    AddExportCommand(app, ctx, run);
    AddExhibitionCommand(app, ctx, run);
    AddCoachCommand(app, ctx, run);

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        // Help (of the program or of one command) goes to stdout; a usage error to stderr.
        return app.exit(e, out, err) == 0 ? kExitOk : kExitUsage;
    }
    if (!home.empty()) ctx.home = home;
    if (seedOption->count()) ctx.seed = seed;
    ctx.answerYes = !answerNo;
    ctx.commishGiven = app.count("--commish") > 0;
    SetLeagueLockWait(std::chrono::milliseconds(static_cast<long long>(lockWait * 1000)));
    if (!run) return kExitUsage;
    if (!ctx.Start()) return kExitStartup;
    // Whatever a command meets (a file system error, no memory left) ends it with a message, never an abort.
    try {
        return run(ctx);
    } catch (const FatalError& fatal) {
        ctx.host->ShowMessage(fatal.text, fatal.title, fatal.icon);
    } catch (const std::exception& e) {
        ctx.host->ShowMessage(std::string("The command failed: ") + e.what(), "Error", MessageIcon::Critical);
    } catch (...) {
        ctx.host->ShowMessage("The command failed.", "Error", MessageIcon::Critical);
    }
    return kExitRefused;
}

} // namespace hv
