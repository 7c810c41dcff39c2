// The sheet printed into a PDF file by the real print path: a click on "印刷(&P)"
// with the printer set to write a file, as a teacher prints to PDF. The counter is
// the size of the file one print writes.

#include "PaintedWindow.h"
#include "printing/SheetPrinter.h"
#include "window/UnitKestrum.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_PrintPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    TFormKestrum form;
    if (!dir.isValid() || !ShowPainted(form)) {
        state.SkipWithError("no window or no place for the file");
        return;
    }
    QStringList failures;
    form.SheetPrinter().SetErrorReporter(
        [&failures](QWidget*, const QString& message) { failures << message; });
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    QPrinter& printer = form.SheetPrinter().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    auto* print = form.findChild<QPushButton*>(QStringLiteral("ButtonPrintOut"));

    for (auto _ : state) {
        print->click();
        if (!failures.isEmpty()) {
            state.SkipWithError(failures.front().toStdString().c_str());
            return;
        }
    }
    state.counters["pdf_KB"] = static_cast<double>(QFileInfo(path).size()) / 1024;
}

}  // namespace

BENCHMARK(BM_PrintPdf)->Unit(benchmark::kMillisecond);
