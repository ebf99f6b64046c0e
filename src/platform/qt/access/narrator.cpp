#include "platform/qt/access/narrator.h"

// own
#include "state/places.h"
#include "state/text_number.h"

namespace pipstone {

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

std::string Narrator::observe(const GameState &s)
{
    const int computerTiles = readInt(s.cno);
    const int playerTiles = readInt(s.pno);
    const int drawn = readInt(s.pull);
    std::string line;
    const auto tell = [&line](const std::string &sentence) { line += (line.empty() ? "" : " ") + sentence; };

    if (looked_) {
        // A deal empties the stock's count and fills both hands again.
        const bool handsRefilled = computerTiles > computerTiles_ || playerTiles > playerTiles_;
        const bool newHand = drawn < drawn_ || (drawn == drawn_ && handsRefilled);
        if (s.compscore.Caption != computerTotal_ || s.playerscore.Caption != playerTotal_)
            tell("Hand over. Computer " + s.compscore.Caption + ", player " + s.playerscore.Caption + ".");
        if (newHand) {
            tell("New hand.");
        } else {
            if (drawn > drawn_ && computerTiles > computerTiles_)
                tell("Computer takes a tile from the stock, " + std::to_string(kStockSize - drawn) + " left.");
            if (drawn > drawn_ && playerTiles > playerTiles_)
                tell("You take " + tileName(s, drawn) + " from the stock.");
            if (computerTiles < computerTiles_)
                tell("Computer plays " + tileName(s, readInt(s.Text1)) + ".");
            if (playerTiles < playerTiles_)
                tell("You play " + tileName(s, readInt(s.Text1)) + ".");
        }
        if (s.aids.refusals != refusals_)
            tell(tileName(s, s.aids.refusedSlot) + " does not go there.");
        if (s.lStatus.Caption != status_ && (s.lStatus.Caption == kYourTurn || s.lStatus.Caption == kComputerTurn))
            tell((s.lStatus.Caption == kYourTurn ? "Your turn, " : "Computer's turn, ") + openEnds(s) + ".");
    }
    looked_ = true;
    status_ = s.lStatus.Caption;
    computerTotal_ = s.compscore.Caption;
    playerTotal_ = s.playerscore.Caption;
    computerTiles_ = computerTiles;
    playerTiles_ = playerTiles;
    drawn_ = drawn;
    refusals_ = s.aids.refusals;
    if (!line.empty())
        latest_ = line;
    return line;
}

} // namespace pipstone
