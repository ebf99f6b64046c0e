// own
#include "platform/qt/live_game.h"
#include "platform/qt/files/optional_file.h"
#include "platform/qt/qt_test_support.h"
#include "platform/qt/sound/counting_speaker.h"

// Qt
#include <QElapsedTimer>

// std
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <sys/stat.h>

namespace pipstone::testing {
namespace {

// `bytes`, grown with zeros to `size` bytes: a large file costs the disk nothing.
bool writeSparse(const QString &path, const QByteArray &bytes, qint64 size)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.resize(size);
}

// A wave header whose RIFF and data sizes are given, over `samples` bytes.
struct Format {
    int format = 1, channels = 1, rate = 22050, bits = 16;
};
QByteArray wave(std::uint32_t riffSize, std::uint32_t dataSize, int samples, Format f = {})
{
    const auto number = [](std::uint32_t v, int width) {
        QByteArray b;
        for (int i = 0; i < width; ++i)
            b += static_cast<char>(v >> 8 * i & 0xff);
        return b;
    };
    const int frame = f.channels * f.bits / 8;
    return "RIFF" + number(riffSize, 4) + "WAVEfmt " + number(16, 4) + number(f.format, 2) + number(f.channels, 2) +
           number(f.rate, 4) + number(f.rate * frame, 4) + number(frame, 2) + number(f.bits, 2) + "data" +
           number(dataSize, 4) + QByteArray(samples, '\x10');
}

using OptionalFiles = WindowTest;

TEST_F(OptionalFiles, EachIsUsedUpToItsLimitAndIgnoredPastItAsIfMissing)
{
    const QByteArray sheet = "QPushButton { color: rgb(10, 20, 30); }";
    const struct {
        const char *file;
        QByteArray bytes;
        qint64 limit;
        std::function<bool()> used;
    } kinds[] = {
        {"x/o.cjs", sheet, kSkinFileLimit,
         [this] {
             platform.applySkin("x/o.cjs");
             const bool styled = !platform.window().styleSheet().isEmpty();
             platform.window().setStyleSheet({});
             return styled;
         }},
        {"HAND-M.CUR", readFile(builtAsset(QStringLiteral("HAND-M.CUR"))), kCursorFileLimit,
         [this] { return platform.loadPointer("HAND-M.CUR"); }},
        {"pic/Move.wav", readFile(builtAsset(QStringLiteral("pic/Move.wav"))), kSoundFileLimit,
         [this] {
             CountingSpeaker speaker;
             speaker.play(folder.filePath(QStringLiteral("pic/Move.wav")));
             return speaker.plays == 1;
         }},
    };
    for (const auto &kind : kinds) {
        const QString path = folder.filePath(QString::fromLatin1(kind.file));
        for (const qint64 size : {kind.limit, kind.limit + 1, qint64{100} << 20}) {
            ASSERT_TRUE(writeSparse(path, kind.bytes, size));
            QElapsedTimer clock;
            clock.start();
            EXPECT_EQ(kind.used(), size <= kind.limit) << kind.file << " of " << size << " bytes";
            EXPECT_LT(clock.elapsed(), 1000) << kind.file << " of " << size << " bytes";
        }
    }
}

TEST_F(OptionalFiles, WhatIsNoRegularFileIsMissingAndNeverWaitedFor)
{
    QDir(folder.path()).mkpath(QStringLiteral("pic"));
    QDir(folder.path()).mkpath(QStringLiteral("x"));
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        const char *name;
        std::function<bool(const QString &)> make;
    } entries[] = {
        {"a folder", [](const QString &p) { return QDir().mkdir(p); }},
        {"a pipe", [](const QString &p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
        {"a link to a pipe", [&](const QString &p) { return QFile::link(pipe, p); }},
        {"a link to an endless device", [](const QString &p) { return QFile::link(QStringLiteral("/dev/zero"), p); }},
        {"a dangling link", [](const QString &p) { return QFile::link(QStringLiteral("/nowhere/at/all"), p); }},
    };
    for (const auto &entry : entries) {
        for (const char *file : {"x/o.cjs", "HAND-M.CUR", "pic/Move.wav"}) {
            const QString path = folder.filePath(QString::fromLatin1(file));
            ASSERT_TRUE(entry.make(path)) << entry.name;
            EXPECT_FALSE(platform.fileExists(file)) << entry.name << " at " << file;
        }
        EXPECT_FALSE(platform.loadPointer("HAND-M.CUR")) << entry.name;
        platform.applySkin("x/o.cjs");
        EXPECT_TRUE(platform.window().styleSheet().isEmpty()) << entry.name;
        CountingSpeaker speaker;
        speaker.play(folder.filePath(QStringLiteral("pic/Move.wav")));
        EXPECT_EQ(speaker.outputs, 0) << entry.name;
        for (const char *file : {"x/o.cjs", "HAND-M.CUR", "pic/Move.wav"}) {
            const QString path = folder.filePath(QString::fromLatin1(file));
            if (!QDir().rmdir(path))
                QFile::remove(path);
        }
    }
}

TEST(MoveSound, EveryPlayIsHeardAndAHeaderThatLiesIsRefusedBeforeItsSamplesAreTaken)
{
    QByteArray listFirst = wave(36 + 8 + 10 + 2, 2, 2);
    listFirst.insert(36, QByteArray("LIST\x09\0\0\0odd lengt", 18)); // nine bytes and a pad byte
    const struct {
        const char *name;
        QByteArray bytes;
        bool plays;
    } cases[] = {
        {"plain", wave(38, 2, 2), true},
        {"a chunk of odd length before the samples", listFirst, true},
        {"trailing bytes after the file", wave(38, 2, 2) + "junk", true},
        {"the file claims 4 GB", wave(0xffff'fff0u, 2, 2), false},
        {"the samples claim 4 GB", wave(38, 0xffff'fff0u, 2), false},
        {"the samples run past the file", wave(38, 4, 2), false},
        {"cut off in its header", wave(38, 2, 2).left(30), false},
        {"no samples", wave(36, 0, 0), false},
        {"compressed", wave(38, 2, 2, {.format = 85}), false},
        {"stereo, 8 bits, at the lowest rate", wave(38, 2, 2, {.channels = 2, .rate = 8000, .bits = 8}), true},
        {"stereo at the highest rate", wave(40, 4, 4, {.channels = 2, .rate = 192000}), true},
        {"a rate of 1 Hz", wave(38, 2, 2, {.rate = 1}), false},
        {"just below the lowest rate", wave(38, 2, 2, {.rate = 7999}), false},
        {"just above the highest rate", wave(38, 2, 2, {.rate = 192001}), false},
        {"three channels", wave(42, 6, 6, {.channels = 3}), false},
        {"32 bits", wave(40, 4, 4, {.bits = 32}), false},
        {"a data chunk of one byte", wave(37, 1, 2), false},
        {"4,001 bytes of 16-bit stereo", wave(36 + 4002, 4001, 4002, {.channels = 2}), false},
        {"4,000 bytes of 16-bit stereo", wave(36 + 4000, 4000, 4000, {.channels = 2}), true},
        {"no wave at all", QByteArray("RIFF\x04\0\0\0AVI ", 12), false},
    };
    QTemporaryDir folder;
    for (const auto &c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(writeFile(path, c.bytes));
        CountingSpeaker speaker;
        for (int draw = 0; draw < 5; ++draw)
            speaker.play(path);
        EXPECT_EQ(std::pair(speaker.outputs.load(), speaker.plays.load()), c.plays ? std::pair(1, 5) : std::pair(0, 0)) << c.name;
    }
}

// A sound system that hangs in a play (as a sound server may in a write)
// holds up only the speaker thread: later plays are skipped at once, and the
// player still ends promptly.
TEST(MoveSound, ASpeakerThatHangsNeverHoldsUpTheGame)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Move.wav"));
    ASSERT_TRUE(writeFile(path, wave(38, 2, 2)));
    std::promise<void> hang;
    std::shared_future<void> released = hang.get_future().share();
    std::atomic<int> plays = 0;
    QElapsedTimer clock;
    {
        SoundPlayer player{[&](const WaveSound &) -> std::unique_ptr<SoundOutput> {
            struct Stuck : SoundOutput {
                std::shared_future<void> until;
                std::atomic<int> &plays;
                Stuck(std::shared_future<void> u, std::atomic<int> &p) : until(std::move(u)), plays(p) {}
                void play() override
                {
                    ++plays;
                    until.wait();
                }
            };
            return std::make_unique<Stuck>(released, plays);
        }};
        clock.start();
        for (int draw = 0; draw < 50; ++draw)
            player.play(path);
        EXPECT_FALSE(player.settle(50));
    }
    EXPECT_LT(clock.elapsed(), 1000) << "50 draws and the end of the player";
    EXPECT_EQ(plays.load(), 1) << "the plays after the stuck one are skipped";
    hang.set_value();
}

// The whole game with a hostile entry at the name of every optional file.
TEST(OptionalFilesInTheGame, HostileEntriesLeaveTheGameAsWithoutThem)
{
    LiveGame live{20240611};
    const QDir folder(live.folder.path());
    folder.mkpath(QStringLiteral("x"));
    folder.mkpath(QStringLiteral("pic"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("x/o.cjs"))).constData(), 0600), 0);
    ASSERT_TRUE(folder.mkdir(QStringLiteral("HAND-M.CUR")));
    ASSERT_TRUE(writeSparse(folder.filePath(QStringLiteral("pic/Move.wav")), wave(0xffff'fff0u, 0xffff'ffd0u, 0),
                            kSoundFileLimit));
    ASSERT_TRUE(live.start());
    EXPECT_EQ(live.window().grab().toImage().pixelColor(400, 30), Qt::white);
    EXPECT_FALSE(live.s().pointerLoaded);
    live.platform.playSoundAsync("pic/Move.wav");
    QTest::mouseMove(live.button("New Game"), QPoint(10, 10));
    QTest::qWait(20);
    EXPECT_EQ(live.window().cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(live.s().lcard[1].exists) << "the hand is dealt";
}

} // namespace
} // namespace pipstone::testing
