// hoopvale-cli bench --seasons N: the default league run for N whole seasons unattended, one line per season
// as it ends, so that a long run shows its speed and its league's health as it goes.
#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>

#include "cli/bench_season.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "reports/league_census.h"
#include "season/playoffs.h"
#include "season/sim_seasons.h"
#include "setup/default_league.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

constexpr const char* kBenchLeague = "bench";

// What the bench reads from a season once its playoffs are over.
struct PlayedSeason {
    int16_t season = 0;
    std::string champion = "none";
    uint64_t checksum = 0;
    std::string averages;
};

// The regular season's league averages per team-game, from the teams' season totals.
std::string AveragesPerTeamGame(const League& league) {
    // Summed over the teams, in this order.
    enum { Points, Rebounds, Assists, Steals, Blocks, Turnovers, FG, FGA, ThreeP, ThreePA, FT, FTA, Count };
    static constexpr std::array<int32_t Team::*, Count> kTotals{
        &Team::Points, &Team::Rebounds, &Team::Assists, &Team::Steals,  &Team::Blocks, &Team::Turnovers,
        &Team::FG,     &Team::FGA,      &Team::ThreeP,  &Team::ThreePA, &Team::FT,     &Team::FTA};
    double games = 0;
    std::array<double, Count> sum{};
    for (int slot = 1; slot <= kLeagueTeams; ++slot) {
        const Team& t = league.team(slot);
        games += t.Wins() + t.Losses();
        for (size_t k = 0; k < kTotals.size(); ++k)
            sum[k] += t.*kTotals[k];
    }
    auto per = [&](int k) { return games > 0 ? sum[static_cast<size_t>(k)] / games : 0.0; };
    auto pct = [&](int made, int tried) {
        const double t = sum[static_cast<size_t>(tried)];
        return t > 0 ? 100.0 * sum[static_cast<size_t>(made)] / t : 0.0;
    };
    return fmt::format("{:5.1f} {:4.1f} {:4.1f} {:4.1f} {:4.1f} {:4.1f} {:4.1f} {:4.1f} {:4.1f}", per(Points),
                       per(Rebounds), per(Assists), per(Steals), per(Blocks), per(Turnovers), pct(FG, FGA),
                       pct(ThreeP, ThreePA), pct(FT, FTA));
}

// Regular-season and playoff games played in the season.
int PlayedGames(const League& league) {
    int played = 0;
    for (const ScheduleDay& day : league.schedule)
        for (int g = 1; g <= std::min<int>(day.NumGames, kGamesPerDay); ++g)
            played += day.Games[static_cast<size_t>(g)].Played ? 1 : 0;
    return played;
}

std::uintmax_t SizeOf(const fs::path& file) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    return ec ? 0 : size;
}

} // namespace

int RunSeasonsBench(CliContext& ctx, int seasons, unsigned long long seed, GameEngine engine) {
    Host& host = *ctx.host;
    League& league = ctx.session.league;
    BenchLeague bench(ctx);
    if (!bench.Open(seed, engine)) return kExitRefused;
    const fs::path saveFile = league.SaveFolder() / SaveFileName(kBenchLeague);

    ctx.out
        << "Processor seconds of each season's games (regular season and playoffs) and of its off-season; "
           "averages per team-game of the regular season; the league after the off-season.\n";
    ctx.out << "Season  Games s  Off s  Champion                    PTS   REB  AST  STL  BLK  TO   FG%  3P%  "
               "FT%  Checksum              Players Free Lost Roster Rating Payroll$M  Save KB  Save ms  "
               "Load ms\n";
    PlayedSeason played;
    SimSeasonsHooks hooks;
    PhaseTimer timer;
    BenchPhase games;
    hooks.onSeasonPlayed = [&](League& l) {
        games = timer.EndPhase("games", PlayedGames(l));
        played.season = l.state.Season;
        const int champion = PlayoffChampion(l);
        if (champion) played.champion = l.team(champion).City + " " + l.team(champion).Name;
        played.checksum = ScoreChecksum(l);
        played.averages = AveragesPerTeamGame(l);
    };
    double firstSeason = 0, lastSeason = 0;
    for (int n = 1; n <= seasons; ++n) {
        played = PlayedSeason{};
        timer.Restart();
        const SeasonsOutcome outcome = SimSeasons(league, host, 1, hooks);
        const BenchPhase off = timer.EndPhase("offseason");
        if (outcome != SeasonsOutcome::Done) {
            ctx.out << "Season " << n << (outcome == SeasonsOutcome::Stopped ? " stopped" : " failed")
                    << '\n';
            return kExitRefused;
        }
        lastSeason = games.processor + off.processor;
        if (n == 1) firstSeason = lastSeason;
        if (!SaveGameAs(league, kBenchLeague, host)) return kExitRefused;
        const BenchPhase save = timer.EndPhase("save");
        // The saved league read back into a league of its own, as the load screen reads it.
        auto reloaded = std::make_unique<League>();
        reloaded->programFolder = league.programFolder;
        if (!LoadLeague(*reloaded, SaveFileName(kBenchLeague), host)) return kExitRefused;
        const BenchPhase load = timer.EndPhase("load");
        reloaded.reset();
        const LeagueCensus c = TakeCensus(league);
        ctx.out << fmt::format(
            "{:6} {:8.3f} {:6.3f}  {:<26.26} {}  {:<20}  {:7} {:4} {:4}  {:2}-{:2} {:6.1f} {:9.1f} "
            "{:8} {:8.1f} {:8.1f}\n",
            played.season, games.processor, off.processor, played.champion, played.averages, played.checksum,
            c.usedSlots, c.freeIDs, c.leakedIDs + c.unattached, c.smallestRoster, c.largestRoster,
            c.meanRating, c.medianPayroll / 1e6, SizeOf(saveFile) / 1024, 1000 * save.processor,
            1000 * load.processor);
        ctx.out.flush();
    }
    double processor = 0, wall = 0;
    for (const BenchPhase& phase : timer.Phases()) {
        processor += phase.processor;
        wall += phase.wall;
    }
    ctx.out << fmt::format("Total: {} seasons, {:.3f} s processor time, {:.3f} s wall-clock time\n", seasons,
                           processor, wall);
    ctx.out << fmt::format("{} last_to_first={:.3f}\n", timer.SummaryLine(),
                           firstSeason > 0 ? lastSeason / firstSeason : 0.0);
    return kExitOk;
}

} // namespace hv
