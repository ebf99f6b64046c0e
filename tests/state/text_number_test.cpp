#include "state/number_text.h"
#include "state/text_number.h"

#include <gtest/gtest.h>

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
                 {".5", 0.5, 1}};
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
    EXPECT_EQ(toText(0) + " " + toText(7) + " " + toText(-3) + " " + toText(101) + " " + twoDigits(3) + " " + twoDigits(28)
                  + " " + twoDigits(100) + " " + twoDigits(-3),
              "0 7 -3 101 03 28 100 -03");
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

TEST(TextNumber, ScoresShowAtLeastThreeDigits)
{
    const std::pair<int, const char *> cases[] = {{0, "000"}, {7, "007"}, {12, "012"}, {101, "101"}, {1000, "1000"}, {-5, "-005"}};
    for (const auto &[n, text] : cases)
        EXPECT_EQ(formatScore(n), text);
}

} // namespace
} // namespace pipstone
