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
    Happening h;
    h.kind = kind;
    h.side = sideToMove(s);
    if (slot >= 1 && slot <= kSlots) {
        h.first = pips(s.lcard[slot].Tag);
        h.second = pips(s.rcard[slot].Tag);
    }
    h.leftEnd = pips(s.cu);
    h.rightEnd = pips(s.cd);
    h.stockLeft = static_cast<std::uint8_t>(kStockSize - readInt(s.pull));
    return h;
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
