// One whole off-season of the default league: the players' end of season, the rookie draft, free agency and
// the training camps with the computer camp cuts; and one free-agency period alone.
#include <benchmark/benchmark.h>

#include "bench_league.h"
#include "personnel/development.h"
#include "personnel/draft.h"
#include "personnel/free_agency.h"
#include "personnel/season_end.h"
#include "season/roster_manager.h"

namespace {

// The default league as it stands when the season has just ended.
hv::League EndedSeason() {
    hv::League league = hv::bench::SharedLeague();
    league.state.Season = static_cast<int16_t>(league.state.Season + 1);
    league.state.SeasonDay = hv::Phase::RookieDraft;
    league.state.DraftState = league.state.DraftPickState = 0;
    return league;
}

void BM_WholeOffSeason(benchmark::State& state) {
    hv::ScriptedHost host;
    uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        hv::League league = EndedSeason();
        league.rng.Seed(seed++);
        state.ResumeTiming();
        hv::ProcessSeasonEnd(league, host);
        if (!hv::RunRookieDraftUnattended(league, host)) state.SkipWithError("the rookie draft failed");
        for (int step = 0; step < 10 && hv::FreeAgencyOpen(league.state); ++step)
            hv::FreeAgencyStep(league, host);
        hv::CampCuts(league);
        hv::RunTrainingCamps(league, host);
        benchmark::DoNotOptimize(league.state.SeasonDay);
    }
}
BENCHMARK(BM_WholeOffSeason)->Unit(benchmark::kMillisecond);

void BM_FreeAgencyPeriod(benchmark::State& state) {
    hv::ScriptedHost host;
    uint64_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        hv::League league = hv::bench::SharedLeague();
        league.state.SeasonDay = hv::Phase::FirstFreeAgency;
        league.rng.Seed(seed++);
        state.ResumeTiming();
        for (int step = 0; step < 10 && hv::FreeAgencyOpen(league.state); ++step)
            hv::FreeAgencyStep(league, host);
        benchmark::DoNotOptimize(league.tables.transactions.size());
    }
}
BENCHMARK(BM_FreeAgencyPeriod)->Unit(benchmark::kMillisecond);

} // namespace
