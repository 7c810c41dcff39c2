// Practice on screen: marking a sheet and going on to the next one, each of which a
// pupil waits for.
//
// BM_MarkAnswers is the marking alone: six typed answers, in the kg form with its
// decimals and full-width digits, read as grams and compared with the weights.
// BM_PracticeMark is the click on "答え合わせ(&O)" in a window in practice: the
// answers read from the boxes, marked, and the marks, score and tally set. BM_PracticeNextSheet
// is the click on "つぎの問題(&X)": six new weights and the boxes laid out empty for
// them. Those windows are never shown, so no paint follows. BM_PracticeMarkWithAids is
// the marking a pupil sees after the second try: the right answers, the words and the
// reading aids over every wrong dial, and the whole practice stage painted at
// 1366 × 768. BM_NameMistakes (MistakeBench.cpp) is the naming alone.

#include "AlternatingRandom.h"
#include "practice/Marking.h"
#include "window/UnitKestrum.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_MarkAnswers(benchmark::State& state)
{
    const TWeights weights = {1250, 600, 1800, 300, 1000, 1950};
    const std::array<TTypedAnswer, ProblemCount> answers = {{{QStringLiteral("1.25"), {}},
                                                             {QStringLiteral("0.600"), {}},
                                                             {QStringLiteral("１．８"), {}},
                                                             {QStringLiteral(".3"), {}},
                                                             {QStringLiteral("1"), {}},
                                                             {QStringLiteral("1.9"), {}}}};
    for (auto _ : state)
        benchmark::DoNotOptimize(MarkAnswers(auKilograms, weights, answers));
}

// A window in practice with an answer typed into every box.
std::unique_ptr<TFormKestrum> PractisingForm()
{
    auto form = std::make_unique<TFormKestrum>(nullptr, std::make_unique<TAlternatingRandom>());
    form->findChild<QCheckBox*>(QStringLiteral("CheckBoxPractice"))->setChecked(true);
    for (QLineEdit* box : form->findChild<QWidget*>(QStringLiteral("PracticeOverlay"))->findChildren<QLineEdit*>())
        if (!box->isHidden())
            box->setText(QStringLiteral("1250"));
    return form;
}

void BM_PracticeMark(benchmark::State& state)
{
    const std::unique_ptr<TFormKestrum> form = PractisingForm();
    auto* mark = form->findChild<QPushButton*>(QStringLiteral("ButtonMark"));
    for (auto _ : state)
        mark->click();
}

void BM_PracticeNextSheet(benchmark::State& state)
{
    const std::unique_ptr<TFormKestrum> form = PractisingForm();
    auto* next = form->findChild<QPushButton*>(QStringLiteral("ButtonNextSheet"));
    for (auto _ : state)
        next->click();
}

void BM_PracticeMarkWithAids(benchmark::State& state)
{
    const std::unique_ptr<TFormKestrum> form = PractisingForm();
    form->resize(1366, 768);
    auto* mark = form->findChild<QPushButton*>(QStringLiteral("ButtonMark"));
    auto* stage = form->findChild<QWidget*>(QStringLiteral("PracticeStage"));
    mark->click();  // the first try; every marking after it shows the answers and the aids
    for (auto _ : state) {
        mark->click();
        benchmark::DoNotOptimize(stage->grab());
    }
}

}  // namespace

BENCHMARK(BM_PracticeMarkWithAids)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkAnswers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PracticeMark)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PracticeNextSheet)->Unit(benchmark::kMicrosecond);
