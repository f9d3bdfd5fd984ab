// The season's schedule from the shipped matchup list, and one computation of the standings.
#include <benchmark/benchmark.h>

#include "platform/scripted_host.h"
#include "season/schedule.h"
#include "season/standings.h"
#include "support/build_paths.h"

namespace {

hv::League NamedLeague() {
    hv::League league;
    league.programFolder = hv::build_paths::kTestData;
    for (int t = 1; t <= hv::kLeagueTeams; ++t) {
        hv::Team& team = league.team(t);
        team.Name = "T" + std::to_string(t);
        const hv::DivisionInfo& d = hv::kDivisions[t <= 7 ? 0 : t <= 15 ? 1 : t <= 22 ? 2 : 3];
        team.Division = d.name;
        team.Conference = d.conference;
    }
    return league;
}

// Reading Schedule.dat, the shuffle and the placement of its 1189 games.
void BM_GenerateSchedule(benchmark::State& state) {
    hv::League league = NamedLeague();
    hv::ScriptedHost host;
    for (auto _ : state) {
        league.state.SeasonDay = hv::Phase::BeforeSeason;
        if (!hv::GenerateSchedule(league, host)) state.SkipWithError("the schedule could not be made");
        benchmark::DoNotOptimize(league.schedule[1].NumGames);
    }
}
BENCHMARK(BM_GenerateSchedule)->Unit(benchmark::kMicrosecond);

// Standings in mid-season: distinct records with a few ties, head-to-head results between every pair.
void BM_ComputeStandings(benchmark::State& state) {
    hv::League league = NamedLeague();
    for (int t = 1; t <= hv::kLeagueTeams; ++t) {
        hv::Team& team = league.team(t);
        team.HomeWins = static_cast<int16_t>(10 + t % 9);
        team.RoadLosses = static_cast<int16_t>(12 + t % 7);
        for (int o = 1; o <= hv::kLeagueTeams; ++o) {
            team.SeasonWinsVs[static_cast<size_t>(o)] = static_cast<int16_t>((t + o) % 3);
            team.SeasonLossesVs[static_cast<size_t>(o)] = static_cast<int16_t>((t * o) % 3);
            team.PointsVs[static_cast<size_t>(o)] = static_cast<int16_t>(t - o);
        }
    }
    for (auto _ : state) {
        hv::ComputeStandings(league);
        benchmark::DoNotOptimize(league.team(1).DivRank);
    }
}
BENCHMARK(BM_ComputeStandings)->Unit(benchmark::kMicrosecond);

} // namespace
