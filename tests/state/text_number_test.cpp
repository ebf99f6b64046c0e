#include "state/text_number.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace pipstone {
namespace {

TEST(TextNumber, ReadsLenientlyAndWritesPlainText)
{
    const std::pair<const char *, int> reads[] = {{"", 0},      {"00", 0}, {"7", 7},    {"12abc", 12},
                                                  {"abc", 0},   {" 7", 7}, {"007", 7}, {"101", 101}};
    for (const auto &[text, value] : reads) {
        EXPECT_EQ(readInt(text), value) << '"' << text << '"';
        EXPECT_EQ(readNumber(text), value) << '"' << text << '"';
    }
    for (int n : {0, 7, 12, 101})
        EXPECT_EQ(toText(n), std::to_string(n));
    EXPECT_EQ(twoDigits(3), "03");
    EXPECT_EQ(twoDigits(28), "28");
}

TEST(TextNumber, AddingRewritesThePlainNumber)
{
    const struct {
        const char *before;
        long long delta;
        const char *after;
    } cases[] = {{"00", 31, "31"}, {"", 1, "1"}, {"9", 1, "10"}, {"7", -1, "6"}, {"12abc", 3, "15"}};
    for (const auto &c : cases) {
        std::string field = c.before;
        addTo(field, c.delta);
        EXPECT_EQ(field, c.after) << '"' << c.before << "\" + " << c.delta;
    }
}

TEST(TextNumber, ScoresShowAtLeastThreeDigits)
{
    const std::pair<int, const char *> cases[] = {{0, "000"}, {7, "007"}, {12, "012"}, {101, "101"}, {1000, "1000"}};
    for (const auto &[n, text] : cases)
        EXPECT_EQ(formatScore(n), text);
}

} // namespace
} // namespace pipstone
