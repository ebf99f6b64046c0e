// own
#include "qt_test_support.h"

// Qt
#include <QElapsedTimer>

// std
#include <ctime>

namespace pipstone::testing {
namespace {

using Services = WindowTest;

TEST_F(Services, TimersTickEveryHundredMillisecondsWhileRunningAndKeepTheirRhythm)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 350) { // switched on far more often than they tick
        platform.setTimerRunning(TimerId::Timer2, true);
        platform.waitForEvents(platform.tickCount() + 20);
    }
    platform.setTimerRunning(TimerId::Timer2, false);
    const std::size_t ticks = events.ticks.size();
    EXPECT_GE(ticks, 2u);
    EXPECT_LE(ticks, 4u);
    EXPECT_EQ(events.ticks, std::vector<TimerId>(ticks, TimerId::Timer2));
    QTest::qWait(250);
    EXPECT_EQ(events.ticks.size(), ticks);
}

TEST_F(Services, WaitingSleepsUntilTheDeadlineOrAnEvent)
{
    const std::int64_t deadline = platform.tickCount() + 300;
    const std::clock_t processorStart = std::clock();
    while (platform.tickCount() < deadline)
        platform.waitForEvents(deadline);
    EXPECT_LT(platform.tickCount() - deadline, 50);
    EXPECT_LT(1000.0 * static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC, 60.0) << "the wait spun";
    for (int ms : {1, 5}) {
        const std::int64_t shortDeadline = platform.tickCount() + ms;
        while (platform.tickCount() < shortDeadline)
            platform.waitForEvents(shortDeadline);
        EXPECT_LT(platform.tickCount() - shortDeadline, 15) << ms << " ms is not stretched";
    }
    platform.setTimerRunning(TimerId::Timer1, true);
    const std::int64_t start = platform.tickCount();
    while (events.ticks.empty() && platform.tickCount() < start + 1000)
        platform.waitForEvents(start + 1000);
    EXPECT_FALSE(events.ticks.empty());
    EXPECT_LT(platform.tickCount() - start, 400) << "a wait ends early when an event is handled";
}

TEST_F(Services, FilesAreFoundInTheProgramsFolderAndSoundsNeverHoldTheGameUp)
{
    copyAsset(QStringLiteral("HAND-M.CUR"));
    copyAsset(QStringLiteral("pic/Move.wav"));
    copyAsset(QStringLiteral("libpipstone_sound.so")); // the speaker side, loaded at the first sound
    ASSERT_TRUE(writeFile(folder.filePath(QStringLiteral("broken.wav")), "RIFF....WAVEnot really"));
    const std::pair<const char *, bool> files[] = {
        {"HAND-M.CUR", true}, {"pic/Move.wav", true}, {"x/o.cjs", false}, {"pic", false}, {"", false}};
    for (const auto &[path, exists] : files)
        EXPECT_EQ(platform.fileExists(path), exists) << path;
    for (const char *path : {"pic/Move.wav", "pic/Move.wav", "missing.wav", "broken.wav"}) {
        const std::int64_t start = platform.tickCount();
        platform.playSoundAsync(path);
        EXPECT_LT(platform.tickCount() - start, 200) << path;
    }
    QTest::qWait(100); // whatever the sound system reports arrives and is ignored
}

} // namespace
} // namespace pipstone::testing
