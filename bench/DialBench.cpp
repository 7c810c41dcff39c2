// How long one worksheet dial takes to paint into an image, for each capacity, whole
// and enlarged.

#include "PlatformScale.h"
#include "QtCanvas.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void ConfigureWorksheetDial(TPlatformScale& dial, TTypeValueMax capacity, std::uint8_t zoom)
{
    dial.SetDiameter(285);
    dial.SetBoardColor(clWhite);
    dial.SetWidthBorderLine(2);
    dial.SetWidthHand(12);
    dial.SetTypeValueMax(capacity);
    dial.SetValueMax(StandardValueMax(capacity));
    dial.SetTypeBoardScale(bsDensely);
    dial.SetTypeShowScalePer200(ssShow);
    dial.SetStretchRatePercent(zoom);
    dial.SetValue(StandardValueMax(capacity) * 37 / 100);
}

void BM_DialPaint(benchmark::State& state)
{
    const auto capacity = static_cast<TTypeValueMax>(state.range(0));
    const auto zoom = static_cast<std::uint8_t>(state.range(1));
    TPlatformScale dial;
    ConfigureWorksheetDial(dial, capacity, zoom);
    QImage image(285, 285, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        TQtCanvas canvas(painter);
        dial.PaintOn(canvas);
    }
}

}  // namespace

BENCHMARK(BM_DialPaint)
    ->ArgNames({"capacity", "zoom"})
    ->ArgsProduct({{vm001kg, vm002kg, vm005kg, vm010kg, vm020kg, vm050kg, vm100kg}, {100, 150}})
    ->Unit(benchmark::kMicrosecond);
