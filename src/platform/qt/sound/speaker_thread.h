#pragma once

// own
#include "platform/qt/sound/sound_output.h"

// Qt
#include <QString>

// std
#include <atomic>
#include <functional>
#include <memory>

class QObject;
class QThread;

namespace pipstone {

// The thread the sounds play on. The sound system may stall, fail or vanish
// (a sound server that hangs in a write, one that goes away): only this
// thread ever calls into it, so the game's thread never waits for it. Plays
// and preparations are handed over through the thread's event queue; while
// the thread is still busy with the work handed to it before, a new play is
// skipped. The thread starts with the first sound handed to it.
class SpeakerThread {
public:
    using OutputMaker = std::function<std::unique_ptr<SoundOutput>(const WaveSound &)>;

    // `makeOutput` runs on the speaker thread, once per sound.
    explicit SpeakerThread(OutputMaker makeOutput);
    // Ends the thread when it ends within a moment; a thread stuck in the
    // sound system is left behind rather than waited for.
    ~SpeakerThread();

    // Plays `sound` (kept under `key`) from its start; returns at once.
    // Whether the play was handed over rather than skipped.
    bool play(const QString &key, std::shared_ptr<const WaveSound> sound);

    // Makes the output of `sound` (kept under `key`) ahead of its first play,
    // without playing it; returns at once. The first play then starts as
    // quickly as the later ones. Whether it was handed over.
    bool prepare(const QString &key, std::shared_ptr<const WaveSound> sound);

    // Waits up to `ms` milliseconds for the thread to have played and
    // prepared everything handed to it; whether it did.
    bool settle(int ms) const;

private:
    struct Speaker;
    bool hand(const QString &key, std::shared_ptr<const WaveSound> sound, bool andPlay);
    static constexpr int kMostWaiting = 2;
    static constexpr int kStopMs = 300;

    std::unique_ptr<QThread> thread_;
    std::unique_ptr<Speaker> speaker_;
    std::atomic<int> handed_{0};
};

} // namespace pipstone
