#pragma once

// Room: sound. The move sound: the wave file and its checks, the player, the
// thread the sound plays on, and the speaker module (module/) that holds the
// sound libraries apart.

// own
#include "platform/qt/sound/speaker_thread.h"

// Qt
#include <QString>

// std
#include <map>
#include <memory>

namespace pipstone {

// Plays short wave files without waiting for them. Each file is read and
// checked once and kept, so the second and later plays start at once; every
// play is heard from its start, however quickly plays follow each other. The
// sound plays on a thread of its own (speaker_thread.h).
class SoundPlayer {
public:
    using OutputMaker = SpeakerThread::OutputMaker;

    // Plays on the speaker through the sound module in `moduleFolder`, which
    // the speaker thread loads at the first play of a usable file.
    explicit SoundPlayer(QString moduleFolder);
    // Plays on the outputs that `makeOutput` makes on the speaker thread.
    explicit SoundPlayer(OutputMaker makeOutput);
    ~SoundPlayer();

    // A missing, oversized or unplayable file makes no sound; one that is
    // there but refused is named once on standard error, with the reason.
    void play(const QString &path);

    // Waits up to `ms` milliseconds for every play so far to reach the
    // speaker; whether it did.
    bool settle(int ms) const { return speaker_.settle(ms); }

private:
    // Each file's sound as checked at its first play; null when refused.
    std::map<QString, std::shared_ptr<const WaveSound>> sounds_;
    SpeakerThread speaker_;
};

} // namespace pipstone
