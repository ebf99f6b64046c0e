// Any bytes as x/o.cjs, in a program folder that holds a small picture, a
// picture too large, a pipe and a link that leads out: vetting never blocks,
// and a sheet it accepts names only pictures inside the folder, each by its
// real place, so that vetting it again accepts it unchanged.

// own
#include "platform/qt/files/skin.h"

// Qt
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

// std
#include <cstdlib>
#include <sys/stat.h>

namespace {

QTemporaryDir *folder = nullptr;

void writePicture(const QString &name, int side)
{
    QImage(side, side, QImage::Format_Mono).save(QDir(folder->path()).filePath(name), "PNG");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir;
    QDir(folder->path()).mkpath(QStringLiteral("pic"));
    writePicture(QStringLiteral("pic/face.png"), 8);
    writePicture(QStringLiteral("pic/huge.png"), 1200);
    ::mkfifo(QFile::encodeName(QDir(folder->path()).filePath(QStringLiteral("pic/pipe.png"))).constData(), 0600);
    QFile::link(QStringLiteral("/etc/hostname"), QDir(folder->path()).filePath(QStringLiteral("pic/out.png")));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString refusal;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<QString> sheet = pipstone::vetSkin(bytes, folder->path(), refusal);
    if (!sheet)
        return refusal.isEmpty() ? (std::abort(), 0) : 0;
    const std::optional<QString> again = pipstone::vetSkin(sheet->toUtf8(), folder->path(), refusal);
    if (again != sheet)
        std::abort();
    return 0;
}
