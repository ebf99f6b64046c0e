#pragma once

// std
#include <string>
#include <vector>

namespace pipstone::bench {

// One line of the final table: a figure, what it is held against, their
// ratio and whether the target is met. A reference line has no target.
struct Row {
    std::string name;
    std::string measured;
    std::string baseline; // the value and what it is
    double ratio = 0;
    std::string target;
    bool pass = false;
    bool reference = false;
};

// A line comparing `measured` with `baseline`: PASS when their ratio is at
// most `limit`; a reference line when `limit` is 0.
Row ratioRow(std::string name, double measured, double baseline, const char *unit, const std::string &baselineWhat,
             double limit);

// Prints the rows as a table on standard output.
void printTable(const std::vector<Row> &rows);

// The middle value (the mean of the two middle ones for an even count); 0
// for none.
double median(std::vector<double> values);

// A number with a unit, e.g. "93.1 ms".
std::string withUnit(double value, const char *unit, int decimals = 1);

} // namespace pipstone::bench
