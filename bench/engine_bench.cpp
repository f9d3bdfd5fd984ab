// One whole game of the engine, with its box score written, without and with play-by-play.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>

#include "engine/game.h"
#include "league/default_league.h"
#include "league/startup.h"
#include "platform/scripted_host.h"

namespace fs = std::filesystem;

namespace {

// The default league keeping its rosters, in a temporary copy of the build's program folder.
class BenchLeague {
  public:
    BenchLeague() {
        std::random_device rd;
        home_ = fs::temp_directory_path() / ("hoopvale-bench-" + std::to_string(rd()));
        fs::copy(HOOPVALE_TEST_DATA, home_, fs::copy_options::recursive);
        session_.league.programFolder = home_;
        if (!hv::RunStartup(session_, host_) ||
            !hv::LoadDefaultLeagueKeepingRosters(session_, host_, "benchmark"))
            throw std::runtime_error("cannot set up the benchmark league");
        hv::EnsureLeagueFolders(home_, "benchmark");
        session_.league.state.SeasonDay = hv::Phase::FirstDay;
        session_.league.state.LeagueInjuries = false;
        session_.league.rng.Seed(1);
    }
    ~BenchLeague() {
        std::error_code ec;
        fs::remove_all(home_, ec);
    }
    hv::League& league() { return session_.league; }

  private:
    fs::path home_;
    hv::Session session_;
    hv::ScriptedHost host_;
};

hv::League& SharedLeague() {
    static BenchLeague bench;
    return bench.league();
}

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
