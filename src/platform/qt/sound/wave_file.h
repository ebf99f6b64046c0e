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
    int bitsPerSample = 0; // 8, 16 or 32
    QByteArray samples;
};

// The sound in the bytes of a wave file; nothing when they are no RIFF/WAVE
// file, when a size in its header runs past the end of the bytes, or when the
// samples are not plain PCM. Nothing is allocated before the sizes are checked.
std::optional<WaveSound> parseWave(const QByteArray &bytes);

} // namespace pipstone
