#pragma once

// std
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
    if (text.size() == 1) // a pip, an end, most counters
        return text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : -1;
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
std::string wideText(long long value, std::size_t width);
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

// Writes a match total with at least three digits into `field`, in place:
// 7 -> "007", 101 -> "101", 1000 -> "1000". The periodic check writes both
// totals ten times a second.
inline void writeScore(std::string &field, long long value)
{
    if (value >= 0 && value < 1000) { // every total of a match to 101
        field.resize(3);
        field[0] = static_cast<char>('0' + value / 100);
        field[1] = static_cast<char>('0' + value / 10 % 10);
        field[2] = static_cast<char>('0' + value % 10);
        return;
    }
    field = detail::wideText(value, 3);
}

inline std::string formatScore(long long value)
{
    std::string text;
    writeScore(text, value);
    return text;
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
