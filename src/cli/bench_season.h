// hoopvale-cli bench --season and --seasons: whole seasons of the default league through the real day loop.
#pragma once

#include <chrono>
#include <ctime>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "league/season_state.h"

namespace hv {

// Builds the default league (seeded), begins the season, plays the regular season and the playoffs with the
// simulation commands, and prints the seconds of each phase, games per second, the champion and a checksum of
// every score. The league and its files are thrown away afterwards.
int RunSeasonBench(CliContext& ctx, unsigned long long seed, GameEngine engine = GameEngine::AsSpecified);

// Runs N whole seasons of the default league unattended, off-seasons included, and prints per season its
// processor seconds (the games and the off-season apart), champion, league averages per team-game, score
// checksum and a census of the league (players, rosters, ratings, payrolls, size of the saved game), then the
// total.
int RunSeasonsBench(CliContext& ctx, int seasons, unsigned long long seed,
                    GameEngine engine = GameEngine::AsSpecified);

// Runs N whole seasons of the default league unattended with the given engine and prints every league average
// of the regular seasons' games and the leaders' figures beside a real league's, with the difference in per
// cent and whether it lies within its allowed band; the calibrated engine's numbers are tuned with it.
int RunCalibrationBench(CliContext& ctx, int seasons, unsigned long long seed, GameEngine engine);

// The default league loaded as the throwaway league "bench" of the seasons benches, seeded and set before its
// first season with the given engine; its folder and saved game are removed when the object goes.
class BenchLeague {
  public:
    explicit BenchLeague(CliContext& ctx) : ctx_(ctx) {}
    ~BenchLeague();
    BenchLeague(const BenchLeague&) = delete;
    BenchLeague& operator=(const BenchLeague&) = delete;
    // False (after a message) when a saved league named "bench" exists, which is left alone, or when the
    // default league cannot be read.
    bool Open(unsigned long long seed, GameEngine engine);

  private:
    CliContext& ctx_;
    bool opened_ = false;
};

// Seconds between laps of the bench: wall-clock time, or the processor time of the program, which other
// programs running beside it hardly change.
template <class Clock = std::chrono::steady_clock> class Stopwatch {
  public:
    double Lap() {
        auto now = Clock::now();
        double s = std::chrono::duration<double>(now - start_).count();
        start_ = now;
        return s;
    }

  private:
    typename Clock::time_point start_ = Clock::now();
};

// The processor time of the program so far, as a clock for the stopwatch.
struct ProcessorClock {
    using duration = std::chrono::duration<double>;
    using time_point = std::chrono::time_point<ProcessorClock, duration>;
    static time_point now() { return time_point(duration(double(std::clock()) / CLOCKS_PER_SEC)); }
};

// One phase of a bench run: its processor and wall-clock seconds and the games it played.
struct BenchPhase {
    std::string name;
    double processor = 0, wall = 0;
    int games = 0;
};

// Times the phases of a bench run one after the other, on both clocks.
class PhaseTimer {
  public:
    // Ends the phase that ran since the previous one ended (or since the timer was made) and returns its
    // figures. They are kept under the name, added to those of earlier phases of the same name.
    BenchPhase EndPhase(const std::string& name, int games = 0);
    // Starts the next phase now, leaving out the time since the previous one ended.
    void Restart();
    const std::vector<BenchPhase>& Phases() const { return phases_; }
    // One line a script can read, "Summary:" and then KEY=VALUE fields apart by blanks: NAME_cpu_s and
    // NAME_wall_s of every phase name in the order first ended, then games, games_per_cpu_s and
    // games_per_wall_s over the phases that played games, and peak_memory_kb.
    std::string SummaryLine() const;

  private:
    Stopwatch<ProcessorClock> processor_;
    Stopwatch<> wall_;
    std::vector<BenchPhase> phases_;
};

// The most memory the program has held at once so far (its peak resident set), in kilobytes.
long PeakMemoryKB();

// A checksum of every played game of the schedule: day, game number and both scores, in schedule order.
uint64_t ScoreChecksum(const League& league);

} // namespace hv
