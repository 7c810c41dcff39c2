// The six dials of a sheet as the SVG drawings a class's tablets are sent: the time
// for all six (the sheet's dial rule, the paint, the glyph outlines and the compacting
// of the document) and the bytes one dial's drawing takes, for a few capacities,
// dense, whole and enlarged.

#include "classroom/DialSvg.h"
#include "sheet/SettingsTables.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SheetDialsSvg(benchmark::State& state)
{
    TSheetSettings settings;
    settings.Capacity = static_cast<int>(state.range(0));
    settings.Enlarged = state.range(1) != 0;
    settings.RangeMax = CapacityRows()[static_cast<std::size_t>(settings.Capacity)].Capacity;
    settings.Step = StartingStep(settings);
    const std::optional<TSheet> sheet = DrawSheet(settings, 1);
    if (!sheet) {
        state.SkipWithError("the settings leave no sheet to draw");
        return;
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (int i = 0; i < ProblemCount; ++i) {
            const QByteArray svg = SheetDialSvg(*sheet, i);
            bytes += svg.size();
            benchmark::DoNotOptimize(svg.data());
        }
    }
    state.counters["bytes_per_dial"] = static_cast<double>(bytes) / ProblemCount;
}

}  // namespace

BENCHMARK(BM_SheetDialsSvg)
    ->ArgNames({"capacity", "enlarged"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({2, 0})
    ->Args({6, 0})
    ->Unit(benchmark::kMillisecond);
