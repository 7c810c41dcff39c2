#include "FloorReplay.h"

#include "dial/QtCanvas.h"
#include "dial/TextFit.h"

#include <QPainter>

#include <algorithm>

namespace {

// The canvas names pixels, QPainter the corners between them: half a pixel over.
QPointF Centre(const TPoint& P) { return {P.X + 0.5, P.Y + 0.5}; }

QPen OutlinePen(const TPen& Pen)
{
    if (Pen.Style == psClear)
        return QPen(Qt::NoPen);
    QPen pen(TQtCanvas::ToQColor(Pen.Color));
    pen.setWidth(Pen.Width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QBrush Fill(const TBrush& Brush)
{
    if (Brush.Style() == bsClear)
        return QBrush(Qt::NoBrush);
    return QBrush(TQtCanvas::ToQColor(Brush.Color()));
}

template <typename T> int IndexIn(std::vector<T>& Values, const T& Value)
{
    const auto found = std::find(Values.begin(), Values.end(), Value);
    if (found != Values.end())
        return static_cast<int>(found - Values.begin());
    Values.push_back(Value);
    return static_cast<int>(Values.size() - 1);
}

}  // namespace

int TFloorReplay::PenIndex(const QPen& Pen) { return IndexIn(FPens, Pen); }
int TFloorReplay::BrushIndex(const QBrush& Brush) { return IndexIn(FBrushes, Brush); }
int TFloorReplay::FontIndex(const QFont& Font) { return IndexIn(FFonts, Font); }

TFloorReplay::TFloorReplay(const std::vector<TCanvasOp>& Ops, int Dpi)
{
    for (const TCanvasOp& op : Ops) {
        TStep step;
        step.Kind = op.Kind;
        switch (op.Kind) {
        case TCanvasOp::okEllipse:
            // The same two discs as the canvas draws for an outlined, filled ellipse.
            if (const auto discs = TQtCanvas::OutlinedDisc(op.Pen, op.Brush, op.Box.Left, op.Box.Top,
                                                           op.Box.Right, op.Box.Bottom)) {
                step.Pen = PenIndex(QPen(Qt::NoPen));
                step.Brush = BrushIndex(QBrush(TQtCanvas::ToQColor(op.Pen.Color)));
                step.Ellipse = discs->Outer;
                if (!discs->Inner.isEmpty()) {
                    FSteps.push_back(step);
                    step.Brush = BrushIndex(Fill(op.Brush));
                    step.Ellipse = discs->Inner;
                }
                break;
            }
            step.Pen = PenIndex(OutlinePen(op.Pen));
            step.Brush = BrushIndex(Fill(op.Brush));
            step.Ellipse = TQtCanvas::EllipseRect(op.Box.Left, op.Box.Top, op.Box.Right, op.Box.Bottom);
            break;
        case TCanvasOp::okLine:
            step.Pen = PenIndex(OutlinePen(op.Pen));
            step.Brush = BrushIndex(Fill(op.Brush));
            step.Line = QLineF(Centre(op.From), Centre(op.To));
            break;
        case TCanvasOp::okPolygon:
            step.Pen = PenIndex(OutlinePen(op.Pen));
            step.Brush = BrushIndex(Fill(op.Brush));
            for (const TPoint& p : op.Points)
                step.Polygon << Centre(p);
            break;
        case TCanvasOp::okText: {
            const int width = op.Box.Right - op.Box.Left, height = op.Box.Bottom - op.Box.Top;
            if (width <= 0 || height <= 0)
                continue;  // the canvas draws nothing into an empty box
            const TQtCanvas::TTextLayout layout =
                TQtCanvas::LayoutText(op.Text, op.Box, op.Format, op.Font.Size, Dpi);
            step.Text = QString::fromStdString(op.Text);
            step.Font = FontIndex(layout.Font);
            step.Pen = PenIndex(QPen(TQtCanvas::ToQColor(op.Font.Color)));
            step.TextRect = layout.Rect;
            step.Flags = layout.Flags | Qt::TextDontClip;
            step.Box = QRect(op.Box.Left, op.Box.Top, width, height);
            // The ink where the unclipped text falls, in the box's own coordinates.
            const QRect ink = InkBounds(step.Text, layout.Font, width, height, layout.Flags)
                                  .translated(0, layout.Rect.top() - op.Box.Top);
            step.Clip = !ink.isNull() && !QRect(0, 0, width, height).contains(ink);
            step.Opaque = op.Brush.Style() == bsSolid;
            step.Background = TQtCanvas::ToQColor(op.Brush.Color());
            break;
        }
        }
        FSteps.push_back(std::move(step));
    }
}

void TFloorReplay::Draw(QPainter& Painter) const
{
    Painter.setRenderHint(QPainter::Antialiasing, true);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
    int pen = -1, brush = -1, font = -1, background = -1;  // -1: as the painter came
    for (const TStep& step : FSteps) {
        if (step.Pen != pen) {
            Painter.setPen(FPens[static_cast<std::size_t>(step.Pen)]);
            pen = step.Pen;
        }
        if (step.Kind != TCanvasOp::okText && step.Brush != brush) {
            Painter.setBrush(FBrushes[static_cast<std::size_t>(step.Brush)]);
            brush = step.Brush;
        }
        switch (step.Kind) {
        case TCanvasOp::okEllipse:
            Painter.drawEllipse(step.Ellipse);
            break;
        case TCanvasOp::okLine:
            Painter.drawLine(step.Line);
            break;
        case TCanvasOp::okPolygon:
            Painter.drawPolygon(step.Polygon);
            break;
        case TCanvasOp::okText:
            if (step.Font != font) {
                Painter.setFont(FFonts[static_cast<std::size_t>(step.Font)]);
                font = step.Font;
            }
            if (static_cast<int>(step.Opaque) != background) {
                Painter.setBackgroundMode(step.Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
                background = step.Opaque;
            }
            if (step.Opaque)
                Painter.setBackground(step.Background);
            if (step.Clip) {
                Painter.save();
                Painter.setClipRect(step.Box, Qt::IntersectClip);
            }
            Painter.drawText(step.TextRect, step.Flags, step.Text);
            if (step.Clip) {
                Painter.restore();
                pen = brush = font = background = -1;
            }
            break;
        }
    }
}
