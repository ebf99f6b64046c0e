#pragma once

// own
#include "platform/qt/sound/wave_file.h"

// The speaker side of the move sound. It lives in a module of its own,
// loaded only once the window shows and a usable sound file is there: the
// sound libraries are large, and neither start-up nor a game without a sound
// file needs them.
namespace pipstone {

// One sound, ready to play.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays the sound from its start and returns at once; a play still
    // running is cut off, so every call is heard from its beginning.
    virtual void play() = 0;
};

// The module's one entry point: an output for the sound, or null when there
// is no speaker to play it on.
using MakeSoundOutput = SoundOutput *(*)(const WaveSound &sound);
inline constexpr char kSoundModuleName[] = "pipstone_sound";
inline constexpr char kMakeSoundOutputName[] = "pipstone_make_sound_output";

} // namespace pipstone
