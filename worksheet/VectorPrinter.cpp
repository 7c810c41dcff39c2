#include "VectorPrinter.h"

#include <QPainter>
#include <QRegion>
#include <QScopedValueRollback>
#include <QWidget>

int TVectorPrinter::devType() const
{
    return FRenderingSheet ? static_cast<int>(QInternal::UnknownDevice) : QPrinter::devType();
}

void TVectorPrinter::RenderSheet(QWidget& Sheet, QPainter& Painter)
{
    const QScopedValueRollback rendering(FRenderingSheet, true);
    // The window's own background (white) first, then every child that is not hidden,
    // stacked as on screen.
    Sheet.render(&Painter, QPoint(), QRegion(Sheet.rect()),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
}
