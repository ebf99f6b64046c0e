#pragma once

// std
#include <string>
#include <vector>

namespace pipstone::bench {

// A flight's waits written as one word for a command line: runs of equal
// waits as "<count>x<ms>", joined by commas, e.g. "12x1,8x5" for twelve
// waits of 1 ms and then eight of 5 ms. No waits at all read "0x0".
std::string writeWaits(const std::vector<double> &waits);

// The waits of such a word; false when it is not one.
bool readWaits(const std::string &word, std::vector<double> &waits);

} // namespace pipstone::bench
