// hoopvale-cli bench --calibrate --seasons N: the default league run for N seasons with one engine, its
// games' league averages and its leaders beside those of a real league of the same era (2001 to 2003), so
// that anyone can see and re-run the calibration of the engine.
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <vector>

#include "cli/bench_season.h"
#include "engine/engine_rules.h"
#include "engine/game.h"
#include "engine/game_stats_tally.h"
#include "league/save_file.h"
#include "season/sim_seasons.h"
#include "setup/default_league.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

constexpr double kLeadersGamesShare = 0.7; // as the league leaders qualify

// One line of the table: what was measured, the real league's figure and how far from it is still right.
struct Figure {
    const char* name;
    double measured;
    double target;
    double allowed;     // in per cent of the target, or 0 when the band below is given
    double low, high;   // the allowed band when `allowed` is 0
    const char* format; // of the three numbers
};

// The players' per-game figures of one regular season.
struct SeasonLeaders {
    int season = 0;
    double scoring = 0, tenthScorer = 0, rebounding = 0, assists = 0;
};

SeasonLeaders LeadersOf(const League& league) {
    int teamGames = 0;
    for (int t = 1; t <= kLeagueTeams; ++t)
        teamGames = std::max(teamGames, league.team(t).Wins() + league.team(t).Losses());
    const int least = static_cast<int>(std::ceil(kLeadersGamesShare * teamGames - 1e-9));
    std::vector<double> points, rebounds, assists;
    for (const Player& p : league.players) {
        const SeasonTotals& s = p.SeasonStats;
        if (p.IsEmpty() || s.Games < least || s.Games == 0) continue;
        points.push_back(double(s.Points) / s.Games);
        rebounds.push_back(double(s.Rebounds) / s.Games);
        assists.push_back(double(s.Assists) / s.Games);
    }
    SeasonLeaders l;
    auto best = [](std::vector<double>& v, size_t rank) {
        if (v.size() <= rank) return 0.0;
        std::nth_element(v.begin(), v.begin() + static_cast<long>(rank), v.end(), std::greater<>());
        return v[rank];
    };
    l.scoring = best(points, 0);
    l.tenthScorer = best(points, 9);
    l.rebounding = best(rebounds, 0);
    l.assists = best(assists, 0);
    return l;
}

} // namespace

int RunCalibrationBench(CliContext& ctx, int seasons, unsigned long long seed, GameEngine engine) {
    Host& host = *ctx.host;
    League& league = ctx.session.league;
    BenchLeague bench(ctx);
    if (!bench.Open(seed, engine)) return kExitRefused;
    struct StopWatching {
        ~StopWatching() { clsGame::WatchFinishedGames(nullptr); }
    } stopWatching;

    // Every regular-season game: its team lines, possessions and result, and its starters' minutes.
    GameStatsTally tally;
    double starterSeconds = 0;
    int64_t starters = 0;
    clsGame::WatchFinishedGames([&](const clsGame& game) {
        if (game.sType() != GameType::Regular) return;
        const GameSummary& s = game.Summary();
        tally.AddGame(s.HomeLine, s.AwayLine, game.HomeScore(), game.AwayScore(), game.PeriodsPlayed() > 4);
        tally.AddPossessions(game.HomePossessions(), game.AwayPossessions());
        for (const auto* roster : {&game.HomeRoster(), &game.AwayRoster()})
            for (int16_t id : *roster) {
                if (id == 0) continue;
                const PlayerGameState& g = game.GameLeague().player(id).Game;
                if (!g.Started) continue;
                starterSeconds += g.Seconds;
                ++starters;
            }
    });
    std::vector<SeasonLeaders> leaders;
    SimSeasonsHooks hooks;
    hooks.onSeasonPlayed = [&](League& l) {
        leaders.push_back(LeadersOf(l));
        leaders.back().season = l.state.Season;
    };

    ctx.out << "Engine: " << (engine == GameEngine::Calibrated ? "calibrated" : "as specified") << ", "
            << seasons << " season" << (seasons == 1 ? "" : "s") << ", seed " << seed << '\n';
    ctx.out << "Parameters:";
    for (const auto& [name, value] : EngineRules::For(engine).Parameters())
        ctx.out << ' ' << name << '=' << fmt::format("{:g}", value);
    ctx.out << '\n';
    for (int n = 1; n <= seasons; ++n) {
        const SeasonsOutcome outcome = SimSeasons(league, host, 1, hooks);
        if (outcome != SeasonsOutcome::Done) {
            ctx.out << "Season " << n << (outcome == SeasonsOutcome::Stopped ? " stopped" : " failed")
                    << '\n';
            return kExitRefused;
        }
        const SeasonLeaders& l = leaders.back();
        ctx.out << fmt::format("Season {}: scoring leader {:.1f}, tenth scorer {:.1f}, rebounds {:.1f}, "
                               "assists {:.1f}\n",
                               l.season, l.scoring, l.tenthScorer, l.rebounding, l.assists);
        ctx.out.flush();
    }

    const GameStatsTally::Averages a = tally.PerTeamGame();
    SeasonLeaders mean;
    for (const SeasonLeaders& l : leaders) {
        mean.scoring += l.scoring / double(leaders.size());
        mean.tenthScorer += l.tenthScorer / double(leaders.size());
        mean.rebounding += l.rebounding / double(leaders.size());
        mean.assists += l.assists / double(leaders.size());
    }
    const double starterMinutes = starters ? starterSeconds / 60.0 / double(starters) : 0.0;
    const std::vector<Figure> figures = {
        {"Points", a.Points, 95.3, 5, 0, 0, "{:8.1f}"},
        {"Possessions", a.Possessions, 91.0, 5, 0, 0, "{:8.1f}"},
        {"FG%", a.FGPct, 0.444, 5, 0, 0, "{:8.3f}"},
        {"3P%", a.ThreePPct, 0.352, 5, 0, 0, "{:8.3f}"},
        {"3PA", a.ThreePA, 14.7, 5, 0, 0, "{:8.1f}"},
        {"FT%", a.FTPct, 0.755, 5, 0, 0, "{:8.3f}"},
        {"FTA", a.FTA, 24.1, 5, 0, 0, "{:8.1f}"},
        {"Rebounds", a.Rebounds, 42.4, 5, 0, 0, "{:8.1f}"},
        {"Assists", a.Assists, 21.7, 5, 0, 0, "{:8.1f}"},
        {"Steals", a.Steals, 7.9, 10, 0, 0, "{:8.1f}"},
        {"Blocks", a.Blocks, 5.1, 10, 0, 0, "{:8.1f}"},
        {"Turnovers", a.Turnovers, 14.7, 5, 0, 0, "{:8.1f}"},
        {"Fouls", a.Fouls, 21.5, 5, 0, 0, "{:8.1f}"},
        {"Home wins", tally.HomeWinShare(), 0.61, 5, 0, 0, "{:8.3f}"},
        {"Overtime games", tally.OvertimeShare(), 0.06, 10, 0, 0, "{:8.3f}"},
        {"Starters' minutes", starterMinutes, 35.5, 0, 32, 38, "{:8.1f}"},
        {"Scoring leader PPG", mean.scoring, 31.5, 0, 28, 35, "{:8.1f}"},
        {"Tenth scorer PPG", mean.tenthScorer, 23.0, 0, 21, 27, "{:8.1f}"},
        {"Rebound leader RPG", mean.rebounding, 14.0, 0, 12, 16, "{:8.1f}"},
        {"Assist leader APG", mean.assists, 10.0, 0, 8, 12, "{:8.1f}"},
    };

    ctx.out << fmt::format("{} regular-season games; league averages per team-game, leaders per game (the "
                           "mean of the seasons)\n",
                           tally.Games());
    ctx.out << "Figure                Measured   Target   Diff %   Allowed\n";
    int off = 0;
    for (const Figure& f : figures) {
        const double diff = f.target != 0 ? 100.0 * (f.measured - f.target) / f.target : 0.0;
        const bool within =
            f.allowed > 0 ? std::abs(diff) <= f.allowed : f.measured >= f.low && f.measured <= f.high;
        off += within ? 0 : 1;
        const std::string band = f.allowed > 0 ? fmt::format("+-{:.0f} %", f.allowed)
                                               : fmt::format("{:.0f} to {:.0f}", f.low, f.high);
        ctx.out << fmt::format("{:<20}", f.name) << fmt::format(fmt::runtime(f.format), f.measured) << ' '
                << fmt::format(fmt::runtime(f.format), f.target)
                << fmt::format(" {:+8.1f}   {:<12} {}\n", diff, band, within ? "ok" : "OFF");
    }
    ctx.out << (off == 0 ? std::string("Every figure within its band.")
                         : fmt::format("{} figure{} outside {} band.", off, off == 1 ? "" : "s",
                                       off == 1 ? "its" : "their"))
            << '\n';
    return kExitOk;
}

} // namespace hv
