#include "support/game_harness.h"

// std
#include <sstream>
#include <utility>

namespace pipstone::test {

double ScriptedRandom::next()
{
    ++drawn;
    if (!numbers_.empty()) {
        last_ = numbers_.front();
        numbers_.pop_front();
    }
    return last_;
}

namespace {

// Every exchange of the shuffle then swaps a slot with itself, so the deal
// keeps the set order: slots 15..21 hold 23 24 25 26 33 34 35 and the
// player's slots 22..28 hold 36 44 45 46 55 56 66.
std::unique_ptr<RandomSource> orNoShuffle(std::unique_ptr<RandomSource> random)
{
    if (random)
        return random;
    return std::make_unique<ScriptedRandom>(std::deque<double>{0.0});
}

} // namespace

GameHarness::GameHarness(std::unique_ptr<RandomSource> random, bool load)
    : game(platform, orNoShuffle(std::move(random)))
{
    if (load)
        game.Form_Load();
}

void GameHarness::dragTo(int slot, float left, float top)
{
    const float grabX = 100, grabY = 100;
    const float fromX = view().lcard[slot].Left + grabX;
    const float fromY = view().lcard[slot].Top + grabY;
    platform.press(fromX, fromY);
    platform.move((fromX + left + grabX) / 2, (fromY + top + grabY) / 2);
    platform.move(left + grabX, top + grabY);
    platform.release(left + grabX, top + grabY);
}

void GameHarness::dropAt(int slot, float left, float top)
{
    Picture &first = s().lcard[slot], &second = s().rcard[slot];
    s().Text1 = toText(slot);
    s().mu = first.Tag;
    s().md = second.Tag;
    s().dragOrigin = {first.Left, first.Top, second.Left, second.Top};
    first.Left = second.Left = left;
    first.Top = top;
    second.Top = top + 420;
    game.domook();
}

bool GameHarness::untilPlayersTurn(std::int64_t limitMs)
{
    return platform.advanceUntil(
        [this] { return s().lStatus.Caption == kYourTurn && !game.activity().busy(); }, limitMs);
}

void GameHarness::putTile(int slot, const std::string &code)
{
    const std::string a = code.substr(0, 1), b = code.substr(1, 1);
    for (int other = 1; other <= kSlots; ++other) {
        if (s().lcard[other].Tag == a && s().rcard[other].Tag == b) {
            std::swap(s().lcard[other].Tag, s().lcard[slot].Tag);
            std::swap(s().rcard[other].Tag, s().rcard[slot].Tag);
            return;
        }
    }
}

void GameHarness::blockBothSides(const std::string &status)
{
    s().first[0] = "1";
    s().cu = "0";
    s().cd = "1";
    s().pull = "14";
    s().lStatus.Caption = status;
}

std::string snapshot(const GameState &s)
{
    std::ostringstream out;
    for (int i = 1; i <= kSlots; ++i)
        for (const Picture *half : {&s.lcard[i], &s.rcard[i]})
            out << half->Left << ',' << half->Top << ',' << half->Visible << ';';
    for (const std::string *field : {&s.cu.text(), &s.cd.text(), &s.pno.text(), &s.cno.text(), &s.psc.text(), &s.csc.text(), &s.pull.text(), &s.first[0].text(), &s.first[1].text(),
                                     &s.first[2].text(), &s.lStatus.Caption.text(), &s.compscore.Caption.text(), &s.playerscore.Caption.text(),
                                     &s.max.text(), &s.Text1.text(), &s.ccsc.text()})
        out << *field << '|';
    out << s.PushButton3.Enabled << s.endflag;
    return out.str();
}

} // namespace pipstone::test
