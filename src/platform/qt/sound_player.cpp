#include "platform/qt/sound_player.h"

// Qt
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace pipstone {

void SoundPlayer::play(const QString &path)
{
    auto found = effects_.find(path);
    if (found == effects_.end()) {
        if (!QFileInfo(path).isFile())
            return;
        auto *effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        found = effects_.emplace(path, effect).first;
    }
    QSoundEffect *effect = found->second;
    if (effect->status() == QSoundEffect::Error)
        return;
    // Playing again restarts the sound, as a new tile is drawn at once.
    effect->stop();
    effect->play();
}

} // namespace pipstone
