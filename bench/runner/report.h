#pragma once

// std
#include <string>
#include <vector>

namespace pipstone::bench {

// A figure of the game held against its baseline, each the median of runs
// taken in turns. The ratio is taken round by round, between the runs taken
// side by side, so that a change in the machine's load that lasts longer
// than a round cancels out; its median is the ratio, its lower and upper
// quartiles the spread.
struct Comparison {
    double measured = 0;
    double baseline = 0;
    double ratio = 0;      // the median of the per-round ratios
    double lowRatio = 0;   // their lower quartile
    double highRatio = 0;  // their upper quartile
};

// Compares the game's runs with the baseline's, round by round (both lists
// in the order of the rounds).
Comparison compare(const std::vector<double> &measured, const std::vector<double> &baseline);

// One line of the final table: a figure, what it is held against, their
// ratio, its spread, and whether the target is met. A reference line has no
// target.
struct Row {
    std::string name;
    std::string measured;
    std::string baseline; // the value and what it is
    std::string ratio;
    std::string spread;   // empty for a single figure
    std::string target;
    bool pass = false;
    bool reference = false;
};

// A line for a comparison: PASS when its ratio is at most `limit`; a
// reference line when `limit` is 0.
Row ratioRow(std::string name, const Comparison &c, const char *unit, const std::string &baselineWhat, double limit);

// Prints the rows as a table on standard output.
void printTable(const std::vector<Row> &rows);

// The middle value (the mean of the two middle ones for an even count); 0
// for none.
double median(std::vector<double> values);

// The value a fraction `q` of the way through the sorted values, between
// neighbours where it falls between two; 0 for none.
double quantile(std::vector<double> values, double q);

// A number with a unit, e.g. "93.1 ms".
std::string withUnit(double value, const char *unit, int decimals = 1);

// The spread of ratios as "0.981-1.072x": three decimals, so that a ratio
// just past a target of two does not read as meeting it.
std::string ratioSpread(double low, double high);

} // namespace pipstone::bench
