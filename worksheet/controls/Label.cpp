#include "controls/Label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine
                          | Qt::TextIncludeTrailingSpaces;
}

TLabel::TLabel(QWidget* Parent) : QLabel(Parent)
{
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
}

void TLabel::SetCaption(const QString& Caption)
{
    setText(Caption);
    resize(sizeHint());
}

QSize TLabel::sizeHint() const
{
    return fontMetrics().boundingRect(QRect(), TextFlags, text()).size();
}

QSize TLabel::minimumSizeHint() const { return sizeHint(); }

void TLabel::SetPageFont(const QFont& Font) { FPageFont = Font; }

QRect TLabel::PageTextBox() const
{
    // Measured as the screen measures a label of that font, so that the page holds the
    // same box, background and text as a label shown in it.
    const QSize size = QFontMetrics(PageFont(), this).boundingRect(QRect(), TextFlags, text()).size();
    return QRect(width() - size.width(), 0, size.width(), size.height());
}

void TLabel::PaintOnPage(QPainter& Painter) const
{
    const QFont font = PageFont();
    const QRect box = PageTextBox();
    Painter.save();
    Painter.fillRect(box, palette().brush(backgroundRole()));
    Painter.setFont(font);
    Painter.setPen(palette().color(QPalette::WindowText));
    Painter.drawText(box, TextFlags, text());
    Painter.restore();
}

void TLabel::paintEvent(QPaintEvent*)
{
    // QLabel would drop trailing spaces, and with them the end of an underlined blank.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), TextFlags, text());
}

void TLabel::changeEvent(QEvent* Event)
{
    QLabel::changeEvent(Event);
    if (Event->type() == QEvent::FontChange)
        resize(sizeHint());
}
