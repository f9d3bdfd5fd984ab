// The default league keeping its rosters, in a temporary copy of the build's program folder, shared by the
// benchmarks.
#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>

#include "platform/scripted_host.h"
#include "setup/default_league.h"
#include "setup/startup.h"
#include "support/build_paths.h"

namespace hv::bench {

class BenchLeague {
  public:
    BenchLeague() {
        namespace fs = std::filesystem;
        std::random_device rd;
        home_ = fs::temp_directory_path() / ("hoopvale-bench-" + std::to_string(rd()));
        fs::copy(hv::build_paths::kTestData, home_, fs::copy_options::recursive);
        session_.league.programFolder = home_;
        if (!RunStartup(session_, host_) || !LoadDefaultLeagueKeepingRosters(session_, host_, "benchmark"))
            throw std::runtime_error("cannot set up the benchmark league");
        EnsureLeagueFolders(home_, "benchmark");
        session_.league.state.SeasonDay = Phase::FirstDay;
        session_.league.state.LeagueInjuries = false;
        session_.league.rng.Seed(1);
    }
    ~BenchLeague() {
        std::error_code ec;
        std::filesystem::remove_all(home_, ec);
    }
    BenchLeague(const BenchLeague&) = delete;
    BenchLeague& operator=(const BenchLeague&) = delete;
    League& league() { return session_.league; }

  private:
    std::filesystem::path home_;
    Session session_;
    ScriptedHost host_;
};

// One league for the whole benchmark run.
inline League& SharedLeague() {
    static BenchLeague bench;
    return bench.league();
}

} // namespace hv::bench
