#pragma once
// A round inset that shows a part of a dial enlarged, as a magnifying glass would: the
// dial is painted again through the glass, so every mark and numeral is the dial's own.

#include <QColor>
#include <QPointF>

#include <functional>

class QPainter;

// Paints Dial (a paint in control pixels) Rate times larger about Spot, into the circle
// of Radius round Where, on Background, and rings the circle.
void PaintMagnified(QPainter& Painter, QPointF Where, double Radius, QPointF Spot, double Rate,
                    const QColor& Background, const std::function<void(QPainter&)>& Dial);
