// One whole game of the engine, with its box score written, without and with play-by-play.
#include <benchmark/benchmark.h>

#include "bench_league.h"
#include "engine/game.h"

namespace {

using hv::bench::SharedLeague;

void PlayGames(benchmark::State& state, bool pbp) {
    hv::League& league = SharedLeague();
    int16_t n = 0;
    for (auto _ : state) {
        int16_t home = static_cast<int16_t>(1 + n % hv::kLeagueTeams);
        int16_t away = static_cast<int16_t>(1 + (n + 1 + n / hv::kLeagueTeams) % hv::kLeagueTeams);
        if (away == home) away = static_cast<int16_t>(home % hv::kLeagueTeams + 1);
        n = static_cast<int16_t>((n + 1) % 10000);
        hv::clsGame game(league);
        game.StartGame(home, away, pbp, static_cast<int16_t>(n + 1), "Regular");
        game.SimGame();
        if (pbp) game.OutputPBP();
        benchmark::DoNotOptimize(game.HomeScore());
    }
    // Keep the game logs from growing without end over long runs.
    for (int id = 1; id <= hv::kLastLeaguePlayer; ++id)
        league.player(id).GameLog.clear();
}

void BM_GameNoPbp(benchmark::State& state) {
    PlayGames(state, false);
}
void BM_GameWithPbp(benchmark::State& state) {
    PlayGames(state, true);
}

BENCHMARK(BM_GameNoPbp)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GameWithPbp)->Unit(benchmark::kMicrosecond);

} // namespace
