// Whole matches on the headless toolkit: a seeded random player against the
// computer, on the virtual clock, one match after another on one thread.
// Besides Google Benchmark's own report it prints
// "matches-per-second <rate by processor time>".

// own
#include "support/random_player.h"

// std
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void wholeMatches(benchmark::State &state)
{
    std::uint64_t seed = 1;
    for (auto _ : state) {
        pipstone::test::RandomPlayer player(seed++);
        player.checkInvariants = false; // the game alone, not the test's checks
        const auto problems = player.playMatch();
        if (!problems.empty()) {
            state.SkipWithError(("match " + std::to_string(seed - 1) + ": " + problems.front()).c_str());
            break;
        }
        benchmark::DoNotOptimize(player.hands);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(wholeMatches)->Unit(benchmark::kMillisecond);

// Google Benchmark's console report, keeping the rate for the last line.
class RateReporter : public benchmark::ConsoleReporter {
public:
    // Without colours, so that the last line reads plainly through a pipe.
    RateReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const auto found = run.counters.find("items_per_second");
            if (!run.error_occurred && found != run.counters.end())
                rate = found->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double rate = 0;
};

} // namespace

int main(int argc, char **argv)
{
    // Three seconds of matches unless the command line asks otherwise.
    std::vector<char *> args(argv, argv + argc);
    char minTime[] = "--benchmark_min_time=3";
    args.insert(args.begin() + 1, minTime);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("matches-per-second %.1f\n", reporter.rate);
    return 0;
}
