#include "state/happenings.h"

// own
#include "state/game_state.h"
#include "state/places.h"
#include "state/text_number.h"

namespace pipstone {

namespace {

// A pip field keeps what its text reads as.
std::uint8_t pips(const NumberText &field)
{
    return static_cast<std::uint8_t>(readInt(field));
}

std::int16_t total(const std::string &text)
{
    return static_cast<std::int16_t>(readInt(text));
}

} // namespace

Happening::Side sideToMove(const GameState &s)
{
    return isComputerTurn(s.lStatus.Caption) ? Happening::Side::Computer : Happening::Side::Player;
}

Happening tileHappening(Happening::Kind kind, const GameState &s, int slot)
{
    // A slot out of range names no tile: its halves read 0. Every field is
    // given at once, so the record is put together in a register.
    const bool tile = slot >= 1 && slot <= kSlots;
    return {.kind = kind,
            .side = sideToMove(s),
            .first = tile ? pips(s.lcard[slot].Tag) : std::uint8_t{0},
            .second = tile ? pips(s.rcard[slot].Tag) : std::uint8_t{0},
            .end = Happening::End::Left,
            .leftEnd = pips(s.cu),
            .rightEnd = pips(s.cd),
            .stockLeft = static_cast<std::uint8_t>(kStockSize - readInt(s.pull))};
}

Happening sideHappening(Happening::Kind kind, const GameState &s)
{
    Happening h;
    h.kind = kind;
    h.side = sideToMove(s);
    return h;
}

Happening scoreHappening(Happening::Kind kind, const GameState &s)
{
    Happening h;
    h.kind = kind;
    h.computerAdded = total(s.csc);
    h.playerAdded = total(s.psc);
    h.computerTotal = total(s.compscore.Caption);
    h.playerTotal = total(s.playerscore.Caption);
    return h;
}

} // namespace pipstone
