#include "state/text_number.h"

// std
#include <cctype>
#include <cmath>

namespace pipstone {

double readNumber(std::string_view text)
{
    // Most texts are a single pip or digit: read those at once.
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        return text[0] - '0';
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
    field = toText(std::llround(readNumber(field)) + delta);
}

} // namespace pipstone
