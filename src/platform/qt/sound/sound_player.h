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

class QObject;
class QWidget;

namespace pipstone {

// The sound of a tile drawn from the stock, by its place in the program's
// folder: the one sound the game plays.
inline constexpr char kMoveSoundFile[] = "pic/Move.wav";

// Plays short wave files without waiting for them. Each file is read and
// checked once and kept, so the second and later plays start at once; every
// play is heard from its start, however quickly plays follow each other. The
// sound plays on a thread of its own (speaker_thread.h).
class SoundPlayer {
public:
    using OutputMaker = SpeakerThread::OutputMaker;

    // Plays on the speaker through the sound module in `moduleFolder`, which
    // the speaker thread loads when the first usable file is prepared or
    // played.
    explicit SoundPlayer(QString moduleFolder);
    // Plays on the outputs that `makeOutput` makes on the speaker thread.
    explicit SoundPlayer(OutputMaker makeOutput);
    ~SoundPlayer();

    // A missing, oversized or unplayable file makes no sound; one that is
    // there but refused is named once on standard error, with the reason, at
    // its first play.
    void play(const QString &path);

    // Gets `path` ready without a sound: reads and checks it, and has the
    // speaker thread make its output (loading the sound module), so that its
    // first play starts as quickly as the later ones. Nothing is printed: a
    // refused file is still named at its first play, and a file too large to
    // read is left to it.
    void prepare(const QString &path);

    // Prepares `path` a moment after `board` has painted for the first time,
    // while the game waits for the player; a board that never paints prepares
    // nothing. Start-up stays as light as without sound.
    void prepareOnceShown(QWidget &board, const QString &path);

    // Waits up to `ms` milliseconds for every play and preparation so far to
    // reach the speaker; whether it did.
    bool settle(int ms) const { return speaker_.settle(ms); }

private:
    // A file as checked when it was first prepared or played.
    struct Checked {
        std::shared_ptr<const WaveSound> sound; // null when missing or refused
        const char *untold = nullptr; // why it was refused, until a play names it
    };
    Checked &checked(const QString &path);

    std::map<QString, Checked> sounds_;
    SpeakerThread speaker_;
    std::unique_ptr<QObject> cue_; // the watch for the first frame; ends first
};

} // namespace pipstone
