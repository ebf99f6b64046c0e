#include "measures.h"

// own
#include "child_process.h"
#include "surroundings.h"

// std
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace pipstone::bench {

namespace {

constexpr const char *kGame = "bench_game_window";
constexpr const char *kText = "bench_text_window";
constexpr const char *kTimers = "bench_timer_window";
constexpr const char *kEmpty = "bench_minimal_window";
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

// Medians of start-up and peak memory of each program, started in turns.
struct StartupMedians {
    double game = 0, text = 0, empty = 0;
    double gameRss = 0, textRss = 0, emptyRss = 0;
};

bool startupMedians(const Setup &setup, StartupMedians &out)
{
    std::vector<double> start[3], rss[3];
    const char *programs[3] = {kGame, kText, kEmpty};
    // One run of each first, not counted, so that all start from warm caches.
    for (int i = -1; i < setup.startupRuns; ++i) {
        for (int p = 0; p < 3; ++p) {
            const ChildRun run = runChild({pathOf(setup, programs[p])}, "first-frame");
            if (!run.exitedCleanly || run.markerMs < 0) {
                complain(programs[p], run);
                return false;
            }
            if (i < 0)
                continue;
            start[p].push_back(run.markerMs);
            rss[p].push_back(run.maxRssKiB / 1024.0);
        }
    }
    out = {median(start[0]), median(start[1]), median(start[2]), median(rss[0]), median(rss[1]), median(rss[2])};
    return true;
}

// Processor time of a program idling after its first frame.
bool idleOf(const Setup &setup, std::vector<std::string> argv, double &cpuMs)
{
    const std::string program = argv.front();
    argv.front() = pathOf(setup, program.c_str());
    argv.insert(argv.begin() + 1, {"idle", std::to_string(setup.idleMs)});
    const ChildRun run = runChild(argv, "first-frame");
    // "idle-cpu-ms <cpu ms> <wall ms>"
    std::istringstream in(valueOf(run, "idle-cpu-ms"));
    if (!run.exitedCleanly || !(in >> cpuMs)) {
        complain(program.c_str(), run);
        return false;
    }
    return true;
}

// Runs the flights program once; its lines, or none when it failed.
std::vector<std::string> flightLines(const Setup &setup)
{
    const ChildRun run = runChild({pathOf(setup, kFlights)}, "");
    if (!run.exitedCleanly) {
        complain(kFlights, run);
        return {};
    }
    return run.lines;
}

std::string valueIn(const std::vector<std::string> &lines, const std::string &key)
{
    return valueOf(ChildRun{lines}, key);
}

void addFlightRows(std::vector<Row> &rows, const std::vector<std::string> &lines, const char *how)
{
    for (const auto &[key, name] : {std::pair{"computer-flight", "computer's flight"}, {"draw-flight", "draw's flight"}}) {
        // "<hands> <mean ms> <mean floor ms> <median ratio>"
        std::istringstream in(valueIn(lines, key));
        int hands = 0;
        double wall = 0, floor = 0, ratio = 0;
        if (!(in >> hands >> wall >> floor >> ratio) || hands == 0) {
            std::fprintf(stderr, "  %s: no flight happened\n", key);
            continue;
        }
        rows.push_back(Row{std::string(name) + how, withUnit(wall, "ms"), withUnit(floor, "ms") + "  sum of its waits",
                           ratio, "<= 1.10x", ratio <= 1.10});
    }
}

// The first draw after start-up against a later one: "draw-start <first ms>
// <later median ms>", from the press of Get Card to the tile's first showing.
void addFirstDrawRow(std::vector<Row> &rows, const std::vector<std::string> &lines)
{
    std::istringstream in(valueIn(lines, "draw-start"));
    double first = 0, later = 0;
    if (!(in >> first >> later) || first < 0 || later < 0) {
        std::fprintf(stderr, "  draw-start: no draw happened\n");
        return;
    }
    rows.push_back(Row{"first draw's start after start-up", withUnit(first, "ms", 2),
                       withUnit(later, "ms", 2) + "  a later draw", later > 0 ? first / later : 0, "<= +5 ms",
                       first - later <= 5});
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
                           withUnit(shortest, "ms", 3), withUnit(asked, "ms", 0) + "  asked", ratio, ">= 1.00x",
                           ratio >= 1.0});
    }
}

} // namespace

std::vector<Row> measureStartup(const Setup &setup)
{
    std::fprintf(stderr, "start-up: %d runs of each window, in turns\n", setup.startupRuns);
    StartupMedians offscreen;
    if (!startupMedians(setup, offscreen))
        return {};
    std::vector<Row> rows{
        ratioRow("start-up to first frame", offscreen.game, offscreen.text, "ms", "text window", 1.15),
        ratioRow("  the text window", offscreen.text, offscreen.empty, "ms", "empty window", 0),
        ratioRow("peak resident memory", offscreen.gameRss, offscreen.textRss, "MiB", "text window", 1.05),
        ratioRow("  the text window", offscreen.textRss, offscreen.emptyRss, "MiB", "empty window", 0),
    };
    const VirtualXServer x;
    if (!x.running()) {
        std::fprintf(stderr, "start-up under Xvfb: no X server could be started, left out\n");
        return rows;
    }
    std::fprintf(stderr, "start-up under Xvfb: %d runs of each window, in turns\n", setup.startupRuns);
    StartupMedians xvfb;
    if (!startupMedians(setup, xvfb))
        return {};
    rows.push_back(ratioRow("start-up to first frame, Xvfb", xvfb.game, xvfb.text, "ms", "text window", 1.15));
    rows.push_back(ratioRow("  the text window, Xvfb", xvfb.text, xvfb.empty, "ms", "empty window", 0));
    return rows;
}

std::vector<Row> measureIdle(const Setup &setup)
{
    std::fprintf(stderr, "idle: each window waits %d ms after its first frame\n", setup.idleMs);
    double game = 0, timers = 0, empty = 0, skinned = 0;
    const std::string skinFolder = setup.folder + "/skinned";
    if (!idleOf(setup, {kGame}, game) || !idleOf(setup, {kTimers}, timers) || !idleOf(setup, {kEmpty}, empty)
        || !idleOf(setup, {kGame, "folder", skinFolder}, skinned))
        return {};
    return {
        ratioRow("idle processor time", game, timers, "ms", "timer window", 2),
        ratioRow("  the timer window", timers, empty, "ms", "empty window", 0),
        ratioRow("idle processor time, sample skin", skinned, game, "ms", "without the skin", 2),
    };
}

std::vector<Row> measureFlights(const Setup &setup)
{
    std::fprintf(stderr, "flights: the computer's and a draw's, on the real toolkit\n");
    std::vector<Row> rows;
    const std::vector<std::string> quiet = flightLines(setup);
    addFlightRows(rows, quiet, "");
    std::fprintf(stderr, "flights again, with %d busy-looping processes\n", setup.cpus);
    {
        const BusyProcessors busy(setup.cpus);
        addFlightRows(rows, flightLines(setup), ", loaded");
    }
    addFirstDrawRow(rows, quiet);
    addWaitRows(rows, quiet);
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
