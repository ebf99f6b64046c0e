#pragma once

// Qt
#include <QObject>
#include <QString>

// std
#include <map>

class QSoundEffect;

namespace pipstone {

// Plays short wave files without waiting for them. Each file is loaded once
// and kept, so the second and later plays start at once.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // A missing or unplayable file makes no sound and no complaint.
    void play(const QString &path);

private:
    std::map<QString, QSoundEffect *> effects_; // children of this player
};

} // namespace pipstone
