// Whole matches on the headless toolkit: a seeded random player against the
// computer, on the virtual clock, one match after another on one thread.
// Besides Google Benchmark's own report it prints
// "matches-per-second <rate by processor time>". With `matches N` it plays
// exactly the seeded matches 1 to N instead, the same work every run, for an
// instruction count (valgrind --tool=callgrind).

// own
#include "support/random_player.h"

// std
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

// Plays the match of `seed`; returns what went wrong, if anything.
std::string playOne(std::uint64_t seed)
{
    pipstone::test::RandomPlayer player(seed);
    player.checkInvariants = false; // the game alone, not the test's checks
    const auto problems = player.playMatch();
    benchmark::DoNotOptimize(player.hands);
    return problems.empty() ? std::string() : "match " + std::to_string(seed) + ": " + problems.front();
}

void wholeMatches(benchmark::State &state)
{
    std::uint64_t seed = 1;
    for (auto _ : state) {
        if (const std::string problem = playOne(seed++); !problem.empty()) {
            state.SkipWithError(problem.c_str());
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

int fixedMatches(long count)
{
    const std::clock_t start = std::clock();
    for (long seed = 1; seed <= count; ++seed) {
        if (const std::string problem = playOne(static_cast<std::uint64_t>(seed)); !problem.empty()) {
            std::fprintf(stderr, "%s\n", problem.c_str());
            return 1;
        }
    }
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    std::printf("matches-per-second %.1f\n", seconds > 0 ? static_cast<double>(count) / seconds : 0.0);
    return 0;
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
    if (argc == 3 && std::string(argv[1]) == "matches")
        return fixedMatches(std::atol(argv[2]));
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
