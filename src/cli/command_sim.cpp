// hoopvale-cli sim NAME (--day | --week | --month | --half | --season | --to-day D | --game G)
// hoopvale-cli playoffs NAME (--day | --all | --game G), hoopvale-cli bracket NAME
// The schedule screen's and the playoffs screen's commands: the same spans, questions (answered by --yes or
// --no) and refusals; each day's result lines are printed as they are played, then where the league stands.
// The league is saved after the run, also when it stopped on the way, and a run of more than a week after
// every week.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"
#include "reports/playoff_tables.h"
#include "season/playoffs.h"
#include "season/sim_commands.h"

namespace hv {

namespace {

struct SimRequest {
    std::string name;
    bool day = false, week = false, month = false, half = false, season = false, all = false;
    std::optional<int> toDay, game;
};

// Result lines under a heading per day, as the screens list them; a long run saves on its way, each save
// told on stderr.
SimRun PrintingRun(CliContext& ctx, OpenedLeague& opened) {
    SimRun run;
    run.checkpoint = opened.Checkpoint();
    run.onSaved = [&ctx](const std::string& line) { ctx.err << line << '\n'; };
    run.onDayStart = [&ctx](int day) { ctx.out << "Day " << day << ":\n"; };
    run.onResult = [&ctx](const std::string& line, int) { ctx.out << "  " << VisibleText(line) << '\n'; };
    return run;
}

// Where the league stands after a run, the champion once there is one, and the exit status.
int Finish(CliContext& ctx, OpenedLeague& opened, const SimReport& report) {
    League& league = opened.league();
    if (report.outcome == SimOutcome::AllStarBreak)
        ctx.host->ShowMessage(kAllStarBreakNotice, "All-Star Break", MessageIcon::Information);
    if (report.outcome == SimOutcome::Done || report.outcome == SimOutcome::Stopped) {
        for (const std::string& line : ChampionLines(league))
            ctx.out << line << '\n';
        ctx.out << (report.outcome == SimOutcome::Stopped ? "Stopped: " : "") << StatusLine(league.state)
                << '\n';
    }
    int saved = opened.SaveIfChanged();
    if (saved != kExitOk) return saved;
    return report.outcome == SimOutcome::Done ? kExitOk : kExitRefused;
}

int Chosen(std::initializer_list<bool> flags) {
    int n = 0;
    for (bool f : flags)
        n += f ? 1 : 0;
    return n;
}

int RunSim(CliContext& ctx, const SimRequest& r) {
    if (Chosen({r.day, r.week, r.month, r.half, r.season, r.toDay.has_value(), r.game.has_value()}) != 1) {
        ctx.err << "sim: give one of --day, --week, --month, --half, --season, --to-day D or --game G\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    SimRun run = PrintingRun(ctx, *opened);
    if (r.game) {
        if (run.onDayStart) run.onDayStart(league.state.SeasonDay);
        return Finish(ctx, *opened, RunSimGame(league, *ctx.host, run, *r.game));
    }
    SimSpan span = r.day      ? SimSpan::Day
                   : r.week   ? SimSpan::Week
                   : r.month  ? SimSpan::Month
                   : r.half   ? SimSpan::Half
                   : r.season ? SimSpan::Season
                              : SimSpan::ToDay;
    return Finish(ctx, *opened, RunSimCommand(league, *ctx.host, run, span, r.toDay.value_or(0)));
}

int RunPlayoffs(CliContext& ctx, const SimRequest& r) {
    if (Chosen({r.day, r.all, r.game.has_value()}) != 1) {
        ctx.err << "playoffs: give one of --day, --all or --game G\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    SimRun run = PrintingRun(ctx, *opened);
    if (r.game) return Finish(ctx, *opened, RunPlayoffGame(league, *ctx.host, run, *r.game));
    return Finish(ctx, *opened,
                  RunPlayoffCommand(league, *ctx.host, run, r.all ? PlayoffSpan::All : PlayoffSpan::Day));
}

int RunBracket(CliContext& ctx, const std::string& name, bool csv) {
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status, LeagueAccess::Read);
    if (!opened) return status;
    const League& league = opened->league();
    const int day = league.state.SeasonDay;
    if (day < Phase::FirstPlayoffDay || day > Phase::LastEndSeason) {
        ctx.host->ShowMessage("The playoffs of this season have not begun (" + StatusLine(league.state) +
                                  ").",
                              "Playoffs", MessageIcon::Information);
        return kExitRefused;
    }
    // On day 121 the series are those the playoffs will begin with; the league itself is only read.
    std::unique_ptr<League> drawn;
    if (day == Phase::FirstPlayoffDay && !(drawn = PlayoffsDrawnOnCopy(league, *ctx.host)))
        return kExitRefused;
    const League& shown = drawn ? *drawn : league;
    ReportTable table = BracketTable(shown);
    if (csv) {
        WriteCsv(ctx.out, table);
        return kExitOk;
    }
    WriteText(ctx.out, table);
    if (drawn) ctx.out << "The playoffs begin with these series.\n";
    for (const std::string& line : ChampionLines(shown))
        ctx.out << line << '\n';
    return kExitOk;
}

} // namespace

void AddSimCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("sim", "Play regular-season days of a saved league");
    auto r = std::make_shared<SimRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--day", r->day, "The current day (stops for the All-Star break on day 60)");
    cmd->add_flag("--week", r->week, "Five days");
    cmd->add_flag("--month", r->month, "Twenty days");
    cmd->add_flag("--half", r->half, "To day 59, the eve of the All-Star break");
    cmd->add_flag("--season", r->season, "To the end of the regular season");
    cmd->add_option("--to-day", r->toDay, "Up to and including day D");
    cmd->add_option("--game", r->game, "Only game G of the current day");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunSim(ctx, *r); }; });
}

void AddPlayoffsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("playoffs",
                                   "Play playoff days of a saved league (begins the playoffs on day 121)");
    auto r = std::make_shared<SimRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_flag("--day", r->day, "The current playoff day");
    cmd->add_flag("--all", r->all, "Every day to the end of the playoffs");
    cmd->add_option("--game", r->game, "Only game G of the current day");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunPlayoffs(ctx, *r); }; });
}

void AddBracketCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("bracket", "The playoff series and their standing");
    auto name = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->add_flag("--csv", *csv, "Comma-separated values with a header line");
    cmd->callback(
        [&run, name, csv] { run = [name, csv](CliContext& ctx) { return RunBracket(ctx, *name, *csv); }; });
}

} // namespace hv
