#include "platform/qt/access/narrator.h"

// own
#include "state/places.h"
#include "state/text_number.h"

namespace pipstone {

namespace {

using Kind = Happening::Kind;

std::string pips(int first, int second)
{
    return std::to_string(first) + " and " + std::to_string(second);
}

std::string endsAfter(const Happening &h)
{
    return " Left end " + std::to_string(h.leftEnd) + ", right end " + std::to_string(h.rightEnd) + ".";
}

std::string winner(const Happening &h, const std::string &of)
{
    if (h.computerTotal > h.playerTotal)
        return "Computer wins the " + of + ".";
    if (h.playerTotal > h.computerTotal)
        return "You win the " + of + ".";
    return "The " + of + " is a draw.";
}

} // namespace

std::string sentence(const Happening &h)
{
    const bool you = h.side == Happening::Side::Player;
    const std::string tile = pips(h.first, h.second);
    switch (h.kind) {
    case Kind::Deal: return you ? "New hand. You open." : "New hand. Computer opens.";
    case Kind::Opening: return (you ? "You open with " : "Computer opens with ") + tile + "." + endsAfter(h);
    case Kind::Play:
        return (you ? "You play " : "Computer plays ") + tile + " on the "
               + (h.end == Happening::End::Left ? "left" : "right") + " end." + endsAfter(h);
    case Kind::Refusal: return tile + " does not go there.";
    case Kind::Draw:
        return (you ? "You take " + tile + " from the stock, " : std::string("Computer takes a tile from the stock, "))
               + std::to_string(h.stockLeft) + " left.";
    case Kind::Turn: return you ? "Your turn." : "Computer's turn.";
    case Kind::Pass: return you ? "You cannot move and pass." : "Computer cannot move and passes.";
    case Kind::HandOver:
        return "Hand over. Computer adds " + std::to_string(h.computerAdded) + ", you add "
               + std::to_string(h.playerAdded) + ". Computer " + formatScore(h.computerTotal) + ", you "
               + formatScore(h.playerTotal) + ". " + winner(h, "hand");
    case Kind::MatchOver: return "Match over. " + winner(h, "match");
    }
    return {};
}

std::string Narrator::takeLine()
{
    std::string line;
    for (const Happening &h : heard_)
        line += (line.empty() ? "" : " ") + sentence(h);
    heard_.clear();
    if (!line.empty())
        latest_ = line;
    return line;
}

std::string tileName(const GameState &s, int slot)
{
    if (slot < 1 || slot > kSlots)
        return {};
    return s.lcard[slot].Tag + " and " + s.rcard[slot].Tag;
}

std::string openEnds(const GameState &s)
{
    if (readInt(s.first[0]) == 0)
        return "no tile yet";
    return "left end " + s.cu + ", right end " + s.cd;
}

} // namespace pipstone
