// Naming the mistakes of a marked sheet, which the pupil waits for with the marks:
// six wrong answers on a 5 kg dial, in the kilograms-and-grams form, each of another
// kind, and one that is none of them. The dial's drawing is made once, as the window
// makes it once per sheet.

#include "practice/Mistakes.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

void BM_NameMistakes(benchmark::State& state)
{
    const TDialDrawing dial = DialDrawing(vm005kg, bsDensely, ssHide, snAll);
    const std::array<std::uint32_t, ProblemCount> weights = {3860, 3860, 3860, 3860, 3860, 1260};
    const std::array<TTypedAnswer, ProblemCount> answers = {{{QStringLiteral("3"), QStringLiteral("840")},
                                                             {QStringLiteral("3"), QStringLiteral("86")},
                                                             {QStringLiteral("3"), QStringLiteral("830")},
                                                             {QStringLiteral("4"), QStringLiteral("0")},
                                                             {QStringLiteral("3"), QStringLiteral("940")},
                                                             {QStringLiteral("１"), QStringLiteral("７７７")}}};
    for (auto _ : state)
        for (int i = 0; i < ProblemCount; ++i)
            benchmark::DoNotOptimize(NameMistake(dial, weights[i], bfKilogramsAndGrams, answers[i]));
}

}  // namespace

BENCHMARK(BM_NameMistakes)->Unit(benchmark::kMicrosecond);
