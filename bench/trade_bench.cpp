// One computer trade pass over the default league, and the trades it makes: per pass, and per season of the
// 18 passes a season holds (every 7th day to day 98, day 100, the season's end, the draft and the camps).
#include <benchmark/benchmark.h>

#include "bench_league.h"
#include "personnel/computer_trades.h"
#include "personnel/draft_class.h"

namespace {

using hv::bench::SharedLeague;

const int kTradeDays[] = {7, 14, 21, 28, 35, 42, 49, 56, 63, 70, 77, 84, 91, 98, 100, 170, 180, 190};

hv::League TradingLeague(uint64_t seed) {
    hv::League league = SharedLeague();
    hv::EnsureComingDraftClass(league);
    league.rng.Seed(seed);
    league.state.SeasonDay = 7;
    return league;
}

void BM_ComputerTradePass(benchmark::State& state) {
    hv::ScriptedHost host;
    uint64_t seed = 0;
    int64_t trades = 0, passes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto league = std::make_unique<hv::League>(TradingLeague(++seed));
        state.ResumeTiming();
        trades += hv::RunComputerTrades(*league, host);
        ++passes;
    }
    state.counters["trades_per_pass"] = static_cast<double>(trades) / static_cast<double>(passes);
}

// A whole trading season, to count its trades.
void BM_ComputerTradeSeason(benchmark::State& state) {
    hv::ScriptedHost host;
    uint64_t seed = 0;
    int64_t trades = 0, seasons = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto league = std::make_unique<hv::League>(TradingLeague(++seed));
        state.ResumeTiming();
        for (int day : kTradeDays) {
            if (day == hv::Phase::RookieDraft) ++league->state.Season;
            league->state.SeasonDay = static_cast<int16_t>(day);
            trades += hv::RunComputerTrades(*league, host);
        }
        ++seasons;
    }
    state.counters["trades_per_season"] = static_cast<double>(trades) / static_cast<double>(seasons);
}

} // namespace

BENCHMARK(BM_ComputerTradePass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputerTradeSeason)->Unit(benchmark::kMillisecond)->Iterations(20);
