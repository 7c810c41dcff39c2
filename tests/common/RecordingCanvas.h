#pragma once
// A drawing surface that draws nothing and remembers everything: each primitive with
// its exact integer coordinates and the pen, brush and font as they stood when it was
// called. Tests read the dial's geometry from it without comparing pixels.

#include "dial/Canvas.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct TRecordedOp {
    enum TKind { okEllipse, okMoveTo, okLineTo, okPolygon, okDrawText };

    TKind Kind;
    TRect Box{};                 // Ellipse: its box; Text: the text box
    TPoint From{}, To{};         // LineTo: pen position before and after; MoveTo: To
    std::vector<TPoint> Points;  // Polygon, in drawing order
    std::string Text;
    unsigned Format = 0;
    TPen Pen;
    TColor BrushColor = clWhite;
    TBrushStyle BrushStyle = bsSolid;
    TFont Font;
};

class TRecordingCanvas : public TCanvas {
public:
    std::vector<TRecordedOp> Ops;

    TRecordingCanvas() = default;
    // A finished recording can be handed back from a helper.
    TRecordingCanvas(TRecordingCanvas&& Other) noexcept : Ops(std::move(Other.Ops))
    {
        Pen = Other.Pen;
        Brush = Other.Brush;
        Font = Other.Font;
        FPenPos = Other.FPenPos;
    }

    void Ellipse(int X1, int Y1, int X2, int Y2) override
    {
        TRecordedOp& op = Record(TRecordedOp::okEllipse);
        op.Box = {X1, Y1, X2, Y2};
    }
    void MoveTo(int X, int Y) override
    {
        Record(TRecordedOp::okMoveTo).To = {X, Y};
        FPenPos = {X, Y};
    }
    void LineTo(int X, int Y) override
    {
        TRecordedOp& op = Record(TRecordedOp::okLineTo);
        op.From = FPenPos;
        op.To = {X, Y};
        FPenPos = {X, Y};
    }
    void Polygon(const TPoint* Points, int Count) override
    {
        Record(TRecordedOp::okPolygon).Points.assign(Points, Points + Count);
    }
    void DrawText(const std::string& Text, const TRect& Box, unsigned Format) override
    {
        TRecordedOp& op = Record(TRecordedOp::okDrawText);
        op.Text = Text;
        op.Box = Box;
        op.Format = Format;
    }

    std::vector<TRecordedOp> OfKind(TRecordedOp::TKind Kind) const
    {
        std::vector<TRecordedOp> found;
        std::copy_if(Ops.begin(), Ops.end(), std::back_inserter(found),
                     [Kind](const TRecordedOp& op) { return op.Kind == Kind; });
        return found;
    }
    std::vector<TRecordedOp> Lines() const { return OfKind(TRecordedOp::okLineTo); }
    std::vector<TRecordedOp> Texts() const { return OfKind(TRecordedOp::okDrawText); }
    std::size_t Count(TRecordedOp::TKind Kind) const
    {
        return static_cast<std::size_t>(std::count_if(
            Ops.begin(), Ops.end(), [Kind](const TRecordedOp& op) { return op.Kind == Kind; }));
    }

private:
    TRecordedOp& Record(TRecordedOp::TKind Kind)
    {
        TRecordedOp op{};
        op.Kind = Kind;
        op.Pen = Pen;
        op.BrushColor = Brush.Color();
        op.BrushStyle = Brush.Style();
        op.Font = Font;
        Ops.push_back(std::move(op));
        return Ops.back();
    }

    TPoint FPenPos{};
};
