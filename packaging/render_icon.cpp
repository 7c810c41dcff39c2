// Draws the program's icon with the program's own dial code: a 2 kg dial on a cream
// board, its needle at 300 g, on a transparent square with a small margin. The dial is
// laid out once at 256 pixels and scaled as vectors to the size asked for, so every size
// shows the same drawing.
//
//   render_icon OUT.png SIZE     a PNG of SIZE × SIZE pixels
//   render_icon OUT.svg          the same drawing as SVG, through Qt's SVG generator

#include "dial/PlatformScale.h"
#include "dial/QtCanvas.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int DesignSize = 256;

void PaintIcon(QPainter& Painter, int Size)
{
    TPlatformScale dial;
    dial.SetDiameter(DesignSize);
    dial.SetBoardColor(0xD8F4FF);  // 0x00BBGGRR: a warm cream
    dial.SetWidthBorderLine(8);
    dial.SetWidthScale1(3);
    dial.SetWidthScale2(2);
    dial.SetWidthHand(14);
    dial.SetTypeValueMax(vm002kg);
    dial.SetValueMax(StandardValueMax(vm002kg));
    dial.SetTypeBoardScale(bsSparsely);
    dial.SetTypeShowScalePer200(ssHide);
    dial.SetTypeHandBrush(hbSolid);
    dial.SetValue(300);
    // Icons keep a margin of about 1/32 of their size on each side.
    const double scale = static_cast<double>(Size) / DesignSize * 30 / 32;
    Painter.translate(Size / 32.0, Size / 32.0);
    Painter.scale(scale, scale);
    TQtCanvas canvas(Painter);
    dial.PaintOn(canvas);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png SIZE | OUT.svg\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (out.endsWith(QStringLiteral(".svg"))) {
        QSvgGenerator svg;
        svg.setFileName(out);
        svg.setSize({DesignSize, DesignSize});
        svg.setViewBox(QRect(0, 0, DesignSize, DesignSize));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Kestrum"));
        QPainter painter(&svg);
        if (!painter.isActive()) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            return 1;
        }
        PaintIcon(painter, DesignSize);
        return painter.end() ? 0 : 1;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : DesignSize;
    if (size < 16 || size > 1024) {
        std::fprintf(stderr, "size %d is outside 16 to 1024\n", size);
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PaintIcon(painter, size);
    }
    if (!image.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
