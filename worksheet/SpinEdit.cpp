#include "SpinEdit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace {

constexpr int ArrowWidth = 15;

QToolButton* MakeArrow(QWidget* Parent, Qt::ArrowType Type, const QString& Name)
{
    auto* arrow = new QToolButton(Parent);
    arrow->setObjectName(Name);
    arrow->setArrowType(Type);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setCursor(Qt::ArrowCursor);
    return arrow;
}

}  // namespace

TSpinEdit::TSpinEdit(QWidget* Parent)
    : QLineEdit(Parent),
      FUp(MakeArrow(this, Qt::UpArrow, QStringLiteral("Up"))),
      FDown(MakeArrow(this, Qt::DownArrow, QStringLiteral("Down")))
{
    // Only a sign and digits can be typed or pasted: anything else could only ever
    // read as MinValue while the box showed something different.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[+-]?[0-9]*")),
                                                 this));
    setTextMargins(0, 0, ArrowWidth, 0);
    connect(FUp, &QToolButton::clicked, this, [this] { Step(FIncrement); });
    connect(FDown, &QToolButton::clicked, this, [this] { Step(-std::int64_t{FIncrement}); });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (FOnChange)
            FOnChange(this);
    });
}

std::int32_t TSpinEdit::Value() const
{
    bool ok = false;
    const int v = text().trimmed().toInt(&ok);
    return ok ? v : FMinValue;
}

std::int32_t TSpinEdit::CheckValue(std::int64_t v) const
{
    if (FMinValue != FMaxValue)
        v = std::clamp<std::int64_t>(v, std::min(FMinValue, FMaxValue), FMaxValue);
    // Arrows on an unlimited box stop at the ends of the number range instead of
    // wrapping round to the other end.
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void TSpinEdit::SetValue(std::int32_t v) { setText(QString::number(CheckValue(v))); }

void TSpinEdit::Step(std::int64_t Delta) { SetValue(CheckValue(std::int64_t{Value()} + Delta)); }

void TSpinEdit::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Up) {
        Step(FIncrement);
    } else if (Event->key() == Qt::Key_Down) {
        Step(-std::int64_t{FIncrement});
    } else {
        QLineEdit::keyPressEvent(Event);
    }
}

void TSpinEdit::focusOutEvent(QFocusEvent* Event)
{
    // Leaving the box applies the limit, and an empty or bare-sign text shows the
    // number it reads as, so the box and the sheet's summary line agree.
    const QString shown = QString::number(CheckValue(Value()));
    if (text() != shown)
        setText(shown);
    QLineEdit::focusOutEvent(Event);
}

void TSpinEdit::resizeEvent(QResizeEvent* Event)
{
    QLineEdit::resizeEvent(Event);
    const int half = height() / 2;
    FUp->setGeometry(width() - ArrowWidth - 1, 1, ArrowWidth, half - 1);
    FDown->setGeometry(width() - ArrowWidth - 1, half, ArrowWidth, height() - half - 1);
}
