#include "platform/qt/sound/sound_player.h"

// own
#include "platform/qt/files/optional_file.h"
#include "platform/qt/sound/wave_file.h"

// Qt
#include <QDir>
#include <QLibrary>

// std
#include <cstdio>

namespace pipstone {

namespace {

// The module's entry point, found once; null when the module is missing.
MakeSoundOutput loadSoundModule(const QString &folder)
{
    // Kept loaded for the rest of the run: its outputs live until the end.
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(kSoundModuleName)));
    return reinterpret_cast<MakeSoundOutput>(module.resolve(kMakeSoundOutputName));
}

std::shared_ptr<const WaveSound> readSound(const QString &path)
{
    const std::optional<QByteArray> bytes = readOptionalFile(path, kSoundFileLimit);
    if (!bytes)
        return nullptr;
    const char *refusal = nullptr;
    std::optional<WaveSound> sound = parseWave(*bytes, &refusal);
    if (!sound) {
        std::fprintf(stderr, "pipstone: %s is not played: %s\n", qPrintable(path), refusal);
        return nullptr;
    }
    return std::make_shared<const WaveSound>(std::move(*sound));
}

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

void SoundPlayer::play(const QString &path)
{
    auto found = sounds_.find(path);
    if (found == sounds_.end())
        found = sounds_.emplace(path, readSound(path)).first;
    if (found->second)
        speaker_.play(path, found->second);
}

} // namespace pipstone
