// hoopvale-cli bench: plays many regular-season games between teams of the default league and reports the
// speed, the league averages and a checksum of the final scores. The same seed gives the same checksum on
// every run and machine, so a change of the engine's behaviour shows as a change of the checksum.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/bench_season.h"
#include "cli/commands.h"
#include "engine/engine_rules.h"
#include "engine/game.h"
#include "engine/game_stats_tally.h"
#include "league/save_file.h"
#include "league/saved_games.h"
#include "season/sim_seasons.h"
#include "setup/default_league.h"

namespace fs = std::filesystem;

namespace hv {

namespace {

constexpr int kDefaultBenchGames = 1189; // a regular season of 29 teams
constexpr unsigned long long kDefaultBenchSeed = 20030;
constexpr const char* kThrowawayLeague = "bench";

struct BenchOptions {
    int games = kDefaultBenchGames;
    unsigned long long seed = kDefaultBenchSeed;
    bool seedGiven = false;
    bool pbp = false;
    bool noFiles = false;
    bool season = false;
    int seasons = 0;
    bool save = false;
    std::string saveName;
    GameEngine engine = GameEngine::AsSpecified;
    bool calibrate = false;
    std::vector<std::string> tries; // NAME=VALUE of the calibrated engine's parameters
};

// The calibrated set with the values of --try; false (after a message) when one is not NAME=NUMBER of a
// parameter.
bool TryCalibratedValues(const std::vector<std::string>& tries, Host& host) {
    if (tries.empty()) return true;
    EngineRules rules = EngineRules::Calibrated();
    for (const std::string& t : tries) {
        const size_t eq = t.find('=');
        double value = 0;
        bool ok = eq != std::string::npos;
        if (ok) {
            try {
                size_t used = 0;
                value = std::stod(t.substr(eq + 1), &used);
                ok = used == t.size() - eq - 1;
            } catch (const std::exception&) {
                ok = false;
            }
        }
        if (!ok || !rules.Set(t.substr(0, eq), value)) {
            host.ShowMessage("\"" + t + "\" is not NAME=VALUE of a parameter of the calibrated engine.",
                             "Error");
            return false;
        }
    }
    EngineRules::TryCalibrated(rules);
    return true;
}

// A team 1 to 29 drawn with the league's random numbers.
int16_t DrawTeam(League& league) {
    int team = 1 + static_cast<int>(league.rng.Uniform() * kLeagueTeams);
    return static_cast<int16_t>(team > kLeagueTeams ? kLeagueTeams : team);
}

// Plays the games and counts them into the tally; false when stopped.
bool PlayBenchGames(League& league, Host& host, const BenchOptions& o, GameStatsTally& tally) {
    for (int i = 1; i <= o.games; ++i) {
        if (host.StopRequested()) return false;
        int16_t home = DrawTeam(league);
        int16_t away = DrawTeam(league);
        while (away == home)
            away = DrawTeam(league);
        clsGame game(league);
        game.StartGame(home, away, o.pbp, static_cast<int16_t>(i), GameType::Regular);
        if (o.noFiles) game.WriteBoxFiles(false);
        game.SimGame();
        if (o.pbp) game.OutputPBP();
        const GameSummary& s = game.Summary();
        tally.AddGame(s.HomeLine, s.AwayLine, game.HomeScore(), game.AwayScore(), game.PeriodsPlayed() > 4);
        tally.AddPossessions(game.HomePossessions(), game.AwayPossessions());
        host.PumpEvents();
    }
    return true;
}

std::string Fixed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

int RunBench(CliContext& ctx, const BenchOptions& o) {
    Host& host = *ctx.host;
    const std::string name = o.save ? o.saveName : kThrowawayLeague;
    League& league = ctx.session.league;
    fs::path folder = league.LeagueFolderOf(name);
    // Never overwrite a saved league nor clear the folder of one.
    if (fs::exists(league.SaveFolder() / SaveFileName(name))) {
        host.ShowMessage(
            "A saved league named \"" + name + "\" exists; it is left alone. " +
                (o.save ? "Choose another name." : "Use --save NAME to bench under another name."),
            "Error");
        return kExitRefused;
    }

    league.rng.Seed(o.seed);
    PhaseTimer timer;
    if (!LoadDefaultLeagueKeepingRosters(ctx.session, host, name)) return kExitRefused;
    EnsureLeagueFolders(league.programFolder, name);
    league.state.SeasonDay = Phase::FirstDay;
    league.state.Engine = o.engine;
    // No day passes between the games, so nobody would heal: the bench plays without injuries.
    league.state.LeagueInjuries = false;
    timer.EndPhase("setup");

    GameStatsTally tally;
    bool finished = false;
    try {
        finished = PlayBenchGames(league, host, o, tally);
    } catch (const std::exception& e) {
        host.ShowMessage(e.what(), "Error");
        std::error_code ec;
        if (!o.save) fs::remove_all(folder, ec);
        return kExitRefused;
    }
    const BenchPhase& games = timer.EndPhase("games", tally.Games());

    ctx.out << "Games: " << tally.Games() << (finished ? "" : " (stopped)") << (o.noFiles ? ", no files" : "")
            << '\n';
    ctx.out << "Seconds: " << Fixed("%.3f", games.processor) << " processor, " << Fixed("%.3f", games.wall)
            << " wall-clock\n";
    ctx.out << "Games per second: "
            << Fixed("%.1f", games.processor > 0 ? games.games / games.processor : 0.0) << " processor, "
            << Fixed("%.1f", games.wall > 0 ? games.games / games.wall : 0.0) << " wall-clock\n";
    ctx.out << timer.SummaryLine() << '\n';
    for (const std::string& line : tally.ReportLines())
        ctx.out << line << '\n';

    if (o.save) {
        if (!SaveGameAs(league, name, host)) return kExitRefused;
        ctx.out << "Saved: " << (league.SaveFolder() / SaveFileName(name)).string() << '\n';
    } else {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
    return finished ? kExitOk : kExitRefused;
}

} // namespace

void AddBenchCommand(CLI::App& app, CliContext& ctx, CommandRunner& run) {
    auto options = std::make_shared<BenchOptions>();
    auto* cmd = app.add_subcommand("bench", "Play many games of the default league and report speed, league "
                                            "averages and a checksum of the scores");
    auto* games = cmd->add_option("--games", options->games, "Number of games (default 1189)")
                      ->check(CLI::Range(1, 32767));
    auto* seed = cmd->add_option("--seed", options->seed, "Seed of the random numbers (default 20030)");
    auto* pbp = cmd->add_flag("--pbp", options->pbp, "Also write the play-by-play files");
    auto* noFiles = cmd->add_flag("--no-files", options->noFiles,
                                  "Write no box score files: the speed of the game engine alone");
    auto* season = cmd->add_flag(
        "--season", options->season,
        "Play a whole season instead: begin season, the regular season and the playoffs through the "
        "day loop, timed by phase");
    auto* save = cmd->add_option("--save", options->saveName,
                                 "Name the league and save it as save/NAME.sav afterwards");
    auto* seasons = cmd->add_option("--seasons", options->seasons,
                                    "Run N whole seasons unattended, off-seasons included, one line per "
                                    "season with its speed and the league's health")
                        ->check(CLI::Range(1, kMostSeasonsPerRun));
    noFiles->excludes(pbp);
    cmd->add_option("--engine", options->engine, "The game engine: specified (default) or calibrated")
        ->transform(
            CLI::CheckedTransformer(std::map<std::string, GameEngine>{{"specified", GameEngine::AsSpecified},
                                                                      {"calibrated", GameEngine::Calibrated}},
                                    CLI::ignore_case));
    auto* calibrate = cmd->add_flag("--calibrate", options->calibrate,
                                    "With --seasons: every league average and the leaders beside a real "
                                    "league's, with the difference in per cent");
    calibrate->needs(seasons);
    cmd->add_option("--try", options->tries,
                    "NAME=VALUE: play the calibrated engine with this value of one of its parameters "
                    "(repeatable)");
    season->excludes(games)->excludes(pbp)->excludes(save)->excludes(noFiles);
    seasons->excludes(season)->excludes(games)->excludes(pbp)->excludes(save)->excludes(noFiles);
    cmd->callback([&run, &ctx, options, seed, save] {
        ctx.working = WorkingDatabase::Copy; // the games are played by the default league
        options->seedGiven = seed->count() > 0;
        options->save = save->count() > 0;
        run = [options](CliContext& ctx) {
            BenchOptions o = *options;
            if (!o.seedGiven && ctx.seed) o.seed = *ctx.seed;
            // The tried values last for this command only.
            struct ForgetTried {
                ~ForgetTried() { EngineRules::ClearTried(); }
            } forget;
            if (!TryCalibratedValues(o.tries, *ctx.host)) return static_cast<int>(kExitRefused);
            if (o.season) return RunSeasonBench(ctx, o.seed, o.engine);
            if (o.calibrate) return RunCalibrationBench(ctx, o.seasons, o.seed, o.engine);
            if (o.seasons > 0) return RunSeasonsBench(ctx, o.seasons, o.seed, o.engine);
            if (o.save) {
                if (auto problem = LeagueNameProblem(o.saveName)) {
                    static_cast<Host&>(*ctx.host).ShowMessage(*problem, "Error");
                    return static_cast<int>(kExitRefused);
                }
            }
            return RunBench(ctx, o);
        };
    });
}

} // namespace hv
