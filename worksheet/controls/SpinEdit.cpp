#include "controls/SpinEdit.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QToolButton>
#include <QValidator>

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

const QRegularExpression& WholeNumber()
{
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]*")));
    return number;
}

// Only a sign and digits can be typed or pasted: anything else could only ever read
// as MinValue while the box showed something different. A Japanese input method
// commits full-width digits ("１５００"); they are taken as the digits they are.
class TNumberValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& Input, int&) const override
    {
        for (QChar& ch : Input) {
            const char16_t c = ch.unicode();
            if (c >= u'０' && c <= u'９')
                ch = QChar(static_cast<char16_t>(u'0' + (c - u'０')));
            else if (c == u'－' || c == u'−')
                ch = QLatin1Char('-');
            else if (c == u'＋')
                ch = QLatin1Char('+');
        }
        return WholeNumber().match(Input).hasMatch() ? Acceptable : Invalid;
    }
};

}  // namespace

TSpinEdit::TSpinEdit(QWidget* Parent)
    : QLineEdit(Parent),
      FUp(MakeArrow(this, Qt::UpArrow, QStringLiteral("Up"))),
      FDown(MakeArrow(this, Qt::DownArrow, QStringLiteral("Down")))
{
    setValidator(new TNumberValidator(this));
    // Asks an input method for digits, so that a Japanese desktop need not switch
    // its conversion off to type a number.
    setInputMethodHints(Qt::ImhDigitsOnly);
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
    const QString number = text().trimmed();
    if (number.isEmpty() || !WholeNumber().match(number).hasMatch())
        return FMinValue;
    bool ok = false;
    std::int64_t v = number.toLongLong(&ok);
    if (!ok) {
        // Only digits and a sign are left, so this is a number past 64 bits, or a
        // bare sign.
        if (number.size() == 1)
            return FMinValue;
        v = number.startsWith(QLatin1Char('-')) ? std::numeric_limits<std::int64_t>::min()
                                                : std::numeric_limits<std::int64_t>::max();
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
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

void TSpinEdit::SetValue(std::int32_t v)
{
    setText(QString::number(CheckValue(v)));
    FSettledText = text();
}

void TSpinEdit::Step(std::int64_t Delta)
{
    setText(QString::number(CheckValue(std::int64_t{Value()} + Delta)));
    Settle(false);
}

void TSpinEdit::Settle(bool Always)
{
    // An empty or bare-sign text shows the number it reads as, so the box and the
    // sheet's summary line agree.
    const QString shown = QString::number(CheckValue(Value()));
    if (text() != shown)
        setText(shown);
    if (!Always && text() == FSettledText)
        return;
    FSettledText = text();
    if (FOnEditingDone)
        FOnEditingDone(this);
}

void TSpinEdit::keyPressEvent(QKeyEvent* Event)
{
    switch (Event->key()) {
    case Qt::Key_Up:
        Step(FIncrement);
        break;
    case Qt::Key_Down:
        Step(-std::int64_t{FIncrement});
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter confirms the number as it stands, changed or not.
        Settle(true);
        break;
    default:
        QLineEdit::keyPressEvent(Event);
        break;
    }
}

void TSpinEdit::focusOutEvent(QFocusEvent* Event)
{
    // A context menu or another window taking the focus for a while is not leaving
    // the box: the teacher comes back to the same edit.
    if (Event->reason() != Qt::PopupFocusReason && Event->reason() != Qt::ActiveWindowFocusReason)
        Settle(false);
    QLineEdit::focusOutEvent(Event);
}

void TSpinEdit::resizeEvent(QResizeEvent* Event)
{
    QLineEdit::resizeEvent(Event);
    const int half = height() / 2;
    FUp->setGeometry(width() - ArrowWidth - 1, 1, ArrowWidth, half - 1);
    FDown->setGeometry(width() - ArrowWidth - 1, half, ArrowWidth, height() - half - 1);
}
