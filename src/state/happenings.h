#pragma once

// std
#include <cstdint>

// What happened in the game, told by the rules at the moment it happens, for
// the toolkit to present to a player who cannot see the board (a screen
// reader speaks it). A happening is a small record of numbers: turning it
// into words is the toolkit's business. None of it takes part in the rules.
namespace pipstone {

struct Happening {
    enum class Kind : std::uint8_t {
        Deal,     // a hand was dealt; `side` opens it
        Opening,  // `side` laid `tile` in the middle
        Play,     // `side` laid `tile` on the `end` end
        Refusal,  // the player's `tile` did not go where it was let go
        Draw,     // `side` took `tile` from the stock; `stockLeft` tiles remain
        Turn,     // the turn went to `side`
        Pass,     // `side` could not move on an empty stock and gave up its turn
        HandOver, // the hand was scored: `computerAdded` and `playerAdded` pips
                  // went onto the totals, which are now `computerTotal` and
                  // `playerTotal`
        MatchOver // the match ended with those totals
    };
    enum class Side : std::uint8_t { Player, Computer };
    enum class End : std::uint8_t { Left, Right };

    Kind kind = Kind::Turn;
    Side side = Side::Player;
    // The tile's two halves as dealt (first half, second half).
    std::uint8_t first = 0, second = 0;
    End end = End::Left;
    // The open ends once the tile lies (Opening, Play).
    std::uint8_t leftEnd = 0, rightEnd = 0;
    std::uint8_t stockLeft = 0;
    std::int16_t computerAdded = 0, playerAdded = 0;
    std::int16_t computerTotal = 0, playerTotal = 0;

    bool operator==(const Happening &) const = default;
};

struct GameState;

// Happenings read off the state at the moment they happen, for the side whose
// turn the status names.
Happening::Side sideToMove(const GameState &s);
// A tile laid, drawn or refused: its halves, and the open ends and the stock
// as they are now.
Happening tileHappening(Happening::Kind kind, const GameState &s, int slot);
// A deal, a turn or a pass of the side the status now names.
Happening sideHappening(Happening::Kind kind, const GameState &s);
// A hand or the match scored: the shown totals and the pips left in hand.
Happening scoreHappening(Happening::Kind kind, const GameState &s);

} // namespace pipstone
