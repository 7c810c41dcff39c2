#include "dial/Magnifier.h"

#include <QPainter>
#include <QPainterPath>

void PaintMagnified(QPainter& Painter, QPointF Where, double Radius, QPointF Spot, double Rate,
                    const QColor& Background, const std::function<void(QPainter&)>& Dial)
{
    Painter.save();
    QPainterPath glass;
    glass.addEllipse(Where, Radius, Radius);
    Painter.setClipPath(glass, Qt::IntersectClip);
    // What lies outside the dial's own rectangle shows plain, not the dial beneath.
    Painter.fillPath(glass, Background);
    Painter.translate(Where);
    Painter.scale(Rate, Rate);
    Painter.translate(-Spot);
    Dial(Painter);
    Painter.restore();

    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setBrush(Qt::NoBrush);
    Painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    Painter.drawEllipse(Where, Radius, Radius);
    Painter.restore();
}
