// Getting the move sound ready before the first draw needs it: silently,
// after the first frame, and never holding up the end of the program.

// own
#include "platform/qt/files/optional_file.h"
#include "platform/qt/live_game.h"
#include "platform/qt/sound/counting_speaker.h"
#include "support/game_harness.h"

// std
#include <algorithm>
#include <link.h>

namespace pipstone::testing {
namespace {

using ::testing::internal::CaptureStderr;
using ::testing::internal::GetCapturedStderr;

QByteArray moveSound()
{
    return readFile(builtAsset(QString::fromLatin1(kMoveSoundFile)));
}

// Preparing is heard and named nowhere: a playable file gets its output once,
// and everything else is left to the first play as it was without preparing.
TEST(SoundPreparation, ReadiesAPlayableFileSilentlyAndLeavesTheRestToTheFirstPlay)
{
    const QByteArray compressed = moveSound().replace(20, 1, "\x55"); // the format code of "fmt "
    const struct {
        const char *name;
        QByteArray bytes;
        qint64 size; // grown to this many bytes; 0 leaves them as they are
        bool writtenAfterPreparing;
        int outputsPrepared;
        const char *namedAtFirstPlay; // once, on standard error
        bool heard;
    } cases[] = {
        {"a playable file", moveSound(), 0, false, 1, "", true},
        {"a refused file", compressed, 0, false, 0, "is not played: its samples are not 8- or 16-bit PCM\n", false},
        {"a file past the limit", moveSound(), kSoundFileLimit + 1, false, 0, "and is ignored\n", false},
        {"a file that comes after the preparation", moveSound(), 0, true, 0, "", true},
    };
    for (const auto &c : cases) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Move.wav"));
        const auto write = [&] {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.bytes) == c.bytes.size()
                        && (c.size == 0 || file.resize(c.size)));
        };
        if (!c.writtenAfterPreparing)
            write();
        CountingSpeaker speaker;
        CaptureStderr();
        speaker.player.prepare(path);
        speaker.player.prepare(path);
        EXPECT_TRUE(speaker.player.settle(5000));
        EXPECT_EQ(GetCapturedStderr(), "") << c.name;
        EXPECT_EQ(std::pair(speaker.outputs.load(), speaker.plays.load()), std::pair(c.outputsPrepared, 0)) << c.name;
        if (c.writtenAfterPreparing)
            write();
        CaptureStderr();
        speaker.play(path);
        speaker.play(path);
        const std::string named = GetCapturedStderr();
        const auto lines = std::count(named.begin(), named.end(), '\n');
        EXPECT_TRUE(named.ends_with(c.namedAtFirstPlay) && lines == (*c.namedAtFirstPlay ? 1 : 0)) << c.name << ": " << named;
        EXPECT_EQ(std::pair(speaker.outputs.load(), speaker.plays.load()), c.heard ? std::pair(1, 2) : std::pair(0, 0))
            << c.name;
    }
}

// The Qt toolkit prepares the sound by the name the game plays it under.
TEST(SoundPreparation, TheGameDrawsToTheSoundThatIsPrepared)
{
    test::GameHarness harness;
    harness.platform.files.insert(kMoveSoundFile);
    harness.game.PushButton3_Click();
    EXPECT_EQ(harness.platform.soundsPlayed, std::vector<std::string>{kMoveSoundFile});
}

// Whether a copy of the sound module in `folder` is loaded in this process.
bool moduleLoadedFrom(const QString &folder)
{
    std::string prefix = QFile::encodeName(folder).toStdString() + '/';
    const auto from = [](dl_phdr_info *info, size_t, void *wanted) {
        return std::string(info->dlpi_name).starts_with(*static_cast<std::string *>(wanted)) ? 1 : 0;
    };
    return dl_iterate_phdr(from, &prefix) != 0;
}

// The game with a copy of the built sound module in its folder: the sound
// libraries load only after the first frame and only for a sound file, and
// closing the window as they load (the preparation starts 100 ms after the
// first frame) ends the game at once.
TEST(SoundPreparationInTheGame, TheModuleLoadsAfterTheFirstFrameAndNeverHoldsUpTheEnd)
{
    for (const bool withSound : {true, false}) {
        for (const int closeAfterMs : {100, 110, 1000}) {
            auto live = std::make_unique<LiveGame>(20240611);
            const QDir folder(live->folder.path());
            ASSERT_TRUE(QFile::copy(builtAsset(QStringLiteral("libpipstone_sound.so")),
                                    folder.filePath(QStringLiteral("libpipstone_sound.so"))));
            folder.mkpath(QStringLiteral("pic"));
            ASSERT_TRUE(!withSound || writeFile(folder.filePath(QString::fromLatin1(kMoveSoundFile)), moveSound()));
            live->game.Form_Load();
            QTest::qWait(200);
            EXPECT_FALSE(moduleLoadedFrom(folder.path())) << "loaded before the window showed";
            live->window().show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&live->window()));
            QTest::qWait(closeAfterMs);
            if (closeAfterMs == 1000) {
                EXPECT_EQ(moduleLoadedFrom(folder.path()), withSound) << "a second after the first frame";
            }
            QElapsedTimer clock;
            clock.start();
            live->window().close();
            live.reset();
            EXPECT_LT(clock.elapsed(), 1000) << "closed " << closeAfterMs << " ms after showing";
        }
    }
}

} // namespace
} // namespace pipstone::testing
