// The sound module: plays the game's sounds on the default speaker.

// own
#include "platform/qt/sound_output.h"

// Qt
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

// std
#include <memory>

namespace pipstone {

namespace {

QAudioFormat::SampleFormat sampleFormat(int bitsPerSample)
{
    switch (bitsPerSample) {
    case 8:
        return QAudioFormat::UInt8;
    case 16:
        return QAudioFormat::Int16;
    default:
        return QAudioFormat::Int32;
    }
}

class SpeakerOutput : public SoundOutput {
public:
    SpeakerOutput(const QAudioDevice &speaker, const QAudioFormat &format, const QByteArray &samples)
        : samples_(samples)
        , sink_(speaker, format)
    {
        buffer_.setBuffer(&samples_);
        buffer_.open(QIODevice::ReadOnly);
    }

    void play() override
    {
        sink_.stop();
        buffer_.seek(0);
        sink_.start(&buffer_);
    }

private:
    QByteArray samples_;
    QBuffer buffer_;
    QAudioSink sink_;
};

} // namespace

} // namespace pipstone

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
