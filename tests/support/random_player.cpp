#include "support/random_player.h"

// own
#include "state/text_number.h"

// std
#include <sstream>

namespace pipstone::test {

namespace {

constexpr float kLeftEndPoint[2] = {3000, 2000};
constexpr float kRightEndPoint[2] = {3000, 5000};

} // namespace

RandomPlayer::RandomPlayer(std::uint64_t seed)
    : harness(std::make_unique<SeededRandomSource>(seed))
    , rng_(seed * 7919 + 1)
{
}

void RandomPlayer::playersMove()
{
    GameState &s = harness.s();
    std::uniform_real_distribution<float> anyX(0, 11985), anyY(0, 9375);
    std::vector<std::pair<int, const float *>> legal;
    std::vector<int> hand;
    for (int i = 1; i <= kSlots; ++i) {
        if (s.lcard[i].Top < 7650 || !s.lcard[i].exists)
            continue;
        hand.push_back(i);
        const std::string &a = s.lcard[i].Tag, &b = s.rcard[i].Tag;
        if (readInt(s.first[0]) == 0)
            legal.push_back({i, kLeftEndPoint});
        else {
            if (a == s.cu || b == s.cu)
                legal.push_back({i, kLeftEndPoint});
            if (a == s.cd || b == s.cd)
                legal.push_back({i, kRightEndPoint});
        }
    }
    std::ostringstream act;
    if (!hand.empty() && (legal.empty() || rng_() % 10 == 0)) {
        if (s.PushButton3.Enabled && rng_() % 2 == 0) {
            harness.click(ButtonId::GetCard);
            actions.push_back("get card");
            return;
        }
        // A drop that will most likely come back.
        const int slot = hand[rng_() % hand.size()];
        const float x = anyX(rng_), y = anyY(rng_);
        harness.dragTo(slot, x, y);
        act << "drag " << slot << " to " << x << "," << y;
    } else if (!legal.empty()) {
        const auto [slot, point] = legal[rng_() % legal.size()];
        harness.dragTo(slot, point[0], point[1]);
        act << "drag " << slot << " to " << point[0] << "," << point[1];
    } else if (s.PushButton3.Enabled) {
        harness.click(ButtonId::GetCard);
        act << "get card";
    }
    if (!act.str().empty())
        actions.push_back(act.str());
}

std::vector<std::string> RandomPlayer::playMatch(std::int64_t limitMs)
{
    HeadlessPlatform &p = harness.platform;
    std::string lastMturn = harness.s().mturn;
    while (!p.quitRequested && p.tickCount() < limitMs) {
        if (harness.s().lStatus.Caption == kYourTurn && !harness.game.activity().busy())
            playersMove();
        auto problems = checkInvariants ? checker_.check(harness.game, p) : std::vector<std::string>{};
        if (!problems.empty())
            return problems;
        const std::int64_t step = 50 + static_cast<std::int64_t>(rng_() % 250);
        p.advance(step);
        actions.push_back("advance " + std::to_string(step));
        if (checkInvariants)
            problems = checker_.check(harness.game, p);
        if (!problems.empty())
            return problems;
        if (harness.s().mturn != lastMturn) {
            lastMturn = harness.s().mturn;
            ++hands;
        }
    }
    if (!p.quitRequested)
        return {"the match did not end within the time limit"};
    return {};
}

} // namespace pipstone::test
