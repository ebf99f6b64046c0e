// The end of a hand. Each side adds the pips left in its own hand to its own
// match total, and the side with the higher total is announced as the winner
// of the hand. A total of 101 or more ends the match and the program.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/text_number.h"
#include "tiles/pictures.h"

// std
#include <algorithm>
#include <string>
#include <string_view>

namespace pipstone {

namespace {

const std::string kResultTitle = "  Brisk Domino     Max Score = 101  ";

std::string scoreOf(const std::string &field)
{
    return formatScore(readInt(field));
}

} // namespace

void GameWindow::checkendgame()
{
    s_.compscore.Caption = formatScore(readInt(s_.csc) + readInt(s_.ccsc));
    s_.playerscore.Caption = formatScore(readInt(s_.psc) + readInt(s_.ppsc));
    showcards();
    variableppmove();
    variableccmove();

    // The computer's remaining tiles turn face up where they lie.
    for (const std::string &item : s_.List1) {
        const int t = readInt(item);
        if (t < 1 || t > kSlots)
            continue;
        s_.lcard[t].picture = uprightFace(readInt(s_.lcard[t].Tag));
        s_.rcard[t].picture = uprightFace(readInt(s_.rcard[t].Tag));
    }

    const int computerTotal = readInt(s_.compscore.Caption);
    const int playerTotal = readInt(s_.playerscore.Caption);
    const bool matchOver = computerTotal >= kMatchTarget || playerTotal >= kMatchTarget;

    // The result box's text, put together in place and made a string once:
    // the winner's line first. Its longest form, with every total at its
    // widest, takes well under the room given.
    char text[256];
    char *out = text;
    const auto put = [&out](std::string_view part) { out = std::copy(part.begin(), part.end(), out); };
    const auto scoreLine = [&](std::string_view lead, const std::string &before, const std::string &added,
                               const std::string &total) {
        put(lead);
        put(scoreOf(before));
        put(" + ");
        put(scoreOf(added));
        put(" = ");
        put(scoreOf(total));
    };
    const auto computerLine = [&] { scoreLine(" Computer Score = ", s_.ccsc, s_.csc, s_.compscore.Caption); };
    const auto playerLine = [&] { scoreLine(" Player Score :    = ", s_.ppsc, s_.psc, s_.playerscore.Caption); };
    if (playerTotal < computerTotal) {
        put("Computer Win That Game\r\n");
        computerLine();
        put("\r\n");
        playerLine();
    } else {
        put(playerTotal > computerTotal ? "Player Win That Game \r\n" : "Game Is Draw\r\n");
        playerLine();
        put("\r\n");
        computerLine();
    }
    const std::string message(text, out);
    platform_.happened(scoreHappening(Happening::Kind::HandOver, s_));
    if (matchOver)
        platform_.happened(scoreHappening(Happening::Kind::MatchOver, s_));
    ask(message, kResultTitle);

    if (matchOver) {
        // Closing the window ends the match: the periodic check that called
        // this returns at once, and so does everything up to the event's
        // dispatch.
        onClose();
        return;
    }
    s_.endflag = 0;
    PushButton1_Click();
}

} // namespace pipstone
