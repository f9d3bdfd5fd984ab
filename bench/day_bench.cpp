// One day of the regular season through the day loop: the roster checks, every game of the day with its box
// files, and the end of the day (standings, injuries, awards of the week, free agents).
#include <benchmark/benchmark.h>

#include "bench_league.h"
#include "season/begin_season.h"
#include "season/day_loop.h"

namespace {

// The shared league on day 1 of a season with its schedule.
const hv::League& BegunSeason() {
    static const hv::League begun = [] {
        hv::League league = hv::bench::SharedLeague();
        hv::ScriptedHost host;
        league.state.SeasonDay = hv::Phase::BeforeSeason;
        if (!hv::BeginSeason(league, host, true)) throw std::runtime_error("the season could not begin");
        league.state.LeagueInjuries = true;
        return league;
    }();
    return begun;
}

// Day 10 of a fresh copy each time, so that every iteration plays the same games from the same rosters.
void BM_OneDay(benchmark::State& state) {
    hv::ScriptedHost host;
    uint64_t seed = 1;
    int games = 0;
    for (auto _ : state) {
        state.PauseTiming();
        hv::League league = BegunSeason();
        league.state.SeasonDay = 10;
        league.rng.Seed(seed++);
        hv::SimRun run;
        run.unattended = true;
        state.ResumeTiming();
        if (hv::SimDay(league, host, run, 10) != hv::DayResult::Completed)
            state.SkipWithError("a game failed");
        games += league.schedule[10].NumGames;
        benchmark::DoNotOptimize(league.state.SeasonDay);
    }
    state.counters["games"] = benchmark::Counter(games, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OneDay)->Unit(benchmark::kMillisecond);

} // namespace
