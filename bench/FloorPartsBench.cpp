// What the floor of the densest dial (50 kg, whole) is made of: each kind of its
// recorded primitives replayed alone onto a white image, so that a dial slower than
// the target can be told apart from a QPainter that is. The parts do not quite add
// up to the whole: each replay has its own image fill and painter.

#include "CanvasRecording.h"
#include "FloorReplay.h"
#include "WorksheetDial.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

enum TPart { fpNothing, fpBoard, fpMarks, fpNeedleAndPivot, fpNumerals, fpWhole };

bool InPart(TPart Part, const TCanvasOp& Op, bool First)
{
    switch (Part) {
    case fpNothing:
        return false;
    case fpBoard:
        return First;  // the board is the first thing drawn
    case fpMarks:
        return Op.Kind == TCanvasOp::okLine;
    case fpNeedleAndPivot:
        return Op.Kind == TCanvasOp::okPolygon || (Op.Kind == TCanvasOp::okEllipse && !First);
    case fpNumerals:
        return Op.Kind == TCanvasOp::okText;
    case fpWhole:
        return true;
    }
    return false;
}

void BM_FloorPart(benchmark::State& state)
{
    const auto part = static_cast<TPart>(state.range(0));
    TPlatformScale dial;
    ConfigureWorksheetDial(dial, vm050kg, 100);
    TCanvasRecording recording;
    dial.PaintOn(recording);
    std::vector<TCanvasOp> ops;
    for (std::size_t i = 0; i < recording.Ops.size(); ++i)
        if (InPart(part, recording.Ops[i], i == 0))
            ops.push_back(recording.Ops[i]);
    const TFloorReplay floor(ops);

    QImage image(285, 285, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        floor.Draw(painter);
    }
    state.counters["ops"] = static_cast<double>(ops.size());
}

}  // namespace

// 0 nothing (fill and painter only), 1 board, 2 marks, 3 needle and pivot, 4 numerals, 5 whole.
BENCHMARK(BM_FloorPart)->ArgName("part")->DenseRange(fpNothing, fpWhole)->Unit(benchmark::kMicrosecond);
