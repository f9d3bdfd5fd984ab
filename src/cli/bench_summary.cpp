// The timing of bench runs: phases on the processor and wall clocks, and the summary line.
#include <sys/resource.h>

#include <fmt/format.h>

#include <algorithm>

#include "cli/bench_season.h"

namespace hv {

BenchPhase PhaseTimer::EndPhase(const std::string& name, int games) {
    const BenchPhase lap{name, processor_.Lap(), wall_.Lap(), games};
    auto kept =
        std::find_if(phases_.begin(), phases_.end(), [&](const BenchPhase& p) { return p.name == name; });
    if (kept == phases_.end()) {
        phases_.push_back(lap);
    } else {
        kept->processor += lap.processor;
        kept->wall += lap.wall;
        kept->games += lap.games;
    }
    return lap;
}

void PhaseTimer::Restart() {
    processor_.Lap();
    wall_.Lap();
}

std::string PhaseTimer::SummaryLine() const {
    std::string line = "Summary:";
    int games = 0;
    double processor = 0, wall = 0;
    for (const BenchPhase& phase : phases_) {
        line += fmt::format(" {0}_cpu_s={1:.3f} {0}_wall_s={2:.3f}", phase.name, phase.processor, phase.wall);
        if (phase.games == 0) continue;
        games += phase.games;
        processor += phase.processor;
        wall += phase.wall;
    }
    line +=
        fmt::format(" games={} games_per_cpu_s={:.1f} games_per_wall_s={:.1f} peak_memory_kb={}", games,
                    processor > 0 ? games / processor : 0.0, wall > 0 ? games / wall : 0.0, PeakMemoryKB());
    return line;
}

long PeakMemoryKB() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) return 0;
    return usage.ru_maxrss; // kilobytes on Linux
}

} // namespace hv
