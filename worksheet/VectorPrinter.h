#pragma once
// A printer onto which QWidget::render draws vectors.
//
// Qt renders widgets onto a printer by way of a pixmap the size of the page at the
// printer's resolution (over half a gigabyte for an A4 page at 1200 dpi) and prints
// that bitmap. On any other device it lets every widget paint straight onto the
// given painter. While RenderSheet runs, this printer does not call itself a
// printer, so the widgets' own paint events (the dials' PaintOn among them) reach
// the page as lines, curves and text at the printer's resolution.

#include <QPrinter>

class QPainter;
class QWidget;

class TVectorPrinter final : public QPrinter {
public:
    using QPrinter::QPrinter;

    int devType() const override;

    // Renders Sheet's client area and its visible children onto Painter, which is
    // active on this printer, under the painter's current transform.
    void RenderSheet(QWidget& Sheet, QPainter& Painter);

private:
    bool FRenderingSheet = false;
};
