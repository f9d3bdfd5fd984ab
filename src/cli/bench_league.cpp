#include <filesystem>

#include "cli/bench_season.h"
#include "league/save_file.h"
#include "setup/default_league.h"

namespace fs = std::filesystem;

namespace hv {

namespace {
constexpr const char* kBenchLeague = "bench";
} // namespace

bool BenchLeague::Open(unsigned long long seed, GameEngine engine) {
    League& league = ctx_.session.league;
    Host& host = *ctx_.host;
    if (fs::exists(league.SaveFolder() / SaveFileName(kBenchLeague))) {
        host.ShowMessage("A saved league named \"bench\" exists; it is left alone.", "Error");
        return false;
    }
    league.rng.Seed(seed);
    opened_ = true; // from here on whatever the load leaves is removed
    if (!LoadDefaultLeagueKeepingRosters(ctx_.session, host, kBenchLeague)) return false;
    league.state.SeasonDay = Phase::BeforeSeason;
    league.state.Engine = engine;
    return true;
}

BenchLeague::~BenchLeague() {
    if (!opened_) return;
    const League& league = ctx_.session.league;
    std::error_code ec;
    fs::remove_all(league.LeagueFolderOf(kBenchLeague), ec);
    fs::remove(league.SaveFolder() / SaveFileName(kBenchLeague), ec);
}

} // namespace hv
