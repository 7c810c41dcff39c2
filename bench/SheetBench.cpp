// The whole sheet after a click on "更新(&N)", and Renew on its own.
//
// BM_SheetRepaint renders the entire window (white background, labels, panels and six
// dials) into an image, as a full repaint of the window does; the click that precedes
// it is not timed. BM_SheetScreenRepaint is the path a user sees on a shown window:
// the click, then the event loop until the repaint manager has repainted the dials
// and captions that changed. BM_Renew is the click's handler alone on a window that
// was never shown, so that no paint follows: six weights drawn and set, captions
// rewritten. The sheets alternate between two sets of weights so that every dial
// moves on every click.

#include "AlternatingRandom.h"
#include "PaintedWindow.h"
#include "window/UnitKestrum.h"

#include <QImage>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QPushButton* RenewButton(TFormKestrum& Form)
{
    return Form.findChild<QPushButton*>(QStringLiteral("ButtonNew"));
}

void BM_SheetRepaint(benchmark::State& state)
{
    TFormKestrum form(nullptr, std::make_unique<TAlternatingRandom>());
    if (!ShowPainted(form)) {
        state.SkipWithError("the window did not paint its dials");
        return;
    }
    QPushButton* renew = RenewButton(form);
    QImage image(form.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        renew->click();
        state.ResumeTiming();
        form.render(&image);
    }
}

void BM_SheetScreenRepaint(benchmark::State& state)
{
    TFormKestrum form(nullptr, std::make_unique<TAlternatingRandom>());
    TDialPaintWatch watch(form);
    form.show();
    if (!watch.WaitForPaints()) {
        state.SkipWithError("the window did not paint its dials");
        return;
    }
    QPushButton* renew = RenewButton(form);
    for (auto _ : state) {
        renew->click();
        if (!watch.WaitForPaints()) {
            state.SkipWithError("the dials were not repainted");
            return;
        }
    }
}

void BM_Renew(benchmark::State& state)
{
    TFormKestrum form;
    for (auto _ : state)
        form.Renew(&form);
}

}  // namespace

BENCHMARK(BM_SheetRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SheetScreenRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Renew)->Unit(benchmark::kMicrosecond);
