// The dial's opt-in input: the pupil sets the needle with the mouse, a finger or the
// arrow keys, always onto a mark of the finest graduation the dial draws, so that a
// needle set by hand stands exactly where a printed one would.

#include "dial/PlatformScale.h"

#include "dial/Graduations.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <numbers>

std::uint32_t TPlatformScale::FinestMark() const
{
    return static_cast<std::uint32_t>(FinestGraduation(
        FProperties.TypeValueMax, FProperties.TypeBoardScale, FProperties.TypeShowScalePer200));
}

std::uint32_t TPlatformScale::WeightAt(QPointF Point)
{
    // The board's centre as drawn, whole or enlarged: the angle about it is the weight's.
    const TRect& board = Layout().Board;
    const double dx = Point.x() - (board.Left + board.Right) / 2.0;
    const double dy = Point.y() - (board.Top + board.Bottom) / 2.0;
    double angle = std::atan2(dx, -dy);  // clockwise from 12 o'clock
    if (angle < 0)
        angle += 2 * std::numbers::pi;
    const double weight = angle / (2 * std::numbers::pi) * FProperties.ValueMax;
    const std::uint32_t mark = FinestMark();
    if (mark == 0)
        return static_cast<std::uint32_t>(std::lround(weight));
    return static_cast<std::uint32_t>(std::lround(weight / mark)) * mark;
}

void TPlatformScale::MoveNeedle(std::uint32_t Weight)
{
    const std::uint32_t before = FProperties.Value;
    SetValue(Weight);
    if (FProperties.Value != before)
        emit NeedleMoved(FProperties.Value);
}

void TPlatformScale::mousePressEvent(QMouseEvent* event)
{
    if (!FInteractive || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    MoveNeedle(WeightAt(event->position()));
}

void TPlatformScale::mouseMoveEvent(QMouseEvent* event)
{
    if (!FInteractive || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    MoveNeedle(WeightAt(event->position()));
}

void TPlatformScale::keyPressEvent(QKeyEvent* event)
{
    const std::uint32_t mark = FinestMark();
    const bool up = event->key() == Qt::Key_Right || event->key() == Qt::Key_Up;
    const bool down = event->key() == Qt::Key_Left || event->key() == Qt::Key_Down;
    if (!FInteractive || mark == 0 || (!up && !down)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // From a needle between marks, the first press goes to the neighbouring mark.
    const std::uint32_t value = FProperties.Value;
    std::uint32_t next = value;
    if (up)
        next = value / mark * mark + mark;
    else if (value > 0)
        next = (value + mark - 1) / mark * mark - mark;
    // Stops at either end of the scale rather than jumping round it.
    MoveNeedle(std::min(next, FProperties.ValueMax));
}

void TPlatformScale::PaintFocusFrame(QPainter& Painter)
{
    // Drawn by the dial itself: some styles draw a focus rectangle only after a Tab,
    // and a pupil who clicked must see where the arrow keys go too.
    Painter.save();
    Painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    Painter.restore();
}
