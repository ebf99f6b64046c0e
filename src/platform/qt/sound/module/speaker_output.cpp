// The sound module: plays the game's sounds on the default speaker. It runs
// on the speaker thread (speaker_thread.h), never on the game's.

// own
#include "platform/qt/sound/sound_output.h"

// Qt
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

// std
#include <array>
#include <memory>

namespace pipstone {

namespace {

QAudioFormat::SampleFormat sampleFormat(int bitsPerSample)
{
    return bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16;
}

// A play handed to the sound system is heard only some time later (a tenth
// of a second on a desk, more than a second on some sinks), and stopping or
// restarting its sink before then drops it unheard. So a play never touches
// the sinks of the latest plays: it takes the one that started longest ago.
// Draws are a flight apart, so they never come close to wrapping round.
class SpeakerOutput : public SoundOutput {
public:
    SpeakerOutput(const QAudioDevice &speaker, const QAudioFormat &format, const QByteArray &samples)
        : speaker_(speaker)
        , format_(format)
        , samples_(samples)
    {
    }

    void play() override
    {
        std::unique_ptr<Sink> &sink = sinks_[next_];
        next_ = (next_ + 1) % sinks_.size();
        if (!sink)
            sink = std::make_unique<Sink>(speaker_, format_, samples_);
        sink->audio.stop();
        sink->samples.seek(0);
        sink->audio.start(&sink->samples);
    }

private:
    struct Sink {
        Sink(const QAudioDevice &speaker, const QAudioFormat &format, const QByteArray &bytes)
            : audio(speaker, format)
        {
            samples.setData(bytes);
            samples.open(QIODevice::ReadOnly);
        }
        QBuffer samples;
        QAudioSink audio;
    };

    static constexpr std::size_t kSinks = 4;

    QAudioDevice speaker_;
    QAudioFormat format_;
    QByteArray samples_;
    std::array<std::unique_ptr<Sink>, kSinks> sinks_;
    std::size_t next_ = 0;
};

} // namespace

} // namespace pipstone

// The name is kMakeSoundOutputName, by which the game looks it up.
extern "C" Q_DECL_EXPORT pipstone::SoundOutput *pipstone_make_sound_output(const pipstone::WaveSound &sound)
{
    const QAudioDevice speaker = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setChannelCount(sound.channels);
    format.setSampleRate(sound.sampleRate);
    format.setSampleFormat(pipstone::sampleFormat(sound.bitsPerSample));
    if (speaker.isNull() || !speaker.isFormatSupported(format))
        return nullptr;
    return new pipstone::SpeakerOutput(speaker, format, sound.samples);
}
