// hoopvale-cli sim-seasons NAME N: simulates N whole seasons unattended from where the league stands, with
// the Sim Multiple Seasons screen's refusals. Each step's status line goes to stderr; the league is saved
// after every season; Ctrl-C stops the run before its next step, and the league is saved as far as it got.
#include <CLI/CLI.hpp>

#include <csignal>

#include "cli/command_league_file.h"
#include "cli/commands.h"
#include "league/status_line.h"
#include "season/sim_seasons.h"

namespace hv {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
    interrupted = 1;
}

// Ctrl-C asks the run to stop for as long as it goes on; the usual handling comes back afterwards.
class InterruptStopsRun {
  public:
    InterruptStopsRun() : previous_(std::signal(SIGINT, OnInterrupt)) { interrupted = 0; }
    ~InterruptStopsRun() { std::signal(SIGINT, previous_); }
    InterruptStopsRun(const InterruptStopsRun&) = delete;
    InterruptStopsRun& operator=(const InterruptStopsRun&) = delete;

  private:
    void (*previous_)(int);
};

int RunSimSeasons(CliContext& ctx, const std::string& name, const std::string& count) {
    Host& host = *ctx.host;
    int status;
    auto opened = OpenedLeague::Open(ctx, name, status);
    if (!opened) return status;
    League& league = opened->league();
    if (!MaySimSeasons(league, host)) return kExitRefused;
    const std::optional<int> seasons = ParseSeasonCount(count, host, true);
    if (!seasons) return kExitRefused;

    InterruptStopsRun interrupt;
    SimSeasonsHooks hooks;
    hooks.onStatus = [&](const std::string& line) {
        ctx.err << line << '\n';
        if (interrupted) host.RequestStop();
    };
    hooks.checkpoint = opened->Checkpoint();
    const SeasonsOutcome outcome = SimSeasons(league, host, *seasons, hooks);
    if (outcome == SeasonsOutcome::Refused) return kExitRefused;
    ctx.out << (outcome == SeasonsOutcome::Done ? "" : "Stopped: ") << StatusLine(league.state) << '\n';
    const int saved = opened->SaveIfChanged();
    if (saved != kExitOk) return saved;
    return outcome == SeasonsOutcome::Done ? kExitOk : kExitRefused;
}

} // namespace

void AddSimSeasonsCommand(CLI::App& app, CliContext&, CommandRunner& run) {
    auto* cmd = app.add_subcommand("sim-seasons", "Simulate whole seasons unattended: the computer plays the "
                                                  "games and makes every off-season choice");
    auto name = std::make_shared<std::string>();
    auto count = std::make_shared<std::string>();
    cmd->add_option("NAME", *name, "League name")->required();
    cmd->add_option("N", *count, "Number of seasons; the run ends on day 0 of the season N on")->required();
    cmd->callback([&run, name, count] {
        run = [name, count](CliContext& ctx) { return RunSimSeasons(ctx, *name, *count); };
    });
}

} // namespace hv
