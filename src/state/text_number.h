#pragma once

// std
#include <cstring>
#include <string>
#include <string_view>

// The game keeps its counters, pips and totals as decimal text, the way the
// window's fields show them. These helpers are the only way numbers go in
// and out of those texts.
namespace pipstone {

namespace detail {

// The value of a text of one to nine plain digits, as every counter, pip and
// total the game writes is; -1 for any other text, which takes the general
// reading. Inline, because the counts read such texts all the time.
inline int plainDigits(std::string_view text)
{
    // A digit's value; any other character reads 10 or more.
    const auto digit = [&text](std::size_t k) { return static_cast<unsigned>(text[k]) - '0'; };
    if (text.size() == 1) // a pip, an end, most counters
        return digit(0) < 10 ? static_cast<int>(digit(0)) : -1;
    if (text.size() == 2) // a slot number, a cell count, the stock drawn
        return (digit(0) < 10) & (digit(1) < 10) ? static_cast<int>(digit(0) * 10 + digit(1)) : -1;
    if (text.size() == 3) // a match total as the window shows it
        return (digit(0) < 10) & (digit(1) < 10) & (digit(2) < 10)
                   ? static_cast<int>(digit(0) * 100 + digit(1) * 10 + digit(2))
                   : -1;
    if (text.empty() || text.size() > 9)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

double readGeneralNumber(std::string_view text);
int readGeneralInt(std::string_view text);

} // namespace detail

// The leading decimal number of a text: "12abc" reads 12, "" and "abc" read 0,
// "00" reads 0, "-3" reads -3. Leading blanks are skipped.
inline double readNumber(std::string_view text)
{
    const int plain = detail::plainDigits(text);
    return plain >= 0 ? plain : detail::readGeneralNumber(text);
}

// readNumber rounded to a whole number, for counters and slot numbers.
inline int readInt(std::string_view text)
{
    const int plain = detail::plainDigits(text);
    return plain >= 0 ? plain : detail::readGeneralInt(text);
}

namespace detail {
// "00", "01", ... "99": two digits at a time.
inline constexpr char kDigitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                      "8081828384858687888990919293949596979899";
std::string wideText(long long value, std::size_t width);
// What writeWhole writes where its short path ends (a number out of its
// range, or a field of another length): the digits, zero-padded to `width`.
void writeWide(std::string &field, long long value, std::size_t width);
} // namespace detail

// The shortest decimal text of a whole number: "7", "0", "12", "-1".
inline std::string toText(long long value)
{
    if (value >= 0 && value < 10) // most counts and pips
        return std::string(1, static_cast<char>('0' + value));
    if (value >= 10 && value < 100) // slot numbers, hand totals
        return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
    return detail::wideText(value, 1);
}

// Writes the shortest decimal text of a whole number into `field`, in place:
// what toText(value) gives. The moves write cell positions, slot numbers and
// pips this way many times a hand; a field that holds as many digits already
// has them overwritten without a library call.
inline void writeWhole(std::string &field, long long value)
{
    if (value >= 0 && value < 100000) { // every position, slot number and count
        auto rest = static_cast<unsigned>(value);
        const std::size_t count = rest < 10 ? 1 : rest < 100 ? 2 : rest < 1000 ? 3 : rest < 10000 ? 4 : 5;
        if (field.size() == count) {
            char *out = field.data() + count; // filled from the last digit back
            for (; rest >= 100; rest /= 100) {
                out -= 2;
                std::memcpy(out, detail::kDigitPairs + 2 * (rest % 100), 2);
            }
            if (rest >= 10)
                std::memcpy(out - 2, detail::kDigitPairs + 2 * rest, 2);
            else
                out[-1] = static_cast<char>('0' + rest);
            return;
        }
    }
    detail::writeWide(field, value, 1);
}

// A match total with at least three digits: 7 -> "007", 101 -> "101",
// 1000 -> "1000". The periodic check shows both totals ten times a second.
inline std::string formatScore(long long value)
{
    if (value >= 0 && value < 1000) // every total of a match to 101
        return {static_cast<char>('0' + value / 100), static_cast<char>('0' + value / 10 % 10),
                static_cast<char>('0' + value % 10)};
    return detail::wideText(value, 3);
}

// A slot number with at least two digits, as the computer's hand list holds
// them: 3 -> "03", 15 -> "15".
inline std::string twoDigits(int value)
{
    if (value >= 0 && value < 100) // every slot number
        return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
    return detail::wideText(value, 2);
}

// Adds delta to the number held in a text field and writes it back.
void addTo(std::string &field, long long delta);

} // namespace pipstone
