#include "platform/qt/sound/sound_player.h"

// own
#include "platform/qt/files/optional_file.h"

// Qt
#include <QDir>
#include <QLibrary>

namespace pipstone {

namespace {

// The module's entry point, found once; null when the module is missing.
MakeSoundOutput loadSoundModule(const QString &folder)
{
    // Kept loaded for the rest of the run: its outputs live until the end.
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(kSoundModuleName)));
    return reinterpret_cast<MakeSoundOutput>(module.resolve(kMakeSoundOutputName));
}

} // namespace

SoundPlayer::SoundPlayer(QString moduleFolder)
    : makeOutput_([folder = std::move(moduleFolder), make = MakeSoundOutput{}, tried = false](
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
    : makeOutput_(std::move(makeOutput))
{
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString &path)
{
    auto found = outputs_.find(path);
    if (found == outputs_.end()) {
        const std::optional<QByteArray> bytes = readOptionalFile(path, kSoundFileLimit);
        const std::optional<WaveSound> sound = bytes ? parseWave(*bytes) : std::nullopt;
        std::unique_ptr<SoundOutput> output = sound ? makeOutput_(*sound) : nullptr;
        if (!output)
            return;
        found = outputs_.emplace(path, std::move(output)).first;
    }
    found->second->play();
}

} // namespace pipstone
