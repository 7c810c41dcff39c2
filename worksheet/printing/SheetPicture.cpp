#include "printing/SheetPicture.h"

#include "controls/Label.h"
#include "dial/PlatformScale.h"

#include <QPainter>
#include <QWidget>

QPicture RecordSheet(QWidget& Sheet, const QRect& Area)
{
    QPicture picture;
    // A picture measures itself by what it holds so far; the sheet's size is known.
    picture.setBoundingRect(QRect(QPoint(), Area.size()));
    QPainter painter(&picture);
    painter.translate(-Area.topLeft());
    painter.setClipRect(Area);
    painter.fillRect(Area, Sheet.palette().color(Sheet.backgroundRole()));
    // The children in stacking order, each inside its own rectangle as on screen.
    for (QObject* object : Sheet.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isHidden() || child->isWindow() || !child->geometry().intersects(Area))
            continue;
        painter.save();
        painter.setClipRect(child->geometry(), Qt::IntersectClip);
        if (auto* dial = qobject_cast<TPlatformScale*>(child)) {
            // Painted here rather than through QWidget::render, whose painter, shared
            // with a child, loses the dial's numerals between save and restore.
            painter.translate(child->pos());
            dial->PaintControl(painter);
        } else if (auto* label = qobject_cast<TLabel*>(child); label && label->PrintsInOwnFont()) {
            painter.translate(child->pos());
            label->PaintOnPage(painter);
        } else {
            child->render(&painter, child->pos(), QRegion(),
                          QWidget::DrawWindowBackground | QWidget::DrawChildren);
        }
        painter.restore();
    }
    painter.end();
    return picture;
}
