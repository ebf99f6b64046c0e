#include "text_window.h"

// own
#include "platform/qt/window/form_window.h"
#include "platform/qt/view/qt_conversions.h"

// Qt
#include <QPainter>
#include <QPushButton>

namespace pipstone::bench {

TextWindow::TextWindow()
{
    installFontSubstitutes();
    setFixedSize(FormWindow::kClientWidth, FormWindow::kClientHeight);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    for (const PushButton *record : {&fields_.PushButton1, &fields_.PushButton2, &fields_.PushButton3}) {
        auto *button = new QPushButton(QString::fromStdString(record->Caption), this);
        button->setGeometry(pixelRect(record->Left, record->Top, record->Width, record->Height).toRect());
        button->setFont(toQFont(record->font));
    }
}

void TextWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Label *label : {&fields_.Label2, &fields_.Label3, &fields_.compscore, &fields_.Label5, &fields_.Label4,
                               &fields_.playerscore, &fields_.lStatus}) {
        const Font &font = label->font;
        painter.setFont(toQFont(font));
        painter.setPen(toQColor(font.color));
        const Qt::Alignment alignment = Qt::AlignTop | (font.centred ? Qt::AlignHCenter : Qt::AlignLeft);
        painter.drawText(pixelRect(label->Left, label->Top, label->Width, label->Height), alignment | Qt::TextDontClip,
                         QString::fromStdString(label->Caption));
    }
}

} // namespace pipstone::bench
