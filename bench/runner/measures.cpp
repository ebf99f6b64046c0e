#include "measures.h"

// own
#include "child_process.h"
#include "surroundings.h"
#include "turns.h"

// std
#include <cstdio>
#include <iterator>
#include <optional>
#include <sstream>

namespace pipstone::bench {

namespace {

constexpr const char *kGame = "bench_game_window";
constexpr const char *kText = "bench_text_window";
constexpr const char *kTimers = "bench_timer_window";
constexpr const char *kEmpty = "bench_minimal_window";
constexpr const char *kFlights = "bench_flights";
constexpr const char *kSleepLoop = "bench_sleep_loop";
constexpr const char *kSimulation = "bench_simulation";

constexpr const char *kFlightKinds[][2] = {{"computer-flight", "computer's flight"}, {"draw-flight", "draw's flight"}};

std::string pathOf(const Setup &setup, const char *program)
{
    return setup.folder + "/" + program;
}

using Runs = std::vector<std::vector<ChildRun>>;
using Reader = std::function<std::optional<double>(const ChildRun &)>;

// A number on the run's line of `key`: the first after the key, or the one
// `skip` numbers further.
Reader numberAfter(const std::string &key, int skip = 0)
{
    return [key, skip](const ChildRun &run) -> std::optional<double> {
        std::istringstream in(valueOf(run, key));
        double value = 0;
        for (int i = 0; i <= skip; ++i)
            if (!(in >> value))
                return std::nullopt;
        return value;
    };
}

const Reader kMarkerMs = [](const ChildRun &run) { return std::optional<double>(run.markerMs); };
const Reader kPeakMiB = [](const ChildRun &run) { return std::optional<double>(run.maxRssKiB / 1024.0); };
// "idle-cpu-ms <cpu ms> <wall ms>"
const Reader kIdleCpuMs = numberAfter("idle-cpu-ms");

// Command `m`'s figure against command `b`'s, round by round, as a line of
// the table; false when a run lacks the figure.
bool addComparison(std::vector<Row> &rows, const Runs &runs, std::size_t m, std::size_t b, const Reader &read,
                   std::string name, const char *unit, const std::string &baselineWhat, double limit)
{
    const auto measured = figures(runs[m], read);
    const auto baseline = figures(runs[b], read);
    if (!measured || !baseline)
        return false;
    rows.push_back(ratioRow(std::move(name), compare(*measured, *baseline), unit, baselineWhat, limit));
    return true;
}

// The first draw after start-up against a later one, run by run:
// "draw-start <first ms> <later median ms>", from the press of Get Card to
// the tile's first showing.
bool addFirstDrawRow(std::vector<Row> &rows, const std::vector<ChildRun> &flights)
{
    const auto first = figures(flights, numberAfter("draw-start"));
    const auto later = figures(flights, numberAfter("draw-start", 1));
    if (!first || !later)
        return false;
    std::vector<double> late;
    for (std::size_t i = 0; i < first->size(); ++i)
        late.push_back((*first)[i] - (*later)[i]);
    const double lateBy = median(*first) - median(*later);
    const auto withSign = [](double ms, const char *unit) { return (ms >= 0 ? "+" : "") + withUnit(ms, unit, 2); };
    rows.push_back(Row{"first draw's start after start-up", withUnit(median(*first), "ms", 2),
                       withUnit(median(*later), "ms", 2) + "  a later draw", withSign(lateBy, "ms"),
                       withSign(quantile(late, 0.25), "") + ".." + withSign(quantile(late, 0.75), "ms"), "<= +5 ms",
                       lateBy <= 5});
    return true;
}

void addWaitRows(std::vector<Row> &rows, const std::vector<std::string> &lines)
{
    for (const std::string &line : lines) {
        // "wait-step <asked ms> <shortest ms> <steps>"
        std::istringstream in(line);
        std::string key;
        double asked = 0, shortest = 0;
        int steps = 0;
        if (!(in >> key >> asked >> shortest >> steps) || key != "wait-step" || asked <= 0)
            continue;
        const double ratio = shortest / asked;
        rows.push_back(Row{"shortest wait step of " + withUnit(asked, "ms", 0) + " (" + std::to_string(steps) + ")",
                           withUnit(shortest, "ms", 3), withUnit(asked, "ms", 0) + "  asked",
                           withUnit(ratio, "", 3) + "x", "", ">= 1.00x", ratio >= 1.0});
    }
}

// The bare sleep loop's command line for the flights a run of the flights
// program made, in the game's order: hand by hand, each kind's name and that
// hand's word of its "<name>-waits" line.
std::optional<Command> sleepLoopFor(const Setup &setup, const ChildRun &flights)
{
    std::vector<std::vector<std::string>> words;
    for (const auto &kind : kFlightKinds) {
        std::istringstream in(valueOf(flights, std::string(kind[0]) + "-waits"));
        words.emplace_back(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
        if (words.back().empty()) {
            std::fprintf(stderr, "  %s: no flight happened\n", kind[0]);
            return std::nullopt;
        }
    }
    Command command{pathOf(setup, kSleepLoop)};
    for (std::size_t hand = 0; hand < words[0].size() || hand < words[1].size(); ++hand)
        for (std::size_t k = 0; k < words.size(); ++k)
            if (hand < words[k].size())
                command.insert(command.end(), {kFlightKinds[k][0], words[k][hand]});
    return command;
}

} // namespace

bool measureStartup(const Setup &setup, std::vector<Row> &rows)
{
    const std::vector<Command> windows{{pathOf(setup, kGame)}, {pathOf(setup, kText)}, {pathOf(setup, kEmpty)}};
    return inEach({{false, false}, {true, false}}, setup.cpus, [&](const Surroundings &where) {
        const std::string in = suffixOf(where);
        std::fprintf(stderr, "start-up%s: %d rounds of the game, the text and the empty window\n", in.c_str(),
                     setup.startupRounds);
        const auto runs = runInTurns(windows, setup.startupRounds, "first-frame");
        return runs
               && addComparison(rows, *runs, 0, 1, kMarkerMs, "start-up to first frame" + in, "ms", "text window", 1.10)
               && addComparison(rows, *runs, 1, 2, kMarkerMs, "  the text window" + in, "ms", "empty window", 0)
               && addComparison(rows, *runs, 0, 1, kPeakMiB, "peak resident memory" + in, "MiB", "text window", 1.03)
               && addComparison(rows, *runs, 1, 2, kPeakMiB, "  the text window" + in, "MiB", "empty window", 0);
    });
}

bool measureIdle(const Setup &setup, std::vector<Row> &rows)
{
    const std::string idle = std::to_string(setup.idleMs);
    const Command game{pathOf(setup, kGame), "idle", idle};
    const Command timers{pathOf(setup, kTimers), "idle", idle};
    const Command skinned{pathOf(setup, kGame), "idle", idle, "folder", setup.folder + "/skinned"};
    return inEach({{false, false}, {false, true}, {true, false}, {true, true}}, setup.cpus,
                  [&](const Surroundings &where) {
                      // The skin's cost is the game's own; once is enough.
                      const bool withSkin = !where.xvfb && !where.busy;
                      const std::string in = suffixOf(where);
                      std::fprintf(stderr, "idle%s: %d rounds of the game and the timer window%s, %d ms each\n",
                                   in.c_str(), setup.idleRounds, withSkin ? " and the game with a skin" : "",
                                   setup.idleMs);
                      std::vector<Command> programs{game, timers};
                      if (withSkin)
                          programs.push_back(skinned);
                      // The start-up rounds have warmed the caches; every round counts.
                      const auto runs = runInTurns(programs, setup.idleRounds, "first-frame", 0);
                      return runs
                             && addComparison(rows, *runs, 0, 1, kIdleCpuMs, "idle processor time" + in, "ms",
                                              "timer window", where.busy ? 1.3 : 1.15)
                             && (!withSkin
                                 || addComparison(rows, *runs, 2, 0, kIdleCpuMs, "idle processor time, sample skin",
                                                  "ms", "without the skin", 2));
                  });
}

bool measureFlights(const Setup &setup, std::vector<Row> &rows)
{
    std::fprintf(stderr, "flights: the waits of each flight, and the game's wait step\n");
    // This run also warms the caches for the rounds, which therefore all count.
    const Command flights{pathOf(setup, kFlights), "hands", std::to_string(setup.flightHands)};
    Command withWaitSteps = flights;
    withWaitSteps.push_back("wait-steps");
    const ChildRun learnt = runChild(withWaitSteps, "");
    if (!learnt.exitedCleanly) {
        std::fprintf(stderr, "  %s did not run cleanly; run it by hand to see why\n", kFlights);
        return false;
    }
    const std::optional<Command> sleepLoop = sleepLoopFor(setup, learnt);
    if (!sleepLoop)
        return false;
    const std::vector<Command> programs{flights, *sleepLoop};
    const bool ran = inEach({{false, false}, {false, true}}, setup.cpus, [&](const Surroundings &where) {
        const std::string in = suffixOf(where);
        std::fprintf(stderr, "flights%s: %d rounds of the flights and a bare loop sleeping their waits\n",
                     in.c_str(), setup.flightRounds);
        const auto runs = runInTurns(programs, setup.flightRounds, "", 0);
        if (!runs)
            return false;
        for (const auto &kind : kFlightKinds)
            if (!addComparison(rows, *runs, 0, 1, numberAfter(kind[0], 1), kind[1] + in, "ms",
                               "bare sleep loop of its waits", 1.05))
                return false;
        return where.busy || addFirstDrawRow(rows, (*runs)[0]);
    });
    addWaitRows(rows, learnt.lines);
    return ran;
}

bool measureSimulation(const Setup &setup, std::vector<Row> &rows)
{
    std::fprintf(stderr, "simulation: %d runs of whole matches on the headless toolkit, on processor %d\n",
                 setup.simulationRuns, setup.simulationCpu);
    const auto runs = runInTurns({{pathOf(setup, kSimulation)}}, setup.simulationRuns, "", 0, setup.simulationCpu);
    const auto rates = runs ? figures((*runs)[0], numberAfter("matches-per-second")) : std::nullopt;
    if (!rates)
        return false;
    constexpr double kTarget = 5000;
    const Comparison c = compare(*rates, std::vector<double>(rates->size(), kTarget));
    rows.push_back(Row{"simulated matches, one core", withUnit(c.measured, "/s", 0),
                       "5,000 /s  target (stretch 10,000)",
                       withUnit(c.ratio, "", 3) + "x", ratioSpread(c.lowRatio, c.highRatio), ">= 5,000/s",
                       c.measured >= kTarget});
    return true;
}

} // namespace pipstone::bench
