#pragma once

// own
#include "app/game_window.h"
#include "platform/headless/headless_platform.h"
#include "state/text_number.h"

// std
#include <deque>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace pipstone::test {

// Random numbers the test writes down in advance; after the script runs out
// it repeats its last number.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<double> numbers = {})
        : numbers_(std::move(numbers))
    {
    }
    void reseed() override { ++reseeds; }
    double next() override;
    int reseeds = 0;
    int drawn = 0;

private:
    std::deque<double> numbers_;
    double last_ = 0.5;
};

// A game on the headless toolkit, with the moves a test needs.
class GameHarness {
public:
    // Starts the game the way the program does; without a script the shuffle
    // leaves every tile where the set list put it (all exchanges x == y).
    explicit GameHarness(std::unique_ptr<RandomSource> random = nullptr, bool load = true);

    // The state to change; a change from here counts as an event (see
    // GameWindow::state).
    GameState &s() { return game.state(); }
    // The state to read, which leaves alone the ticks the game skips.
    const GameState &view() const { return std::as_const(game).state(); }
    // Centre of the first half of a slot.
    float centreX(int slot) const { return view().lcard[slot].Left + 100; }
    float centreY(int slot) const { return view().lcard[slot].Top + 100; }

    // Drags the tile of a slot so that its first half's top-left corner ends
    // at (left, top), and releases it there.
    void dragTo(int slot, float left, float top);
    // Leaves the tile of a slot as such a drag drops it, and lays it (or
    // sends it back) without the mouse: the placement alone.
    void dropAt(int slot, float left, float top);
    // Presses and releases a push button with the mouse.
    void click(ButtonId button) { platform.click(button); }
    void advance(std::int64_t ms) { platform.advance(ms); }
    // Runs the clock until nothing is running and it is the player's move.
    bool untilPlayersTurn(std::int64_t limitMs = 60000);

    // Gives slot `slot` the tile code "ab" (the first half a, the second b),
    // exchanging it with whichever slot held that code.
    void putTile(int slot, const std::string &code);
    // Empties the stock and opens the ends 0 and 1, which fit none of the
    // dealt tiles (player 36 44 45 46 55 56 66, computer 23 24 25 26 33 34
    // 35): neither side can move, on the turn of `status`.
    void blockBothSides(const std::string &status = kYourTurn);

    HeadlessPlatform platform;
    GameWindow game;
};

// Where the halves of a slot stand: the first's Left and Top, the second's.
using Spot = std::tuple<float, float, float, float>;
inline Spot spotOf(const GameState &s, int slot)
{
    return {s.lcard[slot].Left, s.lcard[slot].Top, s.rcard[slot].Left, s.rcard[slot].Top};
}

// Where every tile lies and what the counts, ends, status and totals say:
// what a step that went on would change.
std::string snapshot(const GameState &s);

} // namespace pipstone::test
