#include "platform/qt/sound/wave_file.h"

// own
#include "platform/qt/files/optional_file.h"

namespace pipstone {

namespace {

constexpr qsizetype kRiffHeaderBytes = 12; // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeaderBytes = 8; // name, size
constexpr qsizetype kFormatBytes = 16;
constexpr int kPcm = 1;

bool namedAt(const QByteArray &bytes, qsizetype at, const char (&name)[5])
{
    return bytes.sliced(at, 4) == QByteArrayView(name, 4);
}

// Why a format chunk cannot be played; null when it can.
const char *unplayable(int format, int channels, int rate, int bits)
{
    if (format != kPcm || (bits != 8 && bits != 16))
        return "its samples are not 8- or 16-bit PCM";
    if (channels < 1 || channels > kMostChannels)
        return "it has neither one nor two channels";
    if (rate < kLowestSampleRate || rate > kHighestSampleRate)
        return "its rate lies outside 8000 to 192000 Hz";
    return nullptr;
}

std::optional<WaveSound> refuse(const char **refusal, const char *why)
{
    if (refusal)
        *refusal = why;
    return std::nullopt;
}

} // namespace

std::optional<WaveSound> parseWave(const QByteArray &bytes, const char **refusal)
{
    if (bytes.size() < kRiffHeaderBytes || !namedAt(bytes, 0, "RIFF") || !namedAt(bytes, 8, "WAVE"))
        return refuse(refusal, "it is no wave file");
    const qint64 riffEnd = qint64{8} + littleEndian(bytes, 4, 4);
    if (riffEnd > bytes.size())
        return refuse(refusal, "its header claims more bytes than it has");
    std::optional<WaveSound> sound;
    // Chunks follow each other, each padded to an even length.
    for (qint64 at = kRiffHeaderBytes; at + kChunkHeaderBytes <= riffEnd;) {
        const qint64 size = littleEndian(bytes, at + 4, 4);
        const qint64 body = at + kChunkHeaderBytes;
        if (body + size > riffEnd)
            return refuse(refusal, "a chunk claims more bytes than the file has");
        if (namedAt(bytes, at, "fmt ") && size >= kFormatBytes && !sound) {
            const int format = static_cast<int>(littleEndian(bytes, body, 2));
            const int bits = static_cast<int>(littleEndian(bytes, body + 14, 2));
            sound = WaveSound{static_cast<int>(littleEndian(bytes, body + 2, 2)),
                              static_cast<int>(littleEndian(bytes, body + 4, 4)), bits, {}};
            if (const char *why = unplayable(format, sound->channels, sound->sampleRate, bits))
                return refuse(refusal, why);
        } else if (namedAt(bytes, at, "data")) {
            if (!sound)
                return refuse(refusal, "its samples come before their format");
            const qint64 frameBytes = qint64{sound->channels} * sound->bitsPerSample / 8;
            if (size < frameBytes || size % frameBytes != 0)
                return refuse(refusal, "its samples are not a whole number of frames");
            sound->samples = bytes.sliced(body, size);
            return sound;
        }
        at = body + size + size % 2;
    }
    return refuse(refusal, "it holds no samples");
}

} // namespace pipstone
