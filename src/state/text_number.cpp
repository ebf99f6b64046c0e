#include "state/text_number.h"

// std
#include <cctype>
#include <cmath>
#include <cstdio>

namespace pipstone {

double readNumber(std::string_view text)
{
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

std::string formatScore(long long value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%03lld", value);
    return buffer;
}

std::string twoDigits(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

void addTo(std::string &field, long long delta)
{
    field = toText(std::llround(readNumber(field)) + delta);
}

} // namespace pipstone
