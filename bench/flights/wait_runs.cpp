#include "wait_runs.h"

// std
#include <cstdio>
#include <sstream>

namespace pipstone::bench {

std::string writeWaits(const std::vector<double> &waits)
{
    std::string word;
    for (std::size_t i = 0; i < waits.size();) {
        std::size_t same = i;
        while (same < waits.size() && waits[same] == waits[i])
            ++same;
        char run[64];
        std::snprintf(run, sizeof run, "%s%zux%g", word.empty() ? "" : ",", same - i, waits[i]);
        word += run;
        i = same;
    }
    return word.empty() ? "0x0" : word;
}

bool readWaits(const std::string &word, std::vector<double> &waits)
{
    waits.clear();
    std::istringstream in(word);
    std::string run;
    while (std::getline(in, run, ',')) {
        long count = 0;
        double ms = 0;
        char x = 0, extra = 0;
        if (std::sscanf(run.c_str(), "%ld%c%lf%c", &count, &x, &ms, &extra) != 3 || x != 'x' || count < 0 || ms < 0)
            return false;
        waits.insert(waits.end(), static_cast<std::size_t>(count), ms);
    }
    return !word.empty();
}

} // namespace pipstone::bench
