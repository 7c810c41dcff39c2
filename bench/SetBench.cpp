// Class sets written to PDF through the set's document, as the dialog's
// "PDFに保存(&F)" and `kestrum --pdf` write them: thirty sheets each with its key
// (sixty pages), and the answers list of thirty sheets on its own. The counter is
// the size of the file one run writes.

#include "sheet/RandomSource.h"
#include "printing/PdfExport.h"
#include "printing/SheetDocument.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void WriteSet(benchmark::State& State, TAnswerPages Answers, bool SheetPages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.pdf"));
    const TSheet first = *DrawSheet(TSheetSettings{}, 20261208);
    for (auto _ : State) {
        // Drawing the set is part of the job.
        TSheetDocument document(DrawSet(first, 30), Answers, SheetPages);
        const TPdfResult result = SavePdf(document, path);
        if (!result.Saved) {
            State.SkipWithError(result.Reason.toStdString().c_str());
            return;
        }
    }
    State.counters["pdf_KB"] = static_cast<double>(QFileInfo(path).size()) / 1024;
}

void BM_Set30SheetsWithKeysToPdf(benchmark::State& state) { WriteSet(state, apEachSheet, true); }
void BM_AnswersList30Sheets(benchmark::State& state) { WriteSet(state, apList, false); }

}  // namespace

BENCHMARK(BM_Set30SheetsWithKeysToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnswersList30Sheets)->Unit(benchmark::kMillisecond);
