// Saving and loading a league of full size: 650 players, each with a whole season's game log.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "../tests/support/sample_league.h"
#include "league/save_file.h"
#include "platform/scripted_host.h"

namespace fs = std::filesystem;

namespace {

const hv::League& FullLeague() {
    static const hv::League league = [] {
        hv::League l;
        hv::testing::FillSampleLeague(
            l, {.seed = 11, .gameLogEntries = 82, .seasonHistoryEntries = 5, .emptyEvery = 0});
        return l;
    }();
    return league;
}

fs::path BenchFolder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("hoopvale-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder / "save");
    return folder;
}

void BM_EncodeLeague(benchmark::State& state) {
    const hv::League& league = FullLeague();
    size_t size = 0;
    for (auto _ : state) {
        std::string bytes = hv::EncodeLeague(league, "bench");
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["file_bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_EncodeLeague)->Unit(benchmark::kMillisecond);

void BM_DecodeLeague(benchmark::State& state) {
    const std::string bytes = hv::EncodeLeague(FullLeague(), "bench");
    for (auto _ : state) {
        hv::League loaded;
        hv::DecodeLeague(bytes, loaded);
        benchmark::DoNotOptimize(loaded.freeIDs.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DecodeLeague)->Unit(benchmark::kMillisecond);

// The whole save: encoding, writing a temporary file, forcing it to disk and renaming it.
void BM_SaveLeagueToDisk(benchmark::State& state) {
    hv::League league = FullLeague();
    league.programFolder = BenchFolder();
    hv::ScriptedHost host;
    for (auto _ : state)
        if (!hv::SaveLeague(league, "bench", host)) state.SkipWithError("save failed");
}
BENCHMARK(BM_SaveLeagueToDisk)->Unit(benchmark::kMillisecond);

// The whole load: reading the file, checking and decoding it, rebuilding the derived values, the folders.
void BM_LoadLeagueFromDisk(benchmark::State& state) {
    hv::League league = FullLeague();
    league.programFolder = BenchFolder();
    hv::ScriptedHost host;
    if (!hv::SaveLeague(league, "bench", host)) state.SkipWithError("save failed");
    for (auto _ : state)
        if (!hv::LoadLeague(league, "bench.sav", host)) state.SkipWithError("load failed");
    std::error_code ec;
    fs::remove_all(BenchFolder(), ec);
}
BENCHMARK(BM_LoadLeagueFromDisk)->Unit(benchmark::kMillisecond);

} // namespace
