#include "platform/qt/files/optional_file.h"

// Qt
#include <QFile>

// std
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pipstone {

namespace {

// Closes the file however the reading ends.
struct OpenFile {
    int fd;
    ~OpenFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

void reportTooLarge(const QString &path, qint64 limit)
{
    std::fprintf(stderr, "pipstone: %s is larger than %lld bytes and is ignored\n", qPrintable(path),
                 static_cast<long long>(limit));
}

} // namespace

bool isRegularFile(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<QByteArray> readOptionalFile(const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    if (info.st_size > limit) {
        reportTooLarge(path, limit);
        return std::nullopt;
    }
    // Without waiting: the name may have turned into a pipe since the look.
    const OpenFile file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > limit)
        return std::nullopt;
    // One byte more than the size tells a file that grew while it was read.
    QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
    }
    if (got > info.st_size)
        return std::nullopt;
    bytes.truncate(got);
    return bytes;
}

std::uint32_t littleEndian(const QByteArray &bytes, qsizetype at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

} // namespace pipstone
