#include "flight_scenario.h"

// own
#include "app/game_window.h"
#include "state/text_number.h"
#include "tiles/random_source.h"

// std
#include <memory>

namespace pipstone::bench {

namespace {

bool shareAHalf(const GameState &s, int a, int b)
{
    for (const Picture *x : {&s.lcard[a], &s.rcard[a]})
        for (const Picture *y : {&s.lcard[b], &s.rcard[b]})
            if (readInt(x->Tag) == readInt(y->Tag))
                return true;
    return false;
}

// A tile of the player's hand that some tile of the computer's hand fits,
// so that the computer answers at once instead of drawing; 0 when none.
int openingTheComputerAnswers(const GameState &s)
{
    for (int i = 1; i <= 7; ++i)
        for (int j = 1; j <= 7; ++j)
            if (s.phand[i] > 0 && s.chand[j] > 0 && shareAHalf(s, s.phand[i], s.chand[j]))
                return s.phand[i];
    return 0;
}

} // namespace

FlightTimes flyOnce(FlightWatch &watch, std::uint64_t seed, const std::function<void()> &shown)
{
    FlightTimes times;
    GameWindow game(watch, std::make_unique<SeededRandomSource>(seed));
    game.Form_Load();
    shown();
    GameState &s = game.state();
    s.Timer1.Enabled = false;
    s.Timer2.Enabled = false;

    const int opening = openingTheComputerAnswers(s);
    if (s.lStatus.Caption != kYourTurn || opening == 0)
        return times;
    s.Text1 = toText(opening);
    game.domook();
    if (s.lStatus.Caption != kComputerTurn)
        return times;

    watch.forget();
    game.domook();
    times.computerMs = watch.lastFlightMs();
    times.computerWaits = watch.lastFlightWaits();
    if (s.lStatus.Caption != kYourTurn)
        return times;

    watch.forget();
    watch.markAsked();
    game.PushButton3_Click();
    times.drawMs = watch.lastFlightMs();
    times.drawWaits = watch.lastFlightWaits();
    times.drawStartMs = watch.lastStartMs();
    return times;
}

} // namespace pipstone::bench
