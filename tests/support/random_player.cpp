#include "support/random_player.h"

// own
#include "state/text_number.h"

// std
#include <array>
#include <sstream>

namespace pipstone::test {

namespace {

constexpr float kLeftEndPoint[2] = {3000, 2000};
constexpr float kRightEndPoint[2] = {3000, 5000};

// A drag in words, for the log of a match that keeps one: kept apart, so
// that a drag without a log sets up no stream.
[[gnu::cold]] std::string describeDrag(int slot, float x, float y)
{
    std::ostringstream act;
    act << "drag " << slot << " to " << x << "," << y;
    return act.str();
}

bool drag(GameHarness &h, int slot, float x, float y, std::string *said)
{
    h.dragTo(slot, x, y);
    if (said)
        *said = describeDrag(slot, x, y);
    return true;
}

bool getCard(GameHarness &h, std::string *said)
{
    h.click(ButtonId::GetCard);
    if (said)
        *said = "get card";
    return true;
}

} // namespace

bool randomPlayersMove(GameHarness &h, std::mt19937_64 &rng, std::string *said)
{
    const GameState &s = h.view();
    std::uniform_real_distribution<float> anyX(0, 11985), anyY(0, 9375);
    // On the stack, where nothing the game holds can alias them. Which slots
    // the row holds changes from one move to the next, so they are gathered
    // without a branch on it: each slot is written at the next place, and
    // the place is taken only when the slot lies in the row.
    std::array<int, kSlots> hand;
    std::size_t handSize = 0;
#pragma GCC unroll 28
    for (int i = 1; i <= kSlots; ++i) {
        hand[handSize] = i;
        handSize += !(s.lcard[i].Top < 7650) & static_cast<bool>(s.lcard[i].exists);
    }
    struct Drop {
        int slot;
        const float *point;
    };
    std::array<Drop, 2 * kSlots> legal; // left uninitialised: only the first legalSize are read
    std::size_t legalSize = 0;
    const NumberText &cu = s.cu, &cd = s.cd;
    // Texts that read as different numbers differ: the numbers, read when the
    // texts were written, rule out most halves before any text is compared.
    const auto fits = [](const NumberText &half, const NumberText &end) {
        return half.whole() == end.whole() && half == end;
    };
    if (readInt(s.first[0]) == 0) { // the hand opens: any tile goes
        for (std::size_t k = 0; k < handSize; ++k)
            legal[k] = {hand[k], kLeftEndPoint};
        legalSize = handSize;
    } else {
        for (std::size_t k = 0; k < handSize; ++k) {
            const int i = hand[k];
            const NumberText &a = s.lcard[i].Tag, &b = s.rcard[i].Tag;
            if (fits(a, cu) || fits(b, cu))
                legal[legalSize++] = {i, kLeftEndPoint};
            if (fits(a, cd) || fits(b, cd))
                legal[legalSize++] = {i, kRightEndPoint};
        }
    }
    if (handSize != 0 && (legalSize == 0 || rng() % 10 == 0)) {
        if (s.PushButton3.Enabled && rng() % 2 == 0)
            return getCard(h, said);
        // A drop that will most likely come back.
        const int slot = hand[rng() % handSize];
        const float x = anyX(rng), y = anyY(rng);
        return drag(h, slot, x, y, said);
    }
    if (legalSize != 0) {
        const auto [slot, point] = legal[rng() % legalSize];
        return drag(h, slot, point[0], point[1], said);
    }
    if (s.PushButton3.Enabled)
        return getCard(h, said);
    return false;
}

std::vector<std::string> playToTheEnd(GameHarness &h, std::mt19937_64 &rng, InvariantChecker *checker,
                                      std::vector<std::string> *actions, int &hands, std::int64_t untilMs)
{
    HeadlessPlatform &p = h.platform;
    std::string lastMturn = h.view().mturn;
    const auto problems = [&] { return checker ? checker->check(h.game, p) : std::vector<std::string>{}; };
    while (!p.quitRequested && p.tickCount() < untilMs) {
        if (isYourTurn(h.view().lStatus.Caption) && !h.game.activity().busy()) {
            std::string move;
            if (randomPlayersMove(h, rng, actions ? &move : nullptr) && actions)
                actions->push_back(std::move(move));
        }
        if (auto found = problems(); !found.empty())
            return found;
        const std::int64_t step = 50 + static_cast<std::int64_t>(rng() % 250);
        p.advance(step);
        if (actions)
            actions->push_back("advance " + std::to_string(step));
        if (auto found = problems(); !found.empty())
            return found;
        if (h.view().mturn != lastMturn) {
            lastMturn = h.view().mturn;
            ++hands;
        }
    }
    if (!p.quitRequested)
        return {"the match did not end within the time limit"};
    // Nobody closes the window here: the program ends only with a match that
    // has been played to its end.
    const GameState &s = h.view();
    if (readInt(s.compscore.Caption) < 101 && readInt(s.playerscore.Caption) < 101)
        return {"the program ended at the totals " + s.compscore.Caption + " and " + s.playerscore.Caption +
                ", before the match did"};
    return {};
}

RandomPlayer::RandomPlayer(std::uint64_t seed)
    : harness(std::make_unique<SeededRandomSource>(seed))
    , rng_(seed * 7919 + 1)
{
}

std::vector<std::string> RandomPlayer::playMatch(std::int64_t limitMs)
{
    if (checkInvariants)
        harness.platform.watchEventProcessing([this] { checker_.watch(harness.game); });
    return playToTheEnd(harness, rng_, checkInvariants ? &checker_ : nullptr, keepLog ? &actions : nullptr, hands,
                        harness.platform.tickCount() + limitMs);
}

} // namespace pipstone::test
