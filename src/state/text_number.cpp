#include "state/text_number.h"

// std
#include <cctype>
#include <cmath>

namespace pipstone {

namespace {

// The value of a text of one to nine plain digits, as every counter, pip and
// total the game writes is; -1 for any other text, which takes the general
// reading.
int plainDigits(std::string_view text)
{
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

} // namespace

double readNumber(std::string_view text)
{
    if (const int plain = plainDigits(text); plain >= 0)
        return plain;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    bool anyDigit = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i] - '0');
        anyDigit = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            value += (text[i] - '0') * scale;
            scale /= 10;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    return negative ? -value : value;
}

int readInt(std::string_view text)
{
    if (const int plain = plainDigits(text); plain >= 0)
        return plain;
    return static_cast<int>(std::lround(readNumber(text)));
}

std::string toText(long long value)
{
    return std::to_string(value);
}

namespace {

// The decimal text of a whole number, zero-padded to at least `width` digits.
std::string padded(long long value, std::size_t width)
{
    std::string digits = toText(value < 0 ? -value : value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

} // namespace

std::string formatScore(long long value)
{
    return padded(value, 3);
}

std::string twoDigits(int value)
{
    return padded(value, 2);
}

void addTo(std::string &field, long long delta)
{
    const int plain = plainDigits(field);
    field = toText((plain >= 0 ? plain : std::llround(readNumber(field))) + delta);
}

} // namespace pipstone
