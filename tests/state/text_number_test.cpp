#include "state/text_number.h"

#include <gtest/gtest.h>

#include <string>

namespace pipstone {
namespace {

TEST(TextNumber, ReadsTheLeadingNumberLeniently)
{
    const struct {
        const char *text;
        int value;
    } cases[] = {
        {"", 0}, {"00", 0}, {"0", 0}, {"7", 7}, {"12abc", 12}, {"abc", 0}, {" 7", 7}, {"007", 7}, {"101", 101},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(readInt(c.text), c.value) << '"' << c.text << '"';
        EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(TextNumber, WritesTheShortestText)
{
    EXPECT_EQ(toText(0), "0");
    EXPECT_EQ(toText(7), "7");
    EXPECT_EQ(toText(12), "12");
    EXPECT_EQ(toText(101), "101");
}

TEST(TextNumber, AddingRewritesThePlainNumber)
{
    // The hand sums start as "00" and the counts as "" or "0"; once added to
    // they hold plain decimal text, never padded.
    const struct {
        const char *before;
        long long delta;
        const char *after;
    } cases[] = {{"00", 31, "31"}, {"", 1, "1"}, {"0", 1, "1"}, {"9", 1, "10"}, {"7", -1, "6"}, {"12abc", 3, "15"}};
    for (const auto &c : cases) {
        std::string field = c.before;
        addTo(field, c.delta);
        EXPECT_EQ(field, c.after) << '"' << c.before << "\" + " << c.delta;
    }
}

TEST(TextNumber, ScoresShowAtLeastThreeDigits)
{
    EXPECT_EQ(formatScore(0), "000");
    EXPECT_EQ(formatScore(7), "007");
    EXPECT_EQ(formatScore(12), "012");
    EXPECT_EQ(formatScore(101), "101");
    EXPECT_EQ(formatScore(1000), "1000");
}

TEST(TextNumber, SlotItemsHaveTwoDigits)
{
    EXPECT_EQ(twoDigits(3), "03");
    EXPECT_EQ(twoDigits(15), "15");
    EXPECT_EQ(twoDigits(28), "28");
    EXPECT_EQ(readInt(twoDigits(3)), 3);
}

} // namespace
} // namespace pipstone
