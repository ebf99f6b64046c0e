#include "platform/qt/sound/sound_player.h"

// own
#include "platform/qt/files/optional_file.h"
#include "platform/qt/sound/wave_file.h"

// Qt
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>
#include <QWidget>

// std
#include <cstdio>
#include <functional>

namespace pipstone {

namespace {

// How long after the first frame the sound is prepared: the window's first
// moments (the window manager's answers, the first ticks) pass first, and no
// player reaches Get Card that quickly.
constexpr int kPrepareAfterMs = 100;

// The module's entry point, found once; null when the module is missing.
MakeSoundOutput loadSoundModule(const QString &folder)
{
    // Kept loaded for the rest of the run: its outputs live until the end.
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(kSoundModuleName)));
    return reinterpret_cast<MakeSoundOutput>(module.resolve(kMakeSoundOutputName));
}

// Runs `then` once, a while after `widget` has painted for the first time.
class FirstFrameCue : public QObject {
public:
    FirstFrameCue(QWidget &widget, std::function<void()> then)
        : widget_(widget)
    {
        wait_.setSingleShot(true);
        wait_.setInterval(kPrepareAfterMs);
        QObject::connect(&wait_, &QTimer::timeout, this, std::move(then));
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &widget_ && event->type() == QEvent::Paint) {
            widget_.removeEventFilter(this);
            wait_.start();
        }
        return false;
    }

private:
    QWidget &widget_;
    QTimer wait_;
};

} // namespace

SoundPlayer::SoundPlayer(QString moduleFolder)
    : SoundPlayer([folder = std::move(moduleFolder), make = MakeSoundOutput{}, tried = false](
                      const WaveSound &sound) mutable -> std::unique_ptr<SoundOutput> {
        if (!tried) {
            tried = true;
            make = loadSoundModule(folder);
        }
        return std::unique_ptr<SoundOutput>(make ? make(sound) : nullptr);
    })
{
}

SoundPlayer::SoundPlayer(OutputMaker makeOutput)
    : speaker_(std::move(makeOutput))
{
}

SoundPlayer::~SoundPlayer() = default;

SoundPlayer::Checked &SoundPlayer::checked(const QString &path)
{
    auto found = sounds_.find(path);
    if (found != sounds_.end())
        return found->second;
    Checked file;
    if (const std::optional<QByteArray> bytes = readOptionalFile(path, kSoundFileLimit)) {
        std::optional<WaveSound> sound = parseWave(*bytes, &file.untold);
        if (sound)
            file.sound = std::make_shared<const WaveSound>(std::move(*sound));
    }
    return sounds_.emplace(path, file).first->second;
}

void SoundPlayer::play(const QString &path)
{
    Checked &file = checked(path);
    if (file.untold) {
        std::fprintf(stderr, "pipstone: %s is not played: %s\n", qPrintable(path), file.untold);
        file.untold = nullptr;
    }
    if (file.sound)
        speaker_.play(path, file.sound);
}

void SoundPlayer::prepare(const QString &path)
{
    // What is not there yet may still come before the first play, and a file
    // too large is named on standard error when read: both wait for the play.
    const QFileInfo info(path);
    if (sounds_.count(path) != 0 || !info.isFile() || info.size() > kSoundFileLimit)
        return;
    if (const Checked &file = checked(path); file.sound)
        speaker_.prepare(path, file.sound);
}

void SoundPlayer::prepareOnceShown(QWidget &board, const QString &path)
{
    cue_ = std::make_unique<FirstFrameCue>(board, [this, path] { prepare(path); });
}

} // namespace pipstone
