#include "state/number_text.h"
#include "state/places.h"
#include "state/text_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

namespace pipstone {
namespace {

TEST(TextNumber, ReadsTheLeadingNumberAndWritesPlainText)
{
    const struct {
        const char *text;
        double number;
        int whole;
    } reads[] = {{"", 0, 0},      {"00", 0, 0},      {"7", 7, 7},     {"12abc", 12, 12}, {"abc", 0, 0},
                 {"x", 0, 0},     {" 7", 7, 7},      {"\t7", 7, 7},   {"007", 7, 7},     {"101", 101, 101},
                 {"-5", -5, -5},  {"+5", 5, 5},      {"-", 0, 0},     {"2.5", 2.5, 3},   {"2.25x", 2.25, 2},
                 {".5", 0.5, 1},  {"3x5", 3, 3},    {"96", 96, 96},  {"4x", 4, 4},      {"x4", 0, 0},
                 {":1", 0, 0},    {"1/", 1, 1},      {"99x", 99, 99}, {"9:9", 9, 9},     {"/99", 0, 0},
                 {":12", 0, 0},   {"12:", 12, 12}};
    NumberText field{"5"};
    for (const auto &r : reads) {
        EXPECT_EQ(readNumber(r.text), r.number) << '"' << r.text << '"';
        EXPECT_EQ(readInt(r.text), r.whole) << '"' << r.text << '"';
        // A field that keeps its reading reads the same, whichever way the
        // text came in, and keeps the text as written.
        for (NumberText copy : {field = r.text, field = std::string(r.text), NumberText(r.text)}) {
            std::swap(copy, field);
            EXPECT_EQ(readNumber(field), r.number) << '"' << r.text << '"';
            EXPECT_EQ(readInt(field), r.whole) << '"' << r.text << '"';
            EXPECT_EQ(field, r.text);
        }
    }
    EXPECT_EQ(std::pair(readNumber(NumberText()), readInt(NumberText())), std::pair(0.0, 0)) << "never written";
}

// The shuffle trades two tiles' pips: each field takes the other's text with
// its reading, and only a real change moves the write stamp.
TEST(TextNumber, SwappingTradesTextAndReading)
{
    const struct {
        const char *a, *b;
    } pairs[] = {{"3", "5"}, {"12", "4"}, {"", "7"}, {"2.5", "x"}, {"6", "6"}, {"10", "10"}};
    for (const auto &p : pairs) {
        NumberText a{p.a}, b{p.b};
        const std::uint64_t stamp = writeStamp;
        a.swap(b);
        EXPECT_EQ(writeStamp != stamp, std::string(p.a) != p.b) << p.a << " / " << p.b;
        for (const auto &[field, text] : {std::pair{&a, p.b}, std::pair{&b, p.a}}) {
            EXPECT_EQ(*field, text) << p.a << " / " << p.b;
            EXPECT_EQ(readNumber(*field), readNumber(text)) << p.a << " / " << p.b;
            EXPECT_EQ(readInt(*field), readInt(text)) << p.a << " / " << p.b;
        }
    }
}

// Each width written at the edges of the short path (up to four digits) and
// past them.
TEST(TextNumber, WholeNumbersWriteWithTheirLeastDigits)
{
    const struct {
        long long value;
        const char *shortest, *slot, *score;
    } cases[] = {
        {0, "0", "00", "000"},          {3, "3", "03", "003"},          {7, "7", "07", "007"},
        {9, "9", "09", "009"},          {10, "10", "10", "010"},        {12, "12", "12", "012"},
        {28, "28", "28", "028"},        {99, "99", "99", "099"},        {100, "100", "100", "100"},
        {101, "101", "101", "101"},     {999, "999", "999", "999"},     {1000, "1000", "1000", "1000"},
        {4925, "4925", "4925", "4925"}, {9999, "9999", "9999", "9999"}, {10000, "10000", "10000", "10000"},
        {-3, "-3", "-03", "-003"},      {-5, "-5", "-05", "-005"},      {-10, "-10", "-10", "-010"},
        {4060, "4060", "4060", "4060"}, {99999, "99999", "99999", "99999"}, {100000, "100000", "100000", "100000"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(toText(c.value), c.shortest) << c.value;
        // Written in place over a shorter, an equally long and a longer text.
        for (const char *before : {"", "7", "1234", "123456789"}) {
            std::string field = before;
            writeWhole(field, c.value);
            EXPECT_EQ(field, c.shortest) << c.value << " over " << before;
        }
        EXPECT_EQ(twoDigits(static_cast<int>(c.value)), c.slot) << c.value;
        EXPECT_EQ(formatScore(c.value), c.score) << c.value;
    }
}

TEST(TextNumber, AddingRewritesThePlainNumber)
{
    const struct {
        const char *before;
        long long delta;
        const char *after;
    } cases[] = {{"00", 31, "31"}, {"", 1, "1"},     {"9", 1, "10"},  {"7", -1, "6"}, {"12abc", 3, "15"},
                 {"0", 0, "0"},    {"07", 0, "7"},    {"3", -4, "-1"}, {"10", -1, "9"}, {"x", 2, "2"}};
    for (const auto &c : cases) {
        std::string field = c.before;
        addTo(field, c.delta);
        EXPECT_EQ(field, c.after) << '"' << c.before << "\" + " << c.delta;
        NumberText kept{c.before};
        addTo(kept, c.delta);
        EXPECT_EQ(kept, c.after) << '"' << c.before << "\" + " << c.delta;
        EXPECT_EQ(readInt(kept), readInt(c.after)) << '"' << c.before << "\" + " << c.delta;
    }
}

// The flights round positions as std::lround does, halves away from zero.
TEST(TextNumber, PositionsRoundToWholeTwipsAsLroundDoes)
{
    for (const float twips : {0.0f, 0.49f, 0.5f, 0.51f, 2.5f, 1234.0f, 8880.5f, 11985.0f, -0.49f, -0.5f, -2.5f, -7.75f})
        EXPECT_EQ(roundTwips(twips), std::lround(twips)) << twips;
}

} // namespace
} // namespace pipstone
