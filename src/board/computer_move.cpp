// The computer's move. It does not weigh its tiles: it opens with the first
// tile of its hand, and otherwise plays the last tile of its hand list that
// fits an end, drawing from the stock one tile at a time while nothing fits.
// The chosen tile flies across the board and is parked in the region of its
// end, so that the rest of the placement lays it exactly like a dropped tile.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/playable_halves.h"
#include "app/timing.h"
#include "state/text_number.h"

// std
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pipstone {

namespace {

bool inComputerRow(const GameState &s, int slot)
{
    return (slot > 0) & isInComputerRow(s.lcard[slot].Top); // slot 0's template half is there to read
}

// The computer's messages, made once: they are longer than a string keeps
// without the heap.
const std::string kWillStart = "Computer Will Start";
const std::string kWillTakeExtraCard = "Computer Will Take Extra Card";
const std::string kNoTitle;

// The status line names the chosen tile by its pips. A pip is one digit, so
// the line is its fixed text with the two digits put in.
void nameChosenTile(ShownText &status, const NumberText &first, const NumberText &second)
{
    static constexpr char kHead[] = "Computer Choose Card   ";
    if (first.text().size() != 1 || second.text().size() != 1) {
        status.join(kHead, first, " / ", second);
        return;
    }
    char line[] = "Computer Choose Card   ? / ?";
    line[sizeof kHead - 1] = first.text()[0];
    line[sizeof line - 2] = second.text()[0];
    status = std::string_view(line, sizeof line - 1);
}

} // namespace

void GameWindow::computerOpening(bool &placed)
{
    ask(kWillStart, s_.caption);
    int s = 0;
    for (int i = 1; i <= 7 + s_.cextra && s == 0; ++i)
        if (inComputerRow(s_, s_.chand[i]))
            s = s_.chand[i];
    if (s == 0)
        return;
    writeWhole(s_.Text1, s);
    s_.cu = s_.lcard[s].Tag;
    s_.cd = s_.rcard[s].Tag;
    s_.first[0] = "1";
    placed = true;
    s_.lcard[s].Left = 6025;
    s_.rcard[s].Left = 6450;
    for (Picture *half : {&s_.lcard[s], &s_.rcard[s]}) {
        half->Top = 4000;
        half->Width = half->Height = 400;
        s_.bringToFront(*half);
    }
    showcards();
    addTo(s_.csc, -(readInt(s_.lcard[s].Tag) + readInt(s_.rcard[s].Tag)));
    addTo(s_.cno, -1);
    platform_.happened(tileHappening(Happening::Kind::Opening, s_, s));
    s_.lStatus.Caption = kYourTurn;
    platform_.happened(sideHappening(Happening::Kind::Turn, s_));
}

// The turn is compiled together with what it calls and the compiler can
// see: the flight, which only a turn calls, and the small field helpers.
[[gnu::flatten]] bool GameWindow::computerTurn()
{
    bool found = false;
    // The Left and Top of the cell the tile flies to, once noted in this turn.
    std::optional<std::pair<long, long>> cellAt;
    for (;;) {
        const int bound = 7 + s_.cextra;
        const double left = readNumber(s_.cu);
        const double right = readNumber(s_.cd);
        // Every half that shows an open end counts as a move; the last tile
        // of the list that has one is the one played.
        int halves = 0;
        int last = 0;
        // Which entries lie in the row follows no pattern: every entry is
        // weighed, and one off the row counts nothing.
        for (int i = 1; i <= bound; ++i) {
            const int s = s_.chand[i];
            const int fit = static_cast<int>(inComputerRow(s_, s)) * playableHalves(s_, s, left, right);
            halves += fit;
            last = fit != 0 ? s : last;
        }
        if (halves != 0) {
            addTo(s_.AvCmove, halves);
            writeWhole(s_.Text1, last);
            found = true;
        }
        const int t = found ? last : 0;
        const NumberText &upper = s_.lcard[t].Tag;
        const NumberText &lower = s_.rcard[t].Tag;
        s_.mu = upper;
        s_.md = lower;
        // A tile that fits both ends goes to the right end. Nothing runs
        // between the two ends' notes, so only the end chosen is noted.
        const auto fits = [&upper, &lower](const NumberText &end) { return end == lower || end == upper; };
        const bool toRight = fits(s_.cd);
        if (toRight || fits(s_.cu)) {
            const Shape &cell = toRight ? s_.Shr[readInt(s_.first[1])] : s_.Shl[readInt(s_.first[2])];
            s_.parkLeft = kParkLeft;
            s_.parkTop = toRight ? kParkTopRightEnd : kParkTopLeftEnd;
            cellAt = {roundTwips(cell.Left), roundTwips(cell.Top)};
            writeWhole(s_.Label8, cellAt->first);
            writeWhole(s_.Label9, cellAt->second);
            s_.creveal = 1;
        }
        if (found || readInt(s_.pull) == kStockSize)
            break;
        ask(kWillTakeExtraCard, kNoTitle);
        auto drawing = activity_.mark(OneThingAtATime::Work::Draw);
        PushButton3_Click();
    }
    if (!found) {
        s_.lStatus.Caption = kComputerTurn;
        return false;
    }
    // A turn that noted no cell flies to the one noted before.
    if (!cellAt)
        cellAt = {readInt(s_.Label8), readInt(s_.Label9)};
    flyComputerTile(cellAt->first, cellAt->second);
    return true;
}

void GameWindow::flyComputerTile(long toX, long toY)
{
    const int t = readInt(s_.Text1);
    Picture &first = s_.lcard[t];
    Picture &second = s_.rcard[t];
    nameChosenTile(s_.lblStatusBar.Caption, first.Tag, second.Tag);
    s_.Cover.Left = first.Left;
    s_.Cover.Top = first.Top;
    const long fromX = roundTwips(first.Left);
    writeWhole(s_.Label10, fromX);

    // Text1 names the tile throughout: the display of it in the computer's
    // row lets no event in.
    first.Visible = second.Visible = false;
    s_.facemul = 1;
    showTile(t);
    moveHalf(first, s_.parkLeft, s_.parkTop);
    moveHalf(second, s_.parkLeft, s_.parkTop + 400);
    for (Picture *half : {&first, &second}) {
        half->Width = half->Height = 400;
        s_.bringToFront(*half);
    }
    s_.Cover.Visible = true;
    s_.bringToFront(s_.Cover);
    s_.facemul = 0;
    showTile(t);
    s_.Cover.Visible = true;
    s_.Cover.CoverU = first.picture;
    s_.Cover.CoverD = second.picture;

    // Across to the cell's Left, then down to its Top. A tile that already
    // stands at the cell's Left has no way across to go.
    if (fromX != toX) {
        const long stepX = toX > fromX ? timing::kFlightStep : -timing::kFlightStep;
        fly(s_.Cover.Left, {fromX, static_cast<double>(toX), stepX, timing::kFlightAcrossWait, true});
    }
    fly(s_.Cover.Top, {60, static_cast<double>(toY), timing::kFlightStep, timing::kFlightDownWait, true});
    s_.Cover.Visible = false;
    first.Visible = second.Visible = true;
}

} // namespace pipstone
