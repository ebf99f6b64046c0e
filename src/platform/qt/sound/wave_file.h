#pragma once

// Qt
#include <QByteArray>

// std
#include <optional>

namespace pipstone {

// The samples of a plain PCM wave file and how to play them.
struct WaveSound {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0; // 8 or 16
    QByteArray samples;
};

// The formats every sound output plays: telephone to studio rates, mono or
// stereo, 8 or 16 bits, and at least one whole frame of samples.
inline constexpr int kLowestSampleRate = 8000;
inline constexpr int kHighestSampleRate = 192000;
inline constexpr int kMostChannels = 2;

// The sound in the bytes of a wave file; nothing when they are no RIFF/WAVE
// file, when a size in its header runs past the end of the bytes, or when the
// samples are not plain PCM of a format above in whole frames. Nothing is
// allocated before the sizes are checked. When `refusal` is given, it is set
// to why the bytes were refused.
std::optional<WaveSound> parseWave(const QByteArray &bytes, const char **refusal = nullptr);

} // namespace pipstone
