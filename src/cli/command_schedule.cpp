// hoopvale-cli schedule NAME [--team T] [--day D] [--csv] [--generate]: the season's games with their scores;
// --generate first makes a new schedule from Schedule.dat, while no scheduled game has been played.
#include <CLI/CLI.hpp>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "reports/schedule_table.h"
#include "season/schedule.h"

namespace hv {

namespace {

struct ScheduleRequest {
    std::string name;
    std::optional<std::string> team;
    std::optional<int> day;
    bool csv = false;
    bool generate = false;
};

bool AnyGamePlayed(const League& league) {
    for (int d = 1; d <= kScheduleDays; ++d)
        for (const ScheduledGame& g : league.schedule[static_cast<size_t>(d)].Games)
            if (g.Played) return true;
    return false;
}

bool AnyGameScheduled(const League& league) {
    for (int d = 1; d <= kScheduleDays; ++d)
        if (league.schedule[static_cast<size_t>(d)].NumGames > 0) return true;
    return false;
}

// Makes a new schedule in a regular season that has not played a scheduled game yet.
bool Generate(CliContext& ctx, League& league) {
    Host& host = *ctx.host;
    const int16_t day = league.state.SeasonDay;
    if (day < Phase::FirstDay || day > Phase::LastDay) {
        host.ShowMessage(
            "A schedule can be made only during the regular season (days 1 to 120); the league is "
            "on day " +
                std::to_string(day) + ".",
            "Error", MessageIcon::Warning);
        return false;
    }
    if (AnyGamePlayed(league)) {
        host.ShowMessage("The schedule already holds played games; a new schedule would lose their results.",
                         "Error", MessageIcon::Warning);
        return false;
    }
    if (AnyGameScheduled(league) &&
        !host.AskYesNo("The league already has a schedule. Would you like to replace it?", "Schedule"))
        return false;
    return GenerateSchedule(league, host);
}

int RunSchedule(CliContext& ctx, const ScheduleRequest& r) {
    if (r.day && (*r.day < 1 || *r.day > kScheduleDays)) {
        ctx.err << "schedule: --day must be 1 to " << kScheduleDays << "\n";
        return kExitUsage;
    }
    int status;
    auto opened = OpenedLeague::Open(ctx, r.name, status);
    if (!opened) return status;
    League& league = opened->league();
    int team = 0;
    if (r.team && (team = ResolveTeam(ctx, league, *r.team)) == 0) return kExitRefused;
    if (r.generate && !Generate(ctx, league)) return kExitRefused;

    ReportTable table = ScheduleTable(league, team, r.day.value_or(0));
    WriteTable(ctx.out, table, r.csv);
    return opened->SaveIfChanged();
}

} // namespace

void AddScheduleCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("schedule", "List a saved league's schedule and results");
    auto r = std::make_shared<ScheduleRequest>();
    cmd->add_option("NAME", r->name, "League name")->required();
    cmd->add_option("--team", r->team, "Only this team's games, with its results and record");
    cmd->add_option("--day", r->day, "Only the games of this day (1 to 169)");
    cmd->add_flag("--csv", r->csv, "Comma-separated values with a header line");
    cmd->add_flag("--generate", r->generate,
                  "Make a new regular-season schedule first (only before any scheduled game is played)");
    cmd->callback([&run, r] { run = [r](CliContext& ctx) { return RunSchedule(ctx, *r); }; });
}

} // namespace hv
