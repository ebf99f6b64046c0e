#include "report.h"

// std
#include <algorithm>
#include <cstdio>

namespace pipstone::bench {

Row ratioRow(std::string name, double measured, double baseline, const char *unit, const std::string &baselineWhat,
             double limit)
{
    const double ratio = baseline > 0 ? measured / baseline : (measured > 0 ? 1e9 : 1);
    Row row{std::move(name), withUnit(measured, unit), withUnit(baseline, unit) + "  " + baselineWhat, ratio,
            "<= " + withUnit(limit, "", 2) + "x", ratio <= limit};
    if (limit <= 0) {
        row.reference = true;
        row.target = "-";
    }
    return row;
}

void printTable(const std::vector<Row> &rows)
{
    std::printf("\n%-40s %-14s %-36s %-8s %-12s %s\n", "figure", "measured", "baseline", "ratio", "target", "");
    for (const Row &row : rows)
        std::printf("%-40s %-14s %-36s %-8s %-12s %s\n", row.name.c_str(), row.measured.c_str(),
                    row.baseline.c_str(), (withUnit(row.ratio, "", 2) + "x").c_str(), row.target.c_str(),
                    row.reference ? "reference" : row.pass ? "PASS" : "MISS");
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string withUnit(double value, const char *unit, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%s%s", decimals, value, *unit ? " " : "", unit);
    return text;
}

} // namespace pipstone::bench
