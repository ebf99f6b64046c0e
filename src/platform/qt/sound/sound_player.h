#pragma once

// Room: sound. The move sound: the wave file and its checks, the player, and
// the speaker module (module/) that holds the sound libraries apart.

// own
#include "platform/qt/sound/sound_output.h"

// Qt
#include <QString>

// std
#include <functional>
#include <map>
#include <memory>

namespace pipstone {

// Plays short wave files without waiting for them. Each file is read and
// checked once and kept, so the second and later plays start at once; every
// play is heard from its start, however quickly plays follow each other.
class SoundPlayer {
public:
    using OutputMaker = std::function<std::unique_ptr<SoundOutput>(const WaveSound &)>;

    // Plays on the speaker through the sound module in `moduleFolder`, which
    // is loaded at the first play of a usable file.
    explicit SoundPlayer(QString moduleFolder);
    // Plays on the outputs that `makeOutput` makes.
    explicit SoundPlayer(OutputMaker makeOutput);
    ~SoundPlayer();

    // A missing, oversized or unplayable file makes no sound and no complaint.
    void play(const QString &path);

private:
    OutputMaker makeOutput_;
    std::map<QString, std::unique_ptr<SoundOutput>> outputs_;
};

} // namespace pipstone
