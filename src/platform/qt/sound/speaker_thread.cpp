#include "platform/qt/sound/speaker_thread.h"

// Qt
#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <QThread>

// std
#include <chrono>
#include <map>
#include <thread>

namespace pipstone {

// Everything that lives on the speaker thread: its outputs, one per sound.
struct SpeakerThread::Speaker {
    explicit Speaker(OutputMaker make)
        : makeOutput(std::move(make))
    {
    }
    OutputMaker makeOutput;
    QObject context; // the queued calls run in its thread
    std::map<QString, std::unique_ptr<SoundOutput>> outputs;
    std::atomic<int> taken{0};
};

SpeakerThread::SpeakerThread(OutputMaker makeOutput)
    : thread_(std::make_unique<QThread>())
    , speaker_(std::make_unique<Speaker>(std::move(makeOutput)))
{
    thread_->setObjectName(QStringLiteral("speaker"));
}

SpeakerThread::~SpeakerThread()
{
    if (!thread_->isRunning())
        return;
    // The outputs end on the thread that made them, then the thread ends.
    QMetaObject::invokeMethod(
        &speaker_->context,
        [speaker = speaker_.get()] {
            speaker->outputs.clear();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    if (!thread_->wait(kStopMs)) {
        // Stuck in the sound system: destroying a running thread would end
        // the program, and the program is ending anyway.
        (void)thread_.release();
        (void)speaker_.release();
    }
}

bool SpeakerThread::play(const QString &key, std::shared_ptr<const WaveSound> sound)
{
    return hand(key, std::move(sound), true);
}

bool SpeakerThread::prepare(const QString &key, std::shared_ptr<const WaveSound> sound)
{
    return hand(key, std::move(sound), false);
}

bool SpeakerThread::hand(const QString &key, std::shared_ptr<const WaveSound> sound, bool andPlay)
{
    if (handed_.load() - speaker_->taken.load() >= kMostWaiting)
        return false;
    // The first sound comes a moment after the window has shown: the game
    // starts without the thread.
    if (handed_.load() == 0) {
        speaker_->context.moveToThread(thread_.get());
        thread_->start();
    }
    ++handed_;
    QMetaObject::invokeMethod(
        &speaker_->context,
        [speaker = speaker_.get(), key, sound = std::move(sound), andPlay] {
            auto found = speaker->outputs.find(key);
            if (found == speaker->outputs.end())
                found = speaker->outputs.emplace(key, speaker->makeOutput(*sound)).first;
            if (found->second && andPlay)
                found->second->play();
            ++speaker->taken;
        },
        Qt::QueuedConnection);
    return true;
}

bool SpeakerThread::settle(int ms) const
{
    QElapsedTimer clock;
    clock.start();
    while (speaker_->taken.load() != handed_.load()) {
        if (clock.elapsed() >= ms)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace pipstone
