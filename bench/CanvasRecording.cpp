#include "CanvasRecording.h"

TCanvasOp& TCanvasRecording::Add(TCanvasOp::TKind Kind)
{
    TCanvasOp& op = Ops.emplace_back();
    op.Kind = Kind;
    op.Pen = Pen;
    op.Brush = Brush;
    op.Font = Font;
    return op;
}

void TCanvasRecording::Ellipse(int X1, int Y1, int X2, int Y2)
{
    Add(TCanvasOp::okEllipse).Box = {X1, Y1, X2, Y2};
}

// A move draws nothing; the line that follows carries both of its ends.
void TCanvasRecording::MoveTo(int X, int Y) { FPenPos = {X, Y}; }

void TCanvasRecording::LineTo(int X, int Y)
{
    TCanvasOp& op = Add(TCanvasOp::okLine);
    op.From = FPenPos;
    op.To = {X, Y};
    FPenPos = {X, Y};
}

void TCanvasRecording::Polygon(const TPoint* Points, int Count)
{
    if (Points != nullptr && Count > 0)
        Add(TCanvasOp::okPolygon).Points.assign(Points, Points + Count);
}

void TCanvasRecording::DrawText(const std::string& Text, const TRect& Box, unsigned Format)
{
    TCanvasOp& op = Add(TCanvasOp::okText);
    op.Text = Text;
    op.Box = Box;
    op.Format = Format;
}
