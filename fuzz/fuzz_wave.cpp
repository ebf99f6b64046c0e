// Any bytes as pic/Move.wav: the reader never reads outside them, and a sound
// it accepts is one every output plays, in whole frames.

// own
#include "platform/qt/sound/wave_file.h"

// std
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<pipstone::WaveSound> sound = pipstone::parseWave(bytes);
    if (!sound)
        return 0;
    const int frame = sound->channels * sound->bitsPerSample / 8;
    const bool playable = sound->channels >= 1 && sound->channels <= pipstone::kMostChannels &&
                          (sound->bitsPerSample == 8 || sound->bitsPerSample == 16) &&
                          sound->sampleRate >= pipstone::kLowestSampleRate &&
                          sound->sampleRate <= pipstone::kHighestSampleRate && sound->samples.size() >= frame &&
                          sound->samples.size() % frame == 0 && sound->samples.size() < bytes.size();
    if (!playable)
        std::abort();
    return 0;
}
