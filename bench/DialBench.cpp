// How long one worksheet dial takes to paint into an image, for each capacity, whole
// and enlarged, and how that compares with the floor: the same primitives replayed
// straight onto QPainter. Each iteration paints the dial and (outside the timed
// part) the floor, so both meet the same load on a shared machine; the ratio is
// taken from the thread's processor time of each. Replaying the floor in both turns
// gives a ratio of 1.00, so the comparison itself is even-handed.

#include "CanvasRecording.h"
#include "FloorReplay.h"
#include "dial/QtCanvas.h"
#include "ThreadClock.h"
#include "WorksheetDial.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr int Side = 285;

void PaintDial(TPlatformScale& Dial, QImage& Image)
{
    Image.fill(Qt::white);
    QPainter painter(&Image);
    TQtCanvas canvas(painter);
    Dial.PaintOn(canvas);
}

void PaintFloor(const TFloorReplay& Floor, QImage& Image)
{
    Image.fill(Qt::white);
    QPainter painter(&Image);
    Floor.Draw(painter);
}

void BM_DialPaint(benchmark::State& state)
{
    const auto capacity = static_cast<TTypeValueMax>(state.range(0));
    const auto zoom = static_cast<std::uint8_t>(state.range(1));
    TPlatformScale dial;
    ConfigureWorksheetDial(dial, capacity, zoom);

    TCanvasRecording recording;
    dial.PaintOn(recording);
    const TFloorReplay floor(recording.Ops);

    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    QImage floorImage(Side, Side, QImage::Format_ARGB32_Premultiplied);
    PaintDial(dial, image);
    PaintFloor(floor, floorImage);
    const bool samePicture = image == floorImage;

    // Whichever of the two paints comes first after the benchmark's own bookkeeping
    // runs measurably slower, so they take turns; both paint into the same image.
    double dialSeconds = 0, floorSeconds = 0;
    bool floorFirst = false;
    const auto timedFloor = [&] {
        const double start = ThreadSeconds();
        PaintFloor(floor, image);
        floorSeconds += ThreadSeconds() - start;
    };
    for (auto _ : state) {
        if (floorFirst) {
            state.PauseTiming();
            timedFloor();
            state.ResumeTiming();
        }
        const double start = ThreadSeconds();
        PaintDial(dial, image);
        dialSeconds += ThreadSeconds() - start;
        if (!floorFirst) {
            state.PauseTiming();
            timedFloor();
            state.ResumeTiming();
        }
        floorFirst = !floorFirst;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["floor_us"] = floorSeconds / n * 1e6;
    state.counters["ratio"] = floorSeconds > 0 ? dialSeconds / floorSeconds : 0;
    state.counters["ops"] = static_cast<double>(recording.Ops.size());
    state.counters["same_picture"] = samePicture ? 1 : 0;
}

}  // namespace

BENCHMARK(BM_DialPaint)
    ->ArgNames({"capacity", "zoom"})
    ->ArgsProduct({{vm001kg, vm002kg, vm005kg, vm010kg, vm020kg, vm050kg, vm100kg}, {100, 150}})
    ->Unit(benchmark::kMicrosecond);
