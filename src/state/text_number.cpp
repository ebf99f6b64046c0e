#include "state/text_number.h"

// std
#include <charconv>
#include <cctype>
#include <cmath>

namespace pipstone {

namespace {

// The decimal digits of a whole number, zero-padded to at least `width`
// digits, written into `out` in place of what it held.
void writeNumber(std::string &out, long long value, std::size_t width = 1)
{
    char digits[24];
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    if (value >= 0 && count >= width) { // every number the game writes
        out.assign(digits, count);
        return;
    }
    out.clear();
    if (value < 0)
        out.push_back('-');
    if (count < width)
        out.append(width - count, '0');
    out.append(digits, count);
}

} // namespace

namespace detail {

double readGeneralNumber(std::string_view text)
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

int readGeneralInt(std::string_view text)
{
    return static_cast<int>(std::lround(readGeneralNumber(text)));
}

std::string wideText(long long value, std::size_t width)
{
    std::string text;
    writeNumber(text, value, width);
    return text;
}

void writeWide(std::string &field, long long value, std::size_t width)
{
    writeNumber(field, value, width);
}

} // namespace detail

void addTo(std::string &field, long long delta)
{
    const int plain = detail::plainDigits(field);
    if (plain >= 0 && plain + delta >= 0 && plain + delta < 10 && field.size() == 1) { // a count going up by a few
        field[0] = static_cast<char>('0' + plain + delta);
        return;
    }
    writeWhole(field, (plain >= 0 ? plain : std::llround(detail::readGeneralNumber(field))) + delta);
}

} // namespace pipstone
