#pragma once

// std
#include <string>
#include <string_view>

// The game keeps its counters, pips and totals as decimal text, the way the
// window's fields show them. These helpers are the only way numbers go in
// and out of those texts.
namespace pipstone {

// The leading decimal number of a text: "12abc" reads 12, "" and "abc" read 0,
// "00" reads 0, "-3" reads -3. Leading blanks are skipped.
double readNumber(std::string_view text);

// readNumber rounded to a whole number, for counters and slot numbers.
int readInt(std::string_view text);

// The shortest decimal text of a whole number: "7", "0", "12", "-1".
std::string toText(long long value);

// A match total with at least three digits: 7 -> "007", 101 -> "101",
// 1000 -> "1000".
std::string formatScore(long long value);

// A slot number with at least two digits, as the computer's hand list holds
// them: 3 -> "03", 15 -> "15".
std::string twoDigits(int value);

// Adds delta to the number held in a text field and writes it back.
void addTo(std::string &field, long long delta);

} // namespace pipstone
