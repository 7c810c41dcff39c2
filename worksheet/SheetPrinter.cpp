#include "SheetPrinter.h"

#include "HiddenWidgets.h"
#include "PageFit.h"
#include "SpoolerVerdict.h"
#include "VectorPrinter.h"
#include "printing/SheetDocument.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QWidget>

namespace {

// Raises a flag for as long as it lives.
class TFlagScope {
public:
    explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

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

void TSheetPrinter::ReportError(QWidget* Parent, const QString& Message) const
{
    if (FReportError)
        FReportError(Parent, Message);
}

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
        const TFlagScope printing(FPrinting);
        const THiddenWidgets hidden(HideWhilePrinting);
        TSheetDocument document(Sheet);
        failure = PrintPages(document, JobTitle);
    }
    // The panels are back before the message shows.
    if (failure != pfNone)
        ReportError(&Sheet, PrintFailureText(failure));
    return failure == pfNone;
}

bool TSheetPrinter::Print(TSheetDocument& Document, QWidget* Parent, const QString& JobTitle)
{
    TPrintFailure failure = pfBusy;
    if (!FPrinting && FPrinter->printerState() != QPrinter::Active) {
        const TFlagScope printing(FPrinting);
        failure = PrintPages(Document, JobTitle);
    }
    if (failure != pfNone)
        ReportError(Parent, PrintFailureText(failure));
    return failure == pfNone;
}

TPrintFailure TSheetPrinter::PrintPages(TSheetDocument& Document, const QString& JobTitle)
{
    TVectorPrinter& printer = *FPrinter;
    if (!HasDestination(printer))
        return pfNoPrinter;
    if (Document.IsEmpty())
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
    if (FitSheetToPage(TSheetDocument::SheetSize, QSize(printer.width(), printer.height())).isEmpty()) {
        printer.abort();
        painter.end();
        return pfUnsupported;
    }
    Document.Paint(printer, painter);
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
