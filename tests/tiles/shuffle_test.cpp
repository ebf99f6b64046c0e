#include "support/game_harness.h"
#include "tiles/random_source.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace pipstone::test {
namespace {

// A script for the shuffle: the given exchanges first, then slot 1 with itself.
std::deque<double> exchanges(const std::vector<std::pair<int, int>> &pairs)
{
    std::deque<double> script;
    for (const auto &[x, y] : pairs) {
        script.push_back((x - 0.5) / kSlots);
        script.push_back((y - 0.5) / kSlots);
    }
    script.resize(2 * kSlots + 1, 0.0); // the last one is the start-up draw
    return script;
}

std::vector<std::string> codes(const GameState &s)
{
    std::vector<std::string> all;
    for (int i = 1; i <= kSlots; ++i)
        all.push_back(s.lcard[i].Tag + s.rcard[i].Tag);
    return all;
}

// The double-six set in the order of its list: slot i of an unshuffled deal holds entry i.
const std::vector<std::string> kSetList{"00", "01", "02", "03", "04", "05", "06", "11", "12", "13",
                                        "14", "15", "16", "22", "23", "24", "25", "26", "33", "34",
                                        "35", "36", "44", "45", "46", "55", "56", "66"};

TEST(Shuffle, ExchangesRunInTheOrderDrawnEachXBeforeItsY)
{
    // (1 2) then (2 3) leaves 01 02 00; another order or pairing would not.
    GameHarness h(std::make_unique<ScriptedRandom>(exchanges({{1, 2}, {2, 3}, {28, 14}})));
    auto expected = kSetList;
    expected[0] = "01", expected[1] = "02", expected[2] = "00", expected[13] = "66", expected[27] = "22";
    EXPECT_EQ(codes(h.s()), expected);
}

TEST(Shuffle, TwentyEightExchangesOfSlotsDrawnOverTheWholeRange)
{
    // 0 draws slot 1, just under 1 slot 28, one half slot 15: (1 28), then (15 1),
    // then 26 times slot 9 with itself.
    std::deque<double> script{0.0, 0.99999, 0.5, 0.0};
    script.resize(2 * kSlots, 0.3);
    script.push_back(0.5); // the start-up draw
    auto random = std::make_unique<ScriptedRandom>(script);
    ScriptedRandom &scripted = *random;
    GameHarness h(std::move(random));
    auto expected = kSetList;
    expected[0] = "23", expected[14] = "66", expected[27] = "00";
    EXPECT_EQ(codes(h.s()), expected);
    EXPECT_EQ(scripted.drawn, 2 * kSlots + 1) << "56 for the shuffle, one at start-up";
    EXPECT_EQ(scripted.reseeds, 2) << "once for the deal, once at start-up";
}

TEST(Shuffle, HandSumsArePlainTextAddedToTheirStartingText)
{
    // Slots 1..7 ("00".."06") change places with the player's seven.
    GameHarness h(std::make_unique<ScriptedRandom>(
        exchanges({{1, 22}, {2, 23}, {3, 24}, {4, 25}, {5, 26}, {6, 27}, {7, 28}})));
    EXPECT_EQ(h.s().psc + " " + h.s().csc, "21 47"); // the computer: 23 24 25 26 33 34 35
    h.game.PushButton1_Click(); // the next hand starts again from "00"
    EXPECT_EQ(h.s().psc, "69"); // 36 44 45 46 55 56 66
    GameHarness odd(nullptr, /*load=*/false);
    odd.s().psc = "";
    odd.s().csc = "5";
    odd.game.dealcards();
    EXPECT_EQ(odd.s().psc + " " + odd.s().csc, "69 52");
}

TEST(Shuffle, TwoDealsInQuickSuccessionShuffleDifferently)
{
    GameHarness h(std::make_unique<ClockRandomSource>());
    const auto first = codes(h.s());
    h.game.draw();
    EXPECT_NE(codes(h.s()), first);
    ClockRandomSource a;
    a.reseed();
    const double fromFirstSeed = a.next();
    a.reseed();
    EXPECT_NE(a.next(), fromFirstSeed);
}

// A seeded game replays only while a seed gives the numbers it always gave:
// those of the standard uniform distribution over the same engine.
TEST(Shuffle, SeededDrawsAreTheStandardUniformNumbers)
{
    for (const std::uint64_t seed : {1ull, 2ull, 7919ull, 0x5eedull}) {
        SeededRandomSource source(seed);
        std::mt19937_64 engine(seed);
        std::uniform_real_distribution<double> standard(0.0, 1.0);
        for (int i = 0; i < 20000; ++i) {
            const double expected = standard(engine);
            const double drawn = source.next();
            ASSERT_EQ(drawn, expected) << "seed " << seed << ", draw " << i;
            ASSERT_LT(drawn, 1.0);
        }
    }
}

} // namespace
} // namespace pipstone::test
