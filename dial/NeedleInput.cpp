// The dial's opt-in input: the pupil sets the needle with the mouse, a finger or the
// keys, always onto a mark of the finest graduation the dial draws, so that a needle
// set by hand stands exactly where a printed one would.

#include "dial/PlatformScale.h"

#include "dial/Graduations.h"
#include "dial/Magnifier.h"
#include "dial/Numerals.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The glass enlarges the marks round the tip this many times: on a 5 kg dial marks
// 20 g apart stand some 2.5 pixels apart, too close to count without it.
constexpr double DragMagnification = 3.0;

}  // namespace

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
    // Just left of the top rounds up to the capacity, not to the mark below it: the
    // needle has gone nearly the whole way round, and stands at the top as at 0.
    const double weight = angle / (2 * std::numbers::pi) * FProperties.ValueMax;
    const std::uint32_t mark = FinestMark();
    if (mark == 0)
        return static_cast<std::uint32_t>(std::lround(weight));
    return std::min(static_cast<std::uint32_t>(std::lround(weight / mark)) * mark, FProperties.ValueMax);
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
    FDragging = true;
    MoveNeedle(WeightAt(event->position()));
    update();
}

void TPlatformScale::mouseMoveEvent(QMouseEvent* event)
{
    if (!FInteractive || !(event->buttons() & Qt::LeftButton)) {
        // A release the dial never saw (the button let go outside the window) ends
        // the drag all the same.
        if (FDragging) {
            FDragging = false;
            update();
        }
        QWidget::mouseMoveEvent(event);
        return;
    }
    MoveNeedle(WeightAt(event->position()));
}

void TPlatformScale::mouseReleaseEvent(QMouseEvent* event)
{
    if (FDragging && event->button() == Qt::LeftButton) {
        FDragging = false;
        update();
    }
    QWidget::mouseReleaseEvent(event);
}

std::optional<std::uint32_t> TPlatformScale::KeyTarget(int Key) const
{
    const std::uint32_t value = FProperties.Value, last = FProperties.ValueMax;
    const std::uint32_t mark = FinestMark();
    // Every key stops at either end of the scale rather than jumping round it.
    switch (Key) {
    case Qt::Key_Home:
        return 0u;
    case Qt::Key_End:
        return last;
    case Qt::Key_Right:
    case Qt::Key_Up:
        // From a needle between marks, the first press goes to the neighbouring mark.
        if (mark == 0)
            return std::nullopt;
        return std::min(value / mark * mark + mark, last);
    case Qt::Key_Left:
    case Qt::Key_Down:
        if (mark == 0)
            return std::nullopt;
        return value == 0 ? 0 : (value + mark - 1) / mark * mark - mark;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        // One numbered interval: to the next printed numeral above or below the needle,
        // and past the last one on a dial of a larger capacity, to the capacity.
        const std::vector<std::uint32_t> numerals =
            PrintedNumerals(FProperties.TypeValueMax, FProperties.TypeBoardScale,
                            FProperties.TypeShowScalePer200, FProperties.TypeShowNumerals);
        if (Key == Qt::Key_PageUp) {
            const auto next = std::upper_bound(numerals.begin(), numerals.end(), value);
            return next == numerals.end() ? last : std::min(*next, last);
        }
        const auto next = std::lower_bound(numerals.begin(), numerals.end(), value);
        return next == numerals.begin() ? 0 : std::min(*std::prev(next), last);
    }
    default:
        return std::nullopt;
    }
}

void TPlatformScale::keyPressEvent(QKeyEvent* event)
{
    const std::optional<std::uint32_t> target = FInteractive ? KeyTarget(event->key()) : std::nullopt;
    if (!target) {
        QWidget::keyPressEvent(event);
        return;
    }
    MoveNeedle(*target);
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

void TPlatformScale::PaintDragMagnifier(QPainter& Painter)
{
    // The glass stands on the needle between the pivot and the tip, showing the tip
    // at its middle: in line with the needle, clear of the finger or pointer at the
    // rim, and leaving the tip itself and the marks beside it in view.
    const TScaleLayout& layout = Layout();
    const QPointF tip(layout.Needle[2].X, layout.Needle[2].Y);
    const QPointF centre((layout.Board.Left + layout.Board.Right) / 2.0,
                         (layout.Board.Top + layout.Board.Bottom) / 2.0);
    const QPointF inward = centre - tip;
    const double reach = std::hypot(inward.x(), inward.y());
    if (reach < 1)
        return;
    const double radius = std::min(0.34 * reach, 0.2 * width());
    const QPointF where = tip + inward / reach * (1.45 * radius);
    // The glass centres on the marks' middle, a little beyond the tip (the tip reaches
    // 90 % of the board's radius, the marks 96 % to 100 %): both are seen in it.
    const QPointF spot = tip - inward * (0.95 / 0.9 - 1);
    const QWidget* back = parentWidget() ? parentWidget() : this;
    PaintMagnified(Painter, where, radius, spot, DragMagnification,
                   back->palette().color(back->backgroundRole()),
                   [this](QPainter& P) { PaintOnScreen(P); });
}
