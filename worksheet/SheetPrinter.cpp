#include "SheetPrinter.h"

#include "HiddenWidgets.h"
#include "PageFit.h"
#include "SpoolerVerdict.h"
#include "VectorPrinter.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScopedValueRollback>
#include <QWidget>

namespace {

bool WritesToFile(const QPrinter& Printer) { return !Printer.outputFileName().isEmpty(); }

// Without a CUPS queue Qt falls back to PDF output with no file name: a job it would
// accept and then write nowhere. That is "no printer", not a print.
bool HasDestination(const QPrinter& Printer)
{
    if (!Printer.isValid())
        return false;
    if (Printer.outputFormat() == QPrinter::PdfFormat)
        return WritesToFile(Printer);
    return !Printer.printerName().isEmpty() || WritesToFile(Printer);
}

bool GoesToSpooler(const QPrinter& Printer)
{
    return Printer.outputFormat() == QPrinter::NativeFormat && !WritesToFile(Printer);
}

}  // namespace

TSheetPrinter::TSheetPrinter()
    : FPrinter(std::make_unique<TVectorPrinter>(QPrinter::HighResolution)),
      FReportError([](QWidget* parent, const QString& message) {
          QMessageBox::critical(parent, QString(), message);
      })
{
}

TSheetPrinter::~TSheetPrinter() = default;

QPrinter& TSheetPrinter::Printer() { return *FPrinter; }

void TSheetPrinter::SetErrorReporter(TErrorReporter Reporter) { FReportError = std::move(Reporter); }

void TSheetPrinter::RunSetupDialog(QWidget* Parent)
{
    // The dialog writes its choices into the printer only when confirmed.
    QPrintDialog dialog(FPrinter.get(), Parent);
    // The sheet is always one page: there is no range to choose.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.exec();
}

bool TSheetPrinter::PrintOut(QWidget& Sheet, const QList<QWidget*>& HideWhilePrinting,
                             const QString& JobTitle)
{
    // A second print asked for while one runs (from inside a paint, say) touches
    // nothing: the panels and the printer belong to the first.
    TPrintFailure failure = pfBusy;
    if (!FPrinting && FPrinter->printerState() != QPrinter::Active) {
        const QScopedValueRollback printing(FPrinting, true);
        const THiddenWidgets hidden(HideWhilePrinting);
        failure = PrintPage(Sheet, JobTitle);
    }
    // The panels are back before the message shows.
    if (failure != pfNone && FReportError)
        FReportError(&Sheet, PrintFailureText(failure));
    return failure == pfNone;
}

TPrintFailure TSheetPrinter::PrintPage(QWidget& Sheet, const QString& JobTitle)
{
    TVectorPrinter& printer = *FPrinter;
    if (!HasDestination(printer))
        return pfNoPrinter;
    if (Sheet.rect().isEmpty())
        return pfUnsupported;

    // Landscape on every print, whatever the setup dialog chose. Orientation and page
    // size go to the printer together as one layout: some CUPS set-ups lose a
    // standard page size when the orientation is set on its own.
    QPageLayout layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    if (!printer.setPageLayout(layout) ||
        printer.pageLayout().orientation() != QPageLayout::Landscape)
        return pfUnsupported;
    printer.setDocName(JobTitle);

    QPainter painter;
    if (!painter.begin(&printer))
        return pfUnsupported;
    // The painter's origin is the top-left corner of the printable area.
    const QSize fitted = FitSheetToPage(Sheet.size(), QSize(printer.width(), printer.height()));
    if (fitted.isEmpty()) {
        printer.abort();
        painter.end();
        return pfUnsupported;
    }
    painter.scale(static_cast<double>(fitted.width()) / Sheet.width(),
                  static_cast<double>(fitted.height()) / Sheet.height());
    // No clip of our own: render() keeps to the sheet's rectangle, and a clip on the
    // painter comes back misplaced after a child that clips its own text (the dials'
    // numerals), cutting off every control painted after it.
    printer.RenderSheet(Sheet, painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return pfUnsupported;

    // A queue that has gone since it was chosen (or a spooler that is down) is no
    // printer at all; one that is still there refused something about the job.
    if (GoesToSpooler(printer) && SpoolerRefusedLastJob())
        return QPrinterInfo::printerInfo(printer.printerName()).isNull() ? pfNoPrinter
                                                                         : pfUnsupported;
    // Qt does not say when it could not write the file (a full disk, say).
    if (WritesToFile(printer) && QFileInfo(printer.outputFileName()).size() <= 0)
        return pfUnsupported;
    return pfNone;
}
