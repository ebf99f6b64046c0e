#include "platform/qt/files/skin.h"

// own
#include "platform/qt/files/optional_file.h"

// Qt
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

// std
#include <algorithm>

namespace pipstone {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'-';
}

const QStringList kColourFunctions = {QStringLiteral("rgb"), QStringLiteral("rgba"), QStringLiteral("hsv"),
                                      QStringLiteral("hsva"), QStringLiteral("hsl"), QStringLiteral("hsla")};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a skin from start to end the way the style sheet reader splits it
// into comments, strings, picture names, words and numbers, and refuses what
// it cannot agree on with that reader: escapes, unfinished comments or
// strings, properties set on the widgets themselves.
class SkinReader {
public:
    SkinReader(QString text, const QString &programFolder)
        : text_(std::move(text))
        , folder_(QFileInfo(programFolder).canonicalFilePath())
    {
    }

    std::optional<QString> read(QString &refusal)
    {
        if (folder_.isEmpty())
            return fail(refusal, QStringLiteral("the program's folder cannot be found"));
        while (at_ < text_.size() && why_.isEmpty())
            step();
        if (!why_.isEmpty())
            return fail(refusal, why_);
        out_ += QStringView(text_).mid(copiedTo_);
        return out_;
    }

private:
    static std::optional<QString> fail(QString &refusal, const QString &why)
    {
        refusal = why;
        return std::nullopt;
    }

    bool startsHere(QLatin1StringView word) const
    {
        return QStringView(text_).mid(at_).startsWith(word, Qt::CaseInsensitive);
    }

    void step()
    {
        const QChar c = text_[at_];
        if (c == u'\\') {
            why_ = QStringLiteral("it uses escapes");
        } else if (startsHere(QLatin1StringView("/*"))) {
            const qsizetype end = text_.indexOf(QLatin1StringView("*/"), at_ + 2);
            if (end < 0)
                why_ = QStringLiteral("a comment never ends");
            at_ = end + 2;
        } else if (c == u'"' || c == u'\'') {
            const qsizetype end = text_.indexOf(c, at_ + 1);
            const qsizetype lineEnd = text_.indexOf(u'\n', at_ + 1);
            if (end < 0 || (lineEnd >= 0 && lineEnd < end))
                why_ = QStringLiteral("a string never ends on its line");
            at_ = end + 1;
        } else if (c == u'#') {
            skipWord(at_ + 1); // a colour or a widget's name
        } else if (startsNumber(at_)) {
            readNumber();
        } else if (c == u'-' && startsNumber(at_ + 1)) {
            ++at_; // a length below zero is as far from zero as above
            readNumber();
        } else if (isWordChar(c)) {
            readWord();
        } else {
            if (c == u':' && inBlock_)
                property_ = lastWord_;
            else if (c == u'{' || c == u'}')
                inBlock_ = c == u'{';
            if (c == u';' || c == u'}')
                property_.clear();
            if (c == u')' || c == u';' || c == u'}')
                inColour_ = false;
            ++at_;
        }
    }

    bool startsNumber(qsizetype at) const
    {
        return at < text_.size() &&
               (isDigit(text_[at]) || (text_[at] == u'.' && at + 1 < text_.size() && isDigit(text_[at + 1])));
    }

    void skipWord(qsizetype from)
    {
        at_ = from;
        while (at_ < text_.size() && isWordChar(text_[at_]))
            ++at_;
    }

    void readWord()
    {
        const qsizetype start = at_;
        skipWord(at_);
        lastWord_ = text_.mid(start, at_ - start).toLower();
        if (lastWord_.startsWith(QLatin1StringView("qproperty-")))
            why_ = QStringLiteral("it sets properties of the widgets");
        else if (lastWord_ == QLatin1StringView("url") && at_ < text_.size() && text_[at_] == u'(')
            readPicture(start);
        else if (at_ < text_.size() && text_[at_] == u'(')
            inColour_ = kColourFunctions.contains(lastWord_);
    }

    void readNumber()
    {
        qint64 whole = 0;
        for (; at_ < text_.size() && isDigit(text_[at_]); ++at_)
            whole = std::min<qint64>(whole * 10 + text_[at_].digitValue(), qint64{1} << 40);
        if (at_ < text_.size() && text_[at_] == u'.')
            for (++at_; at_ < text_.size() && isDigit(text_[at_]);)
                ++at_;
        const qsizetype unitStart = at_;
        skipWord(at_);
        const QString unit = text_.mid(unitStart, at_ - unitStart).toLower();
        const int largest = largestNumber(unit.isEmpty());
        if (unit == QLatin1StringView("em") || unit == QLatin1StringView("ex"))
            why_ = QStringLiteral("it gives a length in em or ex");
        else if (whole > largest)
            why_ = QStringLiteral("it asks for %1%2 for %3, more than %4")
                       .arg(whole)
                       .arg(unit, property_.isEmpty() ? QStringLiteral("a selector") : property_)
                       .arg(largest);
    }

    // The largest number allowed where the reader stands: a colour's
    // component or hue, a font's weight, a font's size, any other length
    // (a number without a unit is a length in pixels too).
    int largestNumber(bool unitless) const
    {
        if (inColour_)
            return kLargestSkinColour;
        const bool font = property_.contains(QLatin1StringView("font"));
        if (property_ == QLatin1StringView("font-weight") || (property_ == QLatin1StringView("font") && unitless))
            return kLargestSkinFontWeight;
        return font ? kLargestSkinFont : kLargestSkinLength;
    }

    // url(name) at `start`, with at_ on its parenthesis: the name becomes the
    // picture's real place once the picture passes.
    void readPicture(qsizetype start)
    {
        const qsizetype close = text_.indexOf(u')', at_);
        if (close < 0) {
            why_ = QStringLiteral("a url( never ends");
            return;
        }
        QString name = text_.mid(at_ + 1, close - at_ - 1).trimmed();
        if (name.size() >= 2 && (name.front() == u'"' || name.front() == u'\'') && name.back() == name.front())
            name = name.mid(1, name.size() - 2);
        at_ = close + 1;
        const std::optional<QString> place = vetPicture(name);
        if (!place)
            return;
        out_ += QStringView(text_).mid(copiedTo_, start - copiedTo_);
        out_ += QStringLiteral("url(\"%1\")").arg(*place);
        copiedTo_ = at_;
    }

    std::optional<QString> vetPicture(const QString &name)
    {
        const auto refuse = [this, &name](const QString &why) {
            why_ = QStringLiteral("url(%1) %2").arg(name, why);
            return std::nullopt;
        };
        if (name.isEmpty() || name.contains(u'"') || name.contains(u'\'') ||
            name.contains(QRegularExpression(QStringLiteral("\\s"))))
            return refuse(QStringLiteral("is no plain file name"));
        // Every link followed: the place must still lie inside the folder.
        const QString place = QFileInfo(QDir(folder_).filePath(name)).canonicalFilePath();
        if (place.isEmpty() || !place.startsWith(folder_ + u'/'))
            return refuse(QStringLiteral("lies outside the program's folder or is missing"));
        if (!isRegularFile(place))
            return refuse(QStringLiteral("is no regular file"));
        if (QFileInfo(place).size() > kSkinFileLimit)
            return refuse(QStringLiteral("is larger than %1 bytes").arg(kSkinFileLimit));
        const std::optional<QByteArray> bytes = readOptionalFile(place, kSkinFileLimit);
        if (!bytes)
            return refuse(QStringLiteral("cannot be read"));
        QBuffer buffer;
        buffer.setData(*bytes);
        buffer.open(QIODevice::ReadOnly);
        const QSize size = QImageReader(&buffer).size();
        if (size.width() < 1 || size.height() < 1 || size.width() > kLargestSkinPicture ||
            size.height() > kLargestSkinPicture)
            return refuse(QStringLiteral("is no picture of at most %1 x %1").arg(kLargestSkinPicture));
        return place;
    }

    QString text_;
    QString folder_;
    qsizetype at_ = 0;
    qsizetype copiedTo_ = 0;
    QString out_;
    QString why_;
    QString lastWord_;
    QString property_;
    bool inBlock_ = false;
    bool inColour_ = false;
};

} // namespace

std::optional<QString> vetSkin(const QByteArray &bytes, const QString &programFolder, QString &refusal)
{
    return SkinReader(QString::fromUtf8(bytes), programFolder).read(refusal);
}

} // namespace pipstone
