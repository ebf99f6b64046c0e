// Any bytes as HAND-M.CUR: the reader never reads outside them, and what it
// accepts decodes, if at all, to a picture no larger than a pointer.

// own
#include "platform/qt/files/cursor_file.h"

// std
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<pipstone::CursorFile> file =
        pipstone::parseCursorFile(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (!file)
        return 0;
    const QImage picture = pipstone::decodeCursorPicture(*file);
    if (picture.width() > pipstone::kLargestCursorSide || picture.height() > pipstone::kLargestCursorSide)
        std::abort();
    return 0;
}
