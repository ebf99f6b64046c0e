#include "turns.h"

// std
#include <cstdio>

namespace pipstone::bench {

namespace {

std::string nameOf(const Command &command)
{
    const std::string &path = command.front();
    return path.substr(path.rfind('/') + 1);
}

} // namespace

std::optional<std::vector<std::vector<ChildRun>>> runInTurns(const std::vector<Command> &commands, int rounds,
                                                             const std::string &marker, int uncounted, int cpu)
{
    const std::size_t count = commands.size();
    std::vector<std::vector<ChildRun>> runs(count);
    for (int round = -uncounted; round < rounds; ++round) {
        // Each round starts one program further on: no program always runs
        // right after the same other one and finds the caches as it left
        // them, which in a fixed order favours whoever runs second.
        const auto first = static_cast<std::size_t>(round + uncounted) % count;
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t c = (first + k) % count;
            ChildRun run = runChild(commands[c], marker, cpu);
            if (!run.exitedCleanly || (!marker.empty() && run.markerMs < 0)) {
                std::fprintf(stderr, "  %s did not run cleanly (%zu lines of output); run it by hand to see why\n",
                             nameOf(commands[c]).c_str(), run.lines.size());
                return std::nullopt;
            }
            if (round >= 0)
                runs[c].push_back(std::move(run));
        }
    }
    return runs;
}

std::optional<std::vector<double>> figures(const std::vector<ChildRun> &runs,
                                           const std::function<std::optional<double>(const ChildRun &)> &read)
{
    std::vector<double> values;
    for (const ChildRun &run : runs) {
        const std::optional<double> value = read(run);
        if (!value) {
            std::fprintf(stderr, "  a run did not print the figure it should have\n");
            return std::nullopt;
        }
        values.push_back(*value);
    }
    return values;
}

} // namespace pipstone::bench
