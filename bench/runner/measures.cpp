#include "measures.h"

// own
#include "child_process.h"

// std
#include <cstdio>
#include <sstream>

namespace pipstone::bench {

namespace {

constexpr const char *kGame = "bench_game_window";
constexpr const char *kMinimal = "bench_minimal_window";
constexpr const char *kFlights = "bench_flights";
constexpr const char *kSimulation = "bench_simulation";

std::string pathOf(const Setup &setup, const char *program)
{
    return setup.folder + "/" + program;
}

void complain(const char *program, const ChildRun &run)
{
    std::fprintf(stderr, "  %s did not run cleanly (%zu lines of output); run it by hand to see why\n", program,
                 run.lines.size());
}

Row ratioRow(std::string name, double measured, double baseline, const char *unit, std::string baselineWhat,
             double limit)
{
    const double ratio = baseline > 0 ? measured / baseline : (measured > 0 ? 1e9 : 1);
    return Row{std::move(name), withUnit(measured, unit), withUnit(baseline, unit) + "  " + baselineWhat, ratio,
               "<= " + withUnit(limit, "", 2) + "x", ratio <= limit};
}

// "idle-cpu-ms <cpu ms> <wall ms>" of an idling window.
bool idleOf(const Setup &setup, const char *program, double &cpuMs, double &wallMs)
{
    const ChildRun run = runChild({pathOf(setup, program), "idle", std::to_string(setup.idleMs)}, "first-frame");
    std::istringstream in(valueOf(run, "idle-cpu-ms"));
    if (!run.exitedCleanly || !(in >> cpuMs >> wallMs)) {
        complain(program, run);
        return false;
    }
    return true;
}

} // namespace

std::vector<Row> measureStartup(const Setup &setup)
{
    std::fprintf(stderr, "start-up: %d runs of each window, in turns\n", setup.startupRuns);
    std::vector<double> startGame, startMinimal, rssGame, rssMinimal;
    // One run of each first, not counted, so that both start from warm caches.
    for (int i = -1; i < setup.startupRuns; ++i) {
        for (const char *program : {kGame, kMinimal}) {
            const ChildRun run = runChild({pathOf(setup, program)}, "first-frame");
            if (!run.exitedCleanly || run.markerMs < 0) {
                complain(program, run);
                return {};
            }
            if (i < 0)
                continue;
            const bool game = program == kGame;
            (game ? startGame : startMinimal).push_back(run.markerMs);
            (game ? rssGame : rssMinimal).push_back(run.maxRssKiB / 1024.0);
        }
    }
    return {
        ratioRow("start-up to first frame", median(startGame), median(startMinimal), "ms", "minimal window", 1.3),
        ratioRow("peak resident memory", median(rssGame), median(rssMinimal), "MiB", "minimal window", 1.3),
    };
}

std::vector<Row> measureIdle(const Setup &setup)
{
    std::fprintf(stderr, "idle: each window waits %d ms after its first frame\n", setup.idleMs);
    double game = 0, gameWall = 0, minimal = 0, minimalWall = 0;
    if (!idleOf(setup, kGame, game, gameWall) || !idleOf(setup, kMinimal, minimal, minimalWall))
        return {};
    const double share = 100 * game / gameWall;
    return {
        ratioRow("idle processor time", game, minimal, "ms", "minimal window", 2),
        Row{"idle share of one core", withUnit(share, "%", 3), "1 %  target", share / 1.0, "<= 1 %", share <= 1.0},
    };
}

std::vector<Row> measureFlights(const Setup &setup)
{
    std::fprintf(stderr, "flights: the computer's and a draw's, on the real toolkit\n");
    const ChildRun run = runChild({pathOf(setup, kFlights)}, "");
    if (!run.exitedCleanly) {
        complain(kFlights, run);
        return {};
    }
    std::vector<Row> rows;
    for (const auto &[key, name] : {std::pair{"computer-flight", "computer's flight"}, {"draw-flight", "draw's flight"}}) {
        // "<hands> <mean ms> <mean floor ms> <median ratio>"
        std::istringstream in(valueOf(run, key));
        int hands = 0;
        double wall = 0, floor = 0, ratio = 0;
        if (!(in >> hands >> wall >> floor >> ratio) || hands == 0) {
            std::fprintf(stderr, "  %s: no flight happened\n", key);
            continue;
        }
        rows.push_back(Row{std::string(name) + " (" + std::to_string(hands) + " hands)", withUnit(wall, "ms"),
                           withUnit(floor, "ms") + "  sum of its waits", ratio, "<= 1.15x", ratio <= 1.15});
    }
    return rows;
}

std::vector<Row> measureSimulation(const Setup &setup)
{
    std::fprintf(stderr, "simulation: whole matches on the headless toolkit, on processor %d\n", setup.simulationCpu);
    const ChildRun run = runChild({pathOf(setup, kSimulation)}, "", setup.simulationCpu);
    const double rate = std::atof(valueOf(run, "matches-per-second").c_str());
    if (!run.exitedCleanly || rate <= 0) {
        complain(kSimulation, run);
        return {};
    }
    constexpr double kTarget = 2000;
    return {Row{"simulated matches, one core", withUnit(rate, "/s", 0), withUnit(kTarget, "/s", 0) + "  target",
                rate / kTarget, ">= 2000/s", rate >= kTarget}};
}

} // namespace pipstone::bench
