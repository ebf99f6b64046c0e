#include "platform/qt/sound/wave_file.h"

// own
#include "platform/qt/files/optional_file.h"

namespace pipstone {

namespace {

constexpr qsizetype kRiffHeaderBytes = 12; // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeaderBytes = 8; // name, size
constexpr qsizetype kFormatBytes = 16;
constexpr int kPcm = 1;
constexpr int kMostChannels = 8;

bool namedAt(const QByteArray &bytes, qsizetype at, const char (&name)[5])
{
    return bytes.sliced(at, 4) == QByteArrayView(name, 4);
}

} // namespace

std::optional<WaveSound> parseWave(const QByteArray &bytes)
{
    if (bytes.size() < kRiffHeaderBytes || !namedAt(bytes, 0, "RIFF") || !namedAt(bytes, 8, "WAVE"))
        return std::nullopt;
    const qint64 riffEnd = qint64{8} + littleEndian(bytes, 4, 4);
    if (riffEnd > bytes.size())
        return std::nullopt;
    std::optional<WaveSound> sound;
    // Chunks follow each other, each padded to an even length.
    for (qint64 at = kRiffHeaderBytes; at + kChunkHeaderBytes <= riffEnd;) {
        const qint64 size = littleEndian(bytes, at + 4, 4);
        const qint64 body = at + kChunkHeaderBytes;
        if (body + size > riffEnd)
            return std::nullopt;
        if (namedAt(bytes, at, "fmt ") && size >= kFormatBytes && !sound) {
            const int bits = static_cast<int>(littleEndian(bytes, body + 14, 2));
            sound = WaveSound{static_cast<int>(littleEndian(bytes, body + 2, 2)),
                              static_cast<int>(littleEndian(bytes, body + 4, 4)), bits, {}};
            const bool pcm = littleEndian(bytes, body, 2) == kPcm && (bits == 8 || bits == 16 || bits == 32);
            if (!pcm || sound->channels < 1 || sound->channels > kMostChannels || sound->sampleRate < 1)
                return std::nullopt;
        } else if (namedAt(bytes, at, "data")) {
            if (!sound || size == 0)
                return std::nullopt;
            sound->samples = bytes.sliced(body, size);
            return sound;
        }
        at = body + size + size % 2;
    }
    return std::nullopt;
}

} // namespace pipstone
