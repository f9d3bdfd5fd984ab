// The roster work of the season: the computer camp cuts over the whole league, and the end of a day's roster
// steps (injury reports, healing, free-agent pickups) with a few injuries to work off.
#include <benchmark/benchmark.h>

#include "bench_league.h"
#include "league/player_injury.h"
#include "season/injuries.h"
#include "season/roster_manager.h"

namespace {

using hv::bench::SharedLeague;

void BM_CampCuts(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto league = std::make_unique<hv::League>(SharedLeague());
        state.ResumeTiming();
        benchmark::DoNotOptimize(hv::CampCuts(*league));
    }
}

void BM_EndOfDayRosterSteps(benchmark::State& state) {
    hv::ScriptedHost host;
    for (auto _ : state) {
        state.PauseTiming();
        auto league = std::make_unique<hv::League>(SharedLeague());
        // Four players of different teams hurt in the day's games.
        for (int team = 1; team <= 4; ++team) {
            const int id = 10 * team;
            hv::InjurePlayer(*league, id, 1 + team);
            league->dayInjuries.push_back(
                {static_cast<int16_t>(id), static_cast<int16_t>(league->FindTeam(league->player(id).Team))});
        }
        state.ResumeTiming();
        hv::ReportInjuries(*league, host);
        hv::HealOneDay(*league, host);
        hv::SignBetterFreeAgents(*league);
    }
}

} // namespace

BENCHMARK(BM_CampCuts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EndOfDayRosterSteps)->Unit(benchmark::kMicrosecond);
