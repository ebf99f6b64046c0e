#include "support/game_harness.h"
#include "tiles/random_source.h"
#include "tiles/tile_set.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <deque>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace pipstone::test {
namespace {

// The random number that draws slot `slot` (1..28).
double drawing(int slot)
{
    return (slot - 0.5) / kSlots;
}

// A script for the shuffle: the given exchanges first, then exchanges of
// slot 1 with itself.
std::deque<double> exchanges(const std::vector<std::pair<int, int>> &pairs)
{
    std::deque<double> script;
    for (const auto &[x, y] : pairs) {
        script.push_back(drawing(x));
        script.push_back(drawing(y));
    }
    while (script.size() < 2 * kSlots)
        script.push_back(0.0);
    script.push_back(0.0); // the start-up draw
    return script;
}

std::string codeOf(const GameState &s, int slot)
{
    return s.lcard[slot].Tag + s.rcard[slot].Tag;
}

void expectEveryCodeOnce(const GameState &s)
{
    std::set<std::string> seen;
    for (int i = 1; i <= kSlots; ++i) {
        const std::string code = codeOf(s, i);
        ASSERT_EQ(code.size(), 2u) << "slot " << i;
        EXPECT_LE(code[0], code[1]) << "slot " << i << " holds " << code;
        seen.insert(code);
    }
    const auto list = setList();
    EXPECT_EQ(seen, std::set<std::string>(list.begin(), list.end()));
}

TEST(Shuffle, TheSetListIsInSetOrder)
{
    const auto list = setList();
    EXPECT_EQ(list[0], "00");
    EXPECT_EQ(list[6], "06");
    EXPECT_EQ(list[7], "11");
    EXPECT_EQ(list[13], "22");
    EXPECT_EQ(list[27], "66");
}

TEST(Shuffle, ExchangesRunInTheOrderDrawnEachXBeforeItsY)
{
    // (1 2) then (2 3) leaves 01 02 00 in slots 1..3; the other order, or
    // pairing the draws differently, would not.
    GameHarness h(std::make_unique<ScriptedRandom>(exchanges({{1, 2}, {2, 3}, {28, 14}})));
    EXPECT_EQ(codeOf(h.s(), 1), "01");
    EXPECT_EQ(codeOf(h.s(), 2), "02");
    EXPECT_EQ(codeOf(h.s(), 3), "00");
    EXPECT_EQ(codeOf(h.s(), 14), "66");
    EXPECT_EQ(codeOf(h.s(), 28), "22");
    expectEveryCodeOnce(h.s());
}

TEST(Shuffle, ScriptedDealsMatchTwentyEightExchangesAndKeepTheSet)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 engine(seed);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        std::deque<double> script;
        for (int d = 0; d < 2 * kSlots; ++d)
            script.push_back(uniform(engine));
        // The slots as 28 exchanges leave them, worked out by hand here.
        auto expected = setList();
        for (int round = 0; round < kSlots; ++round) {
            const int x = static_cast<int>(script[2 * round] * kSlots);
            const int y = static_cast<int>(script[2 * round + 1] * kSlots);
            std::swap(expected[x], expected[y]);
        }
        script.push_back(0.5);
        auto random = std::make_unique<ScriptedRandom>(script);
        ScriptedRandom &scripted = *random;
        GameHarness h(std::move(random));
        SCOPED_TRACE("seed " + std::to_string(seed));
        for (int i = 1; i <= kSlots; ++i)
            EXPECT_EQ(codeOf(h.s(), i), expected[i - 1]) << "slot " << i;
        expectEveryCodeOnce(h.s());
        EXPECT_EQ(scripted.drawn, 2 * kSlots + 1) << "56 for the shuffle, one at start-up";
        EXPECT_EQ(scripted.reseeds, 2) << "once for the deal, once at start-up";
    }
}

TEST(Shuffle, HandSumsArePlainText)
{
    // Slots 1..7 ("00".."06") change places with the player's seven.
    GameHarness h(std::make_unique<ScriptedRandom>(
        exchanges({{1, 22}, {2, 23}, {3, 24}, {4, 25}, {5, 26}, {6, 27}, {7, 28}})));
    EXPECT_EQ(h.s().psc, "21");
    EXPECT_EQ(h.s().csc, "47"); // 23 24 25 26 33 34 35
    // The next hand starts again from "00", not from the last sums.
    h.game.PushButton1_Click();
    GameHarness plain;
    EXPECT_EQ(h.s().psc, plain.s().psc);
    EXPECT_EQ(plain.s().psc, "69"); // 36 44 45 46 55 56 66
    EXPECT_EQ(plain.s().csc, "47");
}

TEST(Shuffle, SumsStartingFromAnOddTextAreAddedToIt)
{
    GameHarness h(nullptr, /*load=*/false);
    h.s().psc = "";
    h.s().csc = "5";
    h.game.dealcards();
    EXPECT_EQ(h.s().psc, "69");
    EXPECT_EQ(h.s().csc, "52");
}

// Records the numbers of the real generator, to see which slots it touched.
class RecordingRandom : public RandomSource {
public:
    void reseed() override
    {
        inner.reseed();
        drawn.clear();
    }
    double next() override
    {
        drawn.push_back(inner.next());
        return drawn.back();
    }
    ClockRandomSource inner;
    std::vector<double> drawn;
};

TEST(Shuffle, TheRealShuffleLeavesAboutOneSlotInEightUntouched)
{
    auto random = std::make_unique<RecordingRandom>();
    RecordingRandom &recording = *random;
    GameHarness h(std::move(random));
    const auto list = setList();
    constexpr int kDeals = 4000;
    long untouched = 0;
    long keptTile = 0;
    for (int deal = 0; deal < kDeals; ++deal) {
        h.game.draw();
        ASSERT_EQ(recording.drawn.size(), 2u * kSlots);
        std::array<bool, kSlots + 1> touched{};
        for (double r : recording.drawn) {
            ASSERT_GE(r, 0.0);
            ASSERT_LT(r, 1.0);
            touched[static_cast<int>(std::floor(r * kSlots)) + 1] = true;
        }
        for (int i = 1; i <= kSlots; ++i) {
            untouched += touched[i] ? 0 : 1;
            keptTile += codeOf(h.s(), i) == list[i - 1] ? 1 : 0;
        }
    }
    const double slots = static_cast<double>(kDeals) * kSlots;
    // (27/28)^56 = 0.1300; a slot ends with its own tile with probability
    // 1/28 + (27/28) (26/28)^28 = 0.1568. Over 4000 deals the shares vary
    // by about 0.001 (one standard deviation), so 0.006 is beyond chance.
    EXPECT_NEAR(untouched / slots, std::pow(27.0 / 28.0, 56), 0.006);
    EXPECT_NEAR(keptTile / slots, 1.0 / 28 + 27.0 / 28 * std::pow(26.0 / 28.0, 28), 0.006);
}

TEST(Shuffle, TwoDealsInQuickSuccessionShuffleDifferently)
{
    GameHarness h(std::make_unique<ClockRandomSource>());
    std::vector<std::string> first;
    for (int i = 1; i <= kSlots; ++i)
        first.push_back(codeOf(h.s(), i));
    h.game.draw();
    std::vector<std::string> second;
    for (int i = 1; i <= kSlots; ++i)
        second.push_back(codeOf(h.s(), i));
    EXPECT_NE(first, second);

    ClockRandomSource a;
    a.reseed();
    const double fromFirstSeed = a.next();
    a.reseed();
    EXPECT_NE(a.next(), fromFirstSeed);
}

} // namespace
} // namespace pipstone::test
