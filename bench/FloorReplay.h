#pragma once
// The floor of a dial's paint: its recorded primitives turned once into what QPainter
// takes (pens, brushes, fitted fonts, rectangles, strings) and replayed with nothing
// else in between. It sets a pen, brush, font or background only when it differs from
// the one before, and clips a numeral only where its ink would leave the box, so the
// replay draws the picture the dial draws on an image at 96 dpi with the least work
// QPainter can be asked for.

#include "CanvasRecording.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPen>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

class TFloorReplay {
public:
    explicit TFloorReplay(const std::vector<TCanvasOp>& Ops, int Dpi = 96);

    void Draw(QPainter& Painter) const;

private:
    struct TStep {
        TCanvasOp::TKind Kind;
        int Pen = -1;
        int Brush = -1;
        int Font = -1;
        QRectF Ellipse;
        QLineF Line;
        QPolygonF Polygon;
        QRect TextRect;
        QRect Box;
        int Flags = 0;
        bool Clip = false;
        bool Opaque = false;
        QColor Background;
        QString Text;
    };

    int PenIndex(const QPen& Pen);
    int BrushIndex(const QBrush& Brush);
    int FontIndex(const QFont& Font);

    std::vector<QPen> FPens;
    std::vector<QBrush> FBrushes;
    std::vector<QFont> FFonts;
    std::vector<TStep> FSteps;
};
