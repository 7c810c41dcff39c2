#pragma once
// A canvas that draws nothing and keeps every primitive the dial asks for, with the
// pen, brush and font as they stood at that moment, so that the same paint can later
// be replayed without running any of the dial's own arithmetic.

#include "dial/Canvas.h"

#include <string>
#include <vector>

struct TCanvasOp {
    enum TKind { okEllipse, okLine, okPolygon, okText };

    TKind Kind;
    TRect Box{};                 // Ellipse and Text
    TPoint From{}, To{};         // Line
    std::vector<TPoint> Points;  // Polygon
    std::string Text;
    unsigned Format = 0;
    TPen Pen;
    TBrush Brush;
    TFont Font;
};

class TCanvasRecording final : public TCanvas {
public:
    std::vector<TCanvasOp> Ops;

    void Ellipse(int X1, int Y1, int X2, int Y2) override;
    void MoveTo(int X, int Y) override;
    void LineTo(int X, int Y) override;
    void Polygon(const TPoint* Points, int Count) override;
    void DrawText(const std::string& Text, const TRect& Box, unsigned Format) override;

private:
    TCanvasOp& Add(TCanvasOp::TKind Kind);

    TPoint FPenPos{};
};
