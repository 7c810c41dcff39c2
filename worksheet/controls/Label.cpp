#include "Label.h"

#include <QEvent>
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
