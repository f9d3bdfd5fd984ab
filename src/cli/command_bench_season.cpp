#include <chrono>
#include <cstdio>
#include <filesystem>

#include "cli/bench_season.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "season/begin_season.h"
#include "season/playoffs.h"
#include "season/sim_commands.h"
#include "season/sim_seasons.h"
#include "setup/default_league.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

constexpr const char* kBenchLeague = "bench";

int PlayedGames(const League& league, int firstDay, int lastDay) {
    int played = 0;
    for (int d = firstDay; d <= lastDay; ++d) {
        const ScheduleDay& day = league.schedule[static_cast<size_t>(d)];
        for (int g = 1; g <= std::min<int>(day.NumGames, kGamesPerDay); ++g)
            played += day.Games[static_cast<size_t>(g)].Played ? 1 : 0;
    }
    return played;
}

std::string Seconds(double s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", s);
    return text;
}

std::string PerSecond(int games, double s) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", s > 0 ? games / s : 0.0);
    return text;
}

} // namespace

uint64_t ScoreChecksum(const League& league) {
    uint64_t sum = 1469598103934665603ull; // FNV-1a over the played games
    auto mix = [&sum](int value) {
        sum ^= static_cast<uint64_t>(static_cast<uint32_t>(value));
        sum *= 1099511628211ull;
    };
    for (int d = 1; d <= kScheduleDays; ++d) {
        const ScheduleDay& day = league.schedule[static_cast<size_t>(d)];
        for (int g = 1; g <= std::min<int>(day.NumGames, kGamesPerDay); ++g) {
            const ScheduledGame& game = day.Games[static_cast<size_t>(g)];
            if (!game.Played) continue;
            for (int v : {d, g, static_cast<int>(game.HomeScore), static_cast<int>(game.AwayScore)})
                mix(v);
        }
    }
    return sum;
}

int RunSeasonBench(CliContext& ctx, unsigned long long seed, GameEngine engine) {
    Host& host = *ctx.host;
    League& league = ctx.session.league;
    if (fs::exists(league.SaveFolder() / SaveFileName(kBenchLeague))) {
        host.ShowMessage("A saved league named \"bench\" exists; it is left alone.", "Error");
        return kExitRefused;
    }
    league.rng.Seed(seed);
    if (!LoadDefaultLeagueKeepingRosters(ctx.session, host, kBenchLeague)) return kExitRefused;
    const fs::path folder = league.LeagueFolderOf(kBenchLeague);
    struct RemoveFolder {
        fs::path folder;
        ~RemoveFolder() {
            std::error_code ec;
            fs::remove_all(folder, ec);
        }
    } cleanup{folder};
    league.state.SeasonDay = Phase::BeforeSeason;
    league.state.Engine = engine;

    SimRun run;
    PhaseTimer timer;
    if (!BeginSeason(league, host, true)) return kExitRefused;
    const BenchPhase begin = timer.EndPhase("begin");
    const SimReport regular = RunSimCommand(league, host, run, SimSpan::Season);
    const BenchPhase season = timer.EndPhase("regular", PlayedGames(league, Phase::FirstDay, Phase::LastDay));
    if (regular.outcome != SimOutcome::Done) return kExitRefused;
    const SimReport playoffs = RunPlayoffCommand(league, host, run, PlayoffSpan::All);
    const BenchPhase playoff =
        timer.EndPhase("playoffs", PlayedGames(league, kFirstPlayoffGameDay, kScheduleDays));
    const int champion = PlayoffChampion(league);
    const uint64_t checksum = ScoreChecksum(league);
    if (playoffs.outcome != SimOutcome::Done || champion == 0) return kExitRefused;
    // The end of the season and the off-season up to day 0 of the next season, as seasons run unattended.
    timer.Restart();
    const bool offSeason = SimSeasons(league, host, 1) == SeasonsOutcome::Done;
    const BenchPhase off = timer.EndPhase("offseason");

    ctx.out << "Begin season: " << Seconds(begin.processor) << " s\n";
    for (const BenchPhase* phase : {&season, &playoff})
        ctx.out << (phase == &season ? "Regular season: " : "Playoffs: ") << phase->games << " games, "
                << Seconds(phase->processor) << " s, " << PerSecond(phase->games, phase->processor)
                << " games per second\n";
    ctx.out << "Off-season: " << Seconds(off.processor) << " s\n";
    double cycle = 0;
    for (const BenchPhase& phase : timer.Phases())
        cycle += phase.processor;
    ctx.out << "Whole season: " << Seconds(cycle) << " s (processor seconds)\n";
    ctx.out << "Champion: " << league.team(champion).City << ' ' << league.team(champion).Name << '\n';
    ctx.out << "Score checksum: " << checksum << '\n';
    ctx.out << timer.SummaryLine() << '\n';
    return offSeason ? kExitOk : kExitRefused;
}

} // namespace hv
