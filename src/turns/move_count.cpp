// Counting each side's playable halves against the two open ends, and
// closing the gaps in the hand rows.
//
// A count lets pending events run once per hand entry. It never runs inside
// another count of the same side: counts run only inside a tick or a step,
// and those never nest (see app/one_thing_at_a_time.h). The nesting marks
// below let the tests prove it.

// own
#include "app/game_window.h"
#include "state/places.h"
#include "state/playable_halves.h"
#include "state/text_number.h"

// std
#include <algorithm>
#include <bit>
#include <cstring>

namespace pipstone {

namespace {

using Work = OneThingAtATime::Work;

int playableHalves(const GameState &s, int slot)
{
    return playableHalves(s, slot, readNumber(s.cu), readNumber(s.cd));
}

// Adds a tile's playable halves to its side's count. The count's text only
// ever holds what the count wrote, so adding nothing changes nothing.
void countIn(NumberText &count, int halves)
{
    if (halves != 0)
        addTo(count, halves);
}

// Writes the two digits of a slot number into an entry of the list, reusing
// the entry's text.
void writeSlot(std::string &entry, const char *digits)
{
    if (entry.size() == 2) // every entry the count wrote: overwrite the digits
        std::memcpy(entry.data(), digits, 2);
    else
        entry.assign(digits, 2);
}

// Whether the list holds exactly the slot numbers a count wrote into it.
bool stillLists(const std::vector<std::string> &list, const std::array<std::array<char, 2>, kSlots> &written,
                std::size_t count)
{
    if (list.size() != count)
        return false;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string &entry = list[k];
        if (entry.size() != 2 || std::memcmp(entry.data(), written[k].data(), 2) != 0)
            return false;
    }
    return true;
}

// Which side's row a first half's Top lies in.
constexpr auto inPlayerRow = [](float top) { return isCountedInPlayerRow(top); };
constexpr auto inComputersRow = [](float top) { return isInComputerRow(top); };

} // namespace

// The entries of a hand that still lie in the side's row (`inRow` reads a
// first half's Top). A hand's entries end at 7 + its extra tiles: the deal
// clears the rest, and each tile drawn goes to the next entry. Which entries
// lie in the row follows no pattern, so they are first marked without a
// branch on it, one bit an entry, and then gathered from the marks.
template <typename InRow>
void GameWindow::gatherRow(RowSlots &row, const Hand &hand, int extra, InRow inRow) const
{
    const int last = std::min(7 + extra, kSlots);
    std::uint32_t marks = 0; // bit i - 1 for entry i
    for (int i = 1; i <= last; ++i) {
        const int t = hand[i]; // 0 is an empty entry
        marks |= static_cast<std::uint32_t>((t > 0) & inRow(s_.lcard[t].Top)) << (i - 1);
    }
    int count = 0;
    for (; marks != 0; marks &= marks - 1)
        row.slot[static_cast<std::size_t>(count++)] = hand[std::countr_zero(marks) + 1];
    row.count = count;
}

// One side's count: the tiles of `hand` still in the side's row (`inRow`
// reads a first half's Top) against the open ends, with each counted slot
// added to `listed` when given. When no event could run between two entries
// (a quiet clock, or a toolkit that would let none run now), the entries are
// counted straight through (countRow); otherwise events run after each entry.
template <typename InRow>
void GameWindow::countMoves(NumberText &count, const Hand &hand, int extra, InRow inRow,
                            std::vector<std::string> *listed, LastCount &lastCount)
{
    if (countsStraightThrough()) {
        RowSlots row;
        gatherRow(row, hand, extra, inRow);
        countRow(count, row, extra, listed, lastCount);
        return;
    }

    lastCount.valid = false;
    count = "0";
    if (listed)
        listed->clear();
    const int last = std::min(7 + extra, kSlots);
    for (int i = 1; i <= last; ++i) {
        const int t = hand[i];
        if (t > 0 && inRow(s_.lcard[t].Top)) {
            countIn(count, playableHalves(s_, t));
            if (listed)
                listed->push_back(twoDigits(t));
        }
        pump();
    }
}

// A count made straight through from the side's row as gathered: the text
// written once, the list's entries rewritten in place.
void GameWindow::countRow(NumberText &count, const RowSlots &row, int extra, std::vector<std::string> *listed,
                          LastCount &lastCount)
{
    const double left = readNumber(s_.cu);
    const double right = readNumber(s_.cd);
    int halves = 0;
    for (int k = 0; k < row.count; ++k)
        halves += playableHalves(s_, row.slot[k], left, right);
    const auto listedCount = static_cast<std::size_t>(row.count);
    if (listed) {
        if (listed->size() != listedCount)
            listed->resize(listedCount);
        for (std::size_t k = 0; k < listedCount; ++k) {
            const char *digits = detail::kDigitPairs + 2 * row.slot[k]; // every slot number has two
            writeSlot((*listed)[k], digits);
            std::memcpy(lastCount.listed[k].data(), digits, 2);
        }
    }
    writeCount(count, halves);
    lastCount.valid = true;
    lastCount.stamp = writeStamp;
    lastCount.extra = extra;
    lastCount.listedCount = listedCount;
}

// Writing a count changes nothing that the other side's count or closing up
// the rows reads: a record that was current just before the write stays so.
void GameWindow::writeCount(NumberText &count, int halves)
{
    // Most counts are a single digit, and most stay what they were.
    const std::string &text = count.text();
    if (halves >= 0 && halves < 10 && text.size() == 1 && text[0] == '0' + halves)
        return;
    const std::uint64_t before = writeStamp;
    count.setWhole(halves);
    if (writeStamp == before)
        return;
    const std::uint64_t after = writeStamp;
    if (playerCount_.stamp == before)
        playerCount_.stamp = after;
    if (computerCount_.stamp == before)
        computerCount_.stamp = after;
    if (arranged_.stamp == before)
        arranged_.stamp = after;
}

// When no tile, pip, end or count has changed since the side's last count
// made straight through, nor its extra tiles or its list, and the next one
// would be made so too, it would write what the fields already hold: it is
// left out.
// Asked at every tick for both sides, and nearly always true: compiled into
// each caller, all of them in this file.
[[gnu::always_inline]] inline bool GameWindow::countIsCurrent(const LastCount &last, int extra,
                                                              const std::vector<std::string> *listed) const
{
    return last.valid && last.stamp == writeStamp && last.extra == extra && countsStraightThrough()
           && (!listed || stillLists(*listed, last.listed, last.listedCount));
}

// The check alone runs at every tick; the count itself, with all it needs
// set up, only when the check fails.
[[gnu::hot]] void GameWindow::variableppmove()
{
    if (!countIsCurrent(playerCount_, s_.pextra, nullptr))
        recountPlayer();
}

[[gnu::hot]] void GameWindow::variableccmove()
{
    if (!countIsCurrent(computerCount_, s_.cextra, &s_.List1))
        recountComputer();
}

[[gnu::noinline]] void GameWindow::recountPlayer()
{
    auto counting = activity_.mark(Work::PlayerCount);
    countMoves(s_.AvPmove, s_.phand, s_.pextra, inPlayerRow, nullptr, playerCount_);
}

[[gnu::noinline]] void GameWindow::recountComputer()
{
    auto counting = activity_.mark(Work::ComputerCount);
    countMoves(s_.AvCmove, s_.chand, s_.cextra, inComputersRow, &s_.List1, computerCount_);
}

// The stock is empty and neither side holds a tile that fits an end. The
// tile the player holds in a drag is still the player's. Counted without
// letting events run, for the checks that decide whether anyone may move.
bool GameWindow::handIsBlocked() const
{
    if (readInt(s_.pull) != kStockSize)
        return false;
    const auto holdsAFit = [this](const Hand &hand, int extra, auto isInHand) {
        for (int i = 1; i <= 7 + extra && i <= kSlots; ++i) {
            const int t = hand[i];
            if (t > 0 && isInHand(t) && playableHalves(s_, t) > 0)
                return true;
        }
        return false;
    };
    return !holdsAFit(s_.phand, s_.pextra,
                      [this](int t) { return t == heldSlot_ || isCountedInPlayerRow(s_.lcard[t].Top); })
           && !holdsAFit(s_.chand, s_.cextra, [this](int t) { return isInComputerRow(s_.lcard[t].Top); });
}

void GameWindow::arrangehands()
{
    const LastArrangement &last = arranged_;
    if (last.valid && last.stamp == writeStamp && last.leftStamp == leftStamp && last.pextra == s_.pextra
        && last.cextra == s_.cextra) {
        variableppmove();
        variableccmove();
        return;
    }
    // Gathered where they are kept: a copy would read the slots back just
    // after they were written one by one.
    const RowSlots &playerRow = arranged_.playerRow;
    const RowSlots &computerRow = arranged_.computerRow;
    gatherRow(arranged_.playerRow, s_.phand, s_.pextra, inPlayerRow);
    gatherRow(arranged_.computerRow, s_.chand, s_.cextra, inComputersRow);
    const auto closeUp = [this](const RowSlots &row, float top) {
        float left = kRowStart;
        for (int k = 0; k < row.count; ++k) {
            left += kRowPitch; // whole twips: exactly kRowStart + kRowPitch * (k + 1)
            moveHalf(s_.lcard[row.slot[k]], left, top);
            moveHalf(s_.rcard[row.slot[k]], left, top + kHalfPitch);
        }
    };
    closeUp(playerRow, kPlayerRowTop);
    closeUp(computerRow, kComputerRowTop);
    noteArranged();
    if (!countsStraightThrough()) {
        variableppmove();
        variableccmove();
        return;
    }
    // Closing up moves each tile along its own row: the rows just gathered
    // are still the rows, and the counts take them as they are.
    if (!countIsCurrent(playerCount_, s_.pextra, nullptr)) {
        auto counting = activity_.mark(Work::PlayerCount);
        countRow(s_.AvPmove, playerRow, s_.pextra, nullptr, playerCount_);
    }
    if (!countIsCurrent(computerCount_, s_.cextra, &s_.List1)) {
        auto counting = activity_.mark(Work::ComputerCount);
        countRow(s_.AvCmove, computerRow, s_.cextra, &s_.List1, computerCount_);
    }
}

void GameWindow::noteArranged()
{
    arranged_.valid = true;
    arranged_.stamp = writeStamp;
    arranged_.leftStamp = leftStamp;
    arranged_.pextra = s_.pextra;
    arranged_.cextra = s_.cextra;
}

// A draw lays its tile where closing up would: one pitch past the tiles its
// side held, at the end of the row. When the rows were closed up as the draw
// began laying it, and nothing but the draw has moved a tile or written an
// entry or a pip since, closing up again would move no tile, and the other
// side's count would read only what it read then: the drawing side alone is
// counted, its row as closed up with the drawn tile at the end.
void GameWindow::arrangeAfterDraw(const DrawnTile &drawn)
{
    const LastArrangement &last = arranged_;
    RowSlots &row = drawn.players ? arranged_.playerRow : arranged_.computerRow;
    const Hand &hand = drawn.players ? s_.phand : s_.chand;
    const int extra = drawn.players ? s_.pextra : s_.cextra;
    const int extraBefore = drawn.players ? last.pextra : last.cextra;
    const int otherExtra = drawn.players ? s_.cextra : s_.pextra;
    const StampReading now = readStamps();
    // Nothing but the draw has moved a tile or written an entry or a pip
    // since the rows were closed up, and only the drawing side drew.
    const bool onlyTheDraw = last.valid && countsStraightThrough() && last.stamp == drawn.before.write
                             && last.leftStamp == drawn.before.left && now.write == drawn.after.write
                             && now.left == drawn.after.left && extra == extraBefore + 1
                             && otherExtra == (drawn.players ? last.cextra : last.pextra);
    // The drawn tile is the row's next where closing up puts it, listed at
    // the new entry alone: a slot the hand listed already would now be
    // gathered at that entry too.
    bool atRowsEnd =
        onlyTheDraw && row.count == drawn.heldBefore && 7 + extra <= kSlots && hand[7 + extra] == drawn.slot;
    for (int i = 1; atRowsEnd && i < 7 + extra; ++i)
        atRowsEnd = hand[i] != drawn.slot;
    if (!atRowsEnd) {
        countAndArrange();
        return;
    }
    row.slot[static_cast<std::size_t>(row.count++)] = drawn.slot;
    LastCount &other = drawn.players ? computerCount_ : playerCount_;
    if (other.valid && other.stamp == last.stamp)
        other.stamp = now.write;
    noteArranged();
    if (drawn.players) {
        auto counting = activity_.mark(Work::PlayerCount);
        countRow(s_.AvPmove, row, extra, nullptr, playerCount_);
    } else {
        auto counting = activity_.mark(Work::ComputerCount);
        countRow(s_.AvCmove, row, extra, &s_.List1, computerCount_);
    }
}

// Counts, then closes up the rows and counts again. Closing up moves tiles only
// along their own rows, so when nothing can run in between, the second count
// only repeats the first, and the first is left out.
void GameWindow::countAndArrange()
{
    if (!countsStraightThrough()) {
        variableppmove();
        variableccmove();
    }
    arrangehands();
}

} // namespace pipstone
