// Renders one dial with the given properties into a PNG file, so that anyone can look
// at any capacity, density, zoom and weight.
//
//   render_dial OUT.png [capacity-kg=2] [value-g=0] [zoom-percent=100] [dense=1]
//               [per200=0] [diameter=285] [solid=0]

#include "PlatformScale.h"
#include "QtCanvas.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace {

TTypeValueMax CapacityOf(int kg)
{
    switch (kg) {
    case 1: return vm001kg;
    case 5: return vm005kg;
    case 10: return vm010kg;
    case 20: return vm020kg;
    case 50: return vm050kg;
    case 100: return vm100kg;
    default: return vm002kg;
    }
}

int Arg(int argc, char** argv, int i, int fallback)
{
    return i < argc ? std::atoi(argv[i]) : fallback;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s OUT.png [capacity-kg=2] [value-g=0] [zoom-percent=100] "
                     "[dense=1] [per200=0] [diameter=285] [solid=0]\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    TPlatformScale dial;
    const TTypeValueMax capacity = CapacityOf(Arg(argc, argv, 2, 2));
    dial.SetDiameter(static_cast<std::uint16_t>(Arg(argc, argv, 7, 285)));
    dial.SetBoardColor(clWhite);
    dial.SetWidthBorderLine(2);
    dial.SetWidthHand(12);
    dial.SetTypeValueMax(capacity);
    dial.SetValueMax(StandardValueMax(capacity));
    dial.SetStretchRatePercent(static_cast<std::uint8_t>(Arg(argc, argv, 4, 100)));
    dial.SetTypeBoardScale(Arg(argc, argv, 5, 1) ? bsDensely : bsSparsely);
    dial.SetTypeShowScalePer200(Arg(argc, argv, 6, 0) ? ssShow : ssHide);
    dial.SetTypeHandBrush(Arg(argc, argv, 8, 0) ? hbSolid : hbClear);
    dial.SetValue(static_cast<std::uint32_t>(Arg(argc, argv, 3, 0)));

    QImage image(dial.Diameter(), dial.Diameter(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        dial.PaintOn(canvas);
    }
    if (!image.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
