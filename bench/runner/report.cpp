#include "report.h"

// std
#include <algorithm>
#include <cstdio>

namespace pipstone::bench {

namespace {

// Something against a baseline that cost nothing is as bad as can be;
// nothing against nothing is even.
double ratioOf(double measured, double baseline)
{
    return baseline > 0 ? measured / baseline : (measured > 0 ? 1e9 : 1);
}

} // namespace

Comparison compare(const std::vector<double> &measured, const std::vector<double> &baseline)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < measured.size() && i < baseline.size(); ++i)
        ratios.push_back(ratioOf(measured[i], baseline[i]));
    return {median(measured), median(baseline), median(ratios), quantile(ratios, 0.25), quantile(ratios, 0.75)};
}

Row ratioRow(std::string name, const Comparison &c, const char *unit, const std::string &baselineWhat, double limit)
{
    Row row{std::move(name), withUnit(c.measured, unit),  withUnit(c.baseline, unit) + "  " + baselineWhat,
            withUnit(c.ratio, "", 3) + "x", ratioSpread(c.lowRatio, c.highRatio), "<= " + withUnit(limit, "", 2) + "x",
            c.ratio <= limit};
    if (limit <= 0) {
        row.reference = true;
        row.target = "-";
    }
    return row;
}

void printTable(const std::vector<Row> &rows)
{
    const char *format = "%-40s %-14s %-40s %-9s %-16s %-12s %s\n";
    std::printf("\n");
    std::printf(format, "figure", "measured", "baseline", "ratio", "spread", "target", "");
    for (const Row &row : rows)
        std::printf(format, row.name.c_str(), row.measured.c_str(), row.baseline.c_str(),
                    row.ratio.c_str(), row.spread.empty() ? "-" : row.spread.c_str(),
                    row.target.c_str(), row.reference ? "reference" : row.pass ? "PASS" : "MISS");
    std::printf("\nmeasured, baseline: medians of the runs taken in turns; ratio: the median of the ratios of the\n"
                "single rounds (one run of each), spread: their lower to upper quartile\n");
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    return quantile(std::move(values), 0.5);
}

double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

std::string withUnit(double value, const char *unit, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%s%s", decimals, value, *unit ? " " : "", unit);
    return text;
}

std::string ratioSpread(double low, double high)
{
    return withUnit(low, "", 3) + "-" + withUnit(high, "", 3) + "x";
}

} // namespace pipstone::bench
