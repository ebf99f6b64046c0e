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

void expectEveryCodeOnce(const GameState &s)
{
    const auto all = codes(s);
    const auto list = setList();
    for (const std::string &code : all) {
        ASSERT_EQ(code.size(), 2u);
        EXPECT_LE(code[0], code[1]) << code;
    }
    EXPECT_EQ(std::set<std::string>(all.begin(), all.end()), std::set<std::string>(list.begin(), list.end()));
}

TEST(Shuffle, ExchangesRunInTheOrderDrawnEachXBeforeItsY)
{
    // (1 2) then (2 3) leaves 01 02 00; another order or pairing would not.
    GameHarness h(std::make_unique<ScriptedRandom>(exchanges({{1, 2}, {2, 3}, {28, 14}})));
    const auto all = codes(h.s());
    EXPECT_EQ(all[0] + all[1] + all[2] + all[13] + all[27], "0102006622");
    expectEveryCodeOnce(h.s());
}

TEST(Shuffle, ScriptedDealsMatchTwentyEightExchangesAndKeepTheSet)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 engine(seed);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        std::deque<double> script;
        auto expected = setList();
        for (int round = 0; round < kSlots; ++round) {
            script.push_back(uniform(engine));
            script.push_back(uniform(engine));
            std::swap(expected[static_cast<int>(script[2 * round] * kSlots)],
                      expected[static_cast<int>(script[2 * round + 1] * kSlots)]);
        }
        script.push_back(0.5);
        auto random = std::make_unique<ScriptedRandom>(script);
        ScriptedRandom &scripted = *random;
        GameHarness h(std::move(random));
        EXPECT_EQ(codes(h.s()), std::vector<std::string>(expected.begin(), expected.end()));
        expectEveryCodeOnce(h.s());
        EXPECT_EQ(scripted.drawn, 2 * kSlots + 1) << "56 for the shuffle, one at start-up";
        EXPECT_EQ(scripted.reseeds, 2) << "once for the deal, once at start-up";
    }
}

TEST(Shuffle, HandSumsArePlainTextAddedToTheirStartingText)
{
    // Slots 1..7 ("00".."06") change places with the player's seven.
    GameHarness h(std::make_unique<ScriptedRandom>(
        exchanges({{1, 22}, {2, 23}, {3, 24}, {4, 25}, {5, 26}, {6, 27}, {7, 28}})));
    EXPECT_EQ(h.s().psc, "21");
    EXPECT_EQ(h.s().csc, "47"); // 23 24 25 26 33 34 35
    h.game.PushButton1_Click(); // the next hand starts again from "00"
    EXPECT_EQ(h.s().psc, "69"); // 36 44 45 46 55 56 66
    GameHarness odd(nullptr, /*load=*/false);
    odd.s().psc = "";
    odd.s().csc = "5";
    odd.game.dealcards();
    EXPECT_EQ(odd.s().psc, "69");
    EXPECT_EQ(odd.s().csc, "52");
}

// Records the numbers of the real generator, to see which slots it touched.
struct RecordingRandom : RandomSource {
    void reseed() override
    {
        inner.reseed();
        drawn.clear();
    }
    double next() override { return drawn.emplace_back(inner.next()); }
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
    long untouched = 0, keptTile = 0;
    for (int deal = 0; deal < kDeals; ++deal) {
        h.game.draw();
        ASSERT_EQ(recording.drawn.size(), 2u * kSlots);
        std::array<bool, kSlots + 1> touched{};
        for (double r : recording.drawn) {
            ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
            touched[static_cast<int>(std::floor(r * kSlots)) + 1] = true;
        }
        const auto all = codes(h.s());
        for (int i = 1; i <= kSlots; ++i) {
            untouched += touched[i] ? 0 : 1;
            keptTile += all[i - 1] == list[i - 1] ? 1 : 0;
        }
    }
    const double slots = static_cast<double>(kDeals) * kSlots;
    // (27/28)^56 = 0.1300 untouched; own tile kept 1/28 + (27/28)(26/28)^28 = 0.1568.
    // One standard deviation over 4000 deals is about 0.001.
    EXPECT_NEAR(untouched / slots, std::pow(27.0 / 28.0, 56), 0.006);
    EXPECT_NEAR(keptTile / slots, 1.0 / 28 + 27.0 / 28 * std::pow(26.0 / 28.0, 28), 0.006);
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

} // namespace
} // namespace pipstone::test
