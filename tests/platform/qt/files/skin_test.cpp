// own
#include "platform/qt/files/skin.h"
#include "platform/qt/qt_test_support.h"

// Qt
#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>

// std
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace pipstone::testing {
namespace {

// A PNG `side` pixels square, of a few hundred bytes.
QByteArray png(int side)
{
    QImage image(side, side, QImage::Format_Mono);
    image.fill(0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// What a skin may ask for and name, and what it may not: each case is applied
// or refused before anything the skin names is opened.
TEST(Skin, NamesOnlyPicturesInsideTheFolderAndAsksOnlyForSaneSizes)
{
    QTemporaryDir outside;
    QTemporaryDir folder;
    const QDir dir(folder.path());
    dir.mkpath(QStringLiteral("pic"));
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("pic/face.png")), png(1000)));
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("pic/huge.png")), png(5600)));
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("pic/words.png")), "no picture"));
    ASSERT_TRUE(writeFile(QDir(outside.path()).filePath(QStringLiteral("far.png")), png(8)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pic/pipe.png"))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QDir(outside.path()).filePath(QStringLiteral("far.png")),
                            dir.filePath(QStringLiteral("pic/away.png"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("pic/loop.png")), dir.filePath(QStringLiteral("pic/loop.png"))));
    const QString face = QFileInfo(dir.filePath(QStringLiteral("pic/face.png"))).canonicalFilePath();
    const QString sample = QString::fromUtf8(readFile(QStringLiteral(PIPSTONE_SOURCE_DIR "/assets/sample-skin.cjs")));
    ASSERT_FALSE(sample.isEmpty());

    const struct {
        const char *name;
        QString sheet;
        bool applied;
    } cases[] = {
        {"the sample skin", sample, true},
        {"a picture in the folder", QStringLiteral("QWidget { background: url(pic/face.png) }"), true},
        {"the same, quoted", QStringLiteral("QWidget { background: url( 'pic/face.png' ) }"), true},
        {"the largest lengths", QStringLiteral("* { min-width: 200px; margin: -200px; font-size: 100px }"), true},
        {"the 86-byte skin",
         QStringLiteral("* { min-width:16777215px; min-height:16777215px; border:32767px solid red }"), false},
        {"colours and weights",
         QStringLiteral("QLabel { color: rgba(255, 255, 255, 255); background: hsv(359, 255, 255); font: 900 12px serif;"
                        " font-weight: 600 }"),
         true},
        {"a length past the largest", QStringLiteral("* { min-width: 201px }"), false},
        {"a length far below zero", QStringLiteral("* { margin: -201px }"), false},
        {"a font past the largest", QStringLiteral("QLabel { font: bold 101px serif }"), false},
        {"a length after a colour", QStringLiteral("* { border: 1px solid rgb(1, 2, 3) 300px }"), false},
        {"a colour past any", QStringLiteral("* { color: rgb(361, 0, 0) }"), false},
        {"em lengths", QStringLiteral("* { min-width: 2em }"), false},
        {"a large number after a string", QStringLiteral("* { font-family: \"/*\"; min-width: 99999px }"), false},
        {"widget properties", QStringLiteral("* { qproperty-minimumWidth: 10 }"), false},
        {"escapes", QStringLiteral("* { min-width: \\31 0000px }"), false},
        {"an unfinished comment", QStringLiteral("* { color: red } /* min-width: 99999px"), false},
        {"an unfinished string", QStringLiteral("* { font-family: \"serif\n }"), false},
        {"a pipe", QStringLiteral("* { background: url(pic/pipe.png) }"), false},
        {"a picture of 5,600 x 5,600", QStringLiteral("* { background: url(pic/huge.png) }"), false},
        {"no picture", QStringLiteral("* { background: url(pic/words.png) }"), false},
        {"a picture outside", QStringLiteral("* { image: url(%1/far.png) }").arg(outside.path()), false},
        {"the way up and out", QStringLiteral("* { image: url(../%1/far.png) }").arg(QDir(outside.path()).dirName()),
         false},
        {"a link that leads out", QStringLiteral("* { image: url(pic/away.png) }"), false},
        {"a link to itself", QStringLiteral("* { image: url(pic/loop.png) }"), false},
        {"a missing picture", QStringLiteral("* { image: url(pic/none.png) }"), false},
        {"a device", QStringLiteral("* { image: url(/dev/zero) }"), false},
    };
    for (const auto &c : cases) {
        QString refusal;
        QElapsedTimer clock;
        clock.start();
        const std::optional<QString> sheet = vetSkin(c.sheet.toUtf8(), folder.path(), refusal);
        EXPECT_LT(clock.elapsed(), 500) << c.name;
        ASSERT_EQ(sheet.has_value(), c.applied) << c.name << ": " << refusal.toStdString();
        EXPECT_EQ(refusal.isEmpty(), c.applied) << c.name;
        // Each picture is named by its real place, so nothing else is ever opened.
        if (sheet) {
            EXPECT_EQ(*sheet, QString(c.sheet).replace(QRegularExpression(QStringLiteral("url\\([^)]*\\)")),
                                                       QStringLiteral("url(\"%1\")").arg(face)))
                << c.name;
        }
    }
}

} // namespace
} // namespace pipstone::testing
