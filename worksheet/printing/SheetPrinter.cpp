#include "printing/SheetPrinter.h"

#include "printing/PageFit.h"
#include "printing/SpoolerVerdict.h"
#include "printing/SheetDocument.h"
#include "view/SheetView.h"
#include "Texts.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
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
    : FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      FReportError([](QWidget* parent, const QString& message) {
          // Titled like the window, not with the executable's name.
          QMessageBox::critical(parent, Texts::WindowCaption, message);
      }),
      FDefaultPrinterName([] { return QPrinterInfo::defaultPrinterName(); })
{
}

TSheetPrinter::~TSheetPrinter() = default;

QPrinter& TSheetPrinter::Printer() { return *FPrinter; }

void TSheetPrinter::SetErrorReporter(TErrorReporter Reporter) { FReportError = std::move(Reporter); }

void TSheetPrinter::SetDefaultPrinterLookup(TDefaultPrinterLookup Lookup)
{
    FDefaultPrinterName = std::move(Lookup);
}

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
    // Here the dialog prints nothing, so its button must not say that it does.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    if (dialog.exec() == QDialog::Accepted)
        FPrinterChosen = true;
}

void TSheetPrinter::FollowDefaultPrinter()
{
    // A choice made in code (a file name set by a caller) counts as chosen too.
    if (FPrinterChosen || WritesToFile(*FPrinter))
        return;
    const QString current = FDefaultPrinterName ? FDefaultPrinterName() : QString();
    if (current.isEmpty() || current == FPrinter->printerName())
        return;
    FPrinter->setOutputFormat(QPrinter::NativeFormat);
    FPrinter->setPrinterName(current);
}

QString TSheetPrinter::Destination()
{
    FollowDefaultPrinter();
    if (!HasDestination(*FPrinter))
        return {};
    return WritesToFile(*FPrinter) ? FPrinter->outputFileName() : FPrinter->printerName();
}

void TSheetPrinter::PreparePreview(QPrinter& Preview, const QString& JobTitle)
{
    QPageLayout layout = FPrinter->pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    Preview.setPageLayout(layout);
    Preview.setDocName(JobTitle);
}

bool TSheetPrinter::PrintOut(const TSheet& Sheet, bool AnswersShown, QWidget* Parent, const QString& JobTitle)
{
    TSheetDocument document(Sheet, AnswersShown ? TSheetDocument::pkKey : TSheetDocument::pkSheet);
    return Print(document, Parent, JobTitle);
}

bool TSheetPrinter::Print(TSheetDocument& Document, QWidget* Parent, const QString& JobTitle)
{
    return RunPrint(Parent, [&] { return PrintPages(Document, JobTitle); });
}

bool TSheetPrinter::RunPrint(QWidget* Parent, const std::function<TPrintFailure()>& Job)
{
    // A second print asked for while one runs (from inside a paint, say) touches
    // nothing: the printer belongs to the first.
    TPrintFailure failure = pfBusy;
    if (!FPrinting && FPrinter->printerState() != QPrinter::Active) {
        const QScopedValueRollback printing(FPrinting, true);
        FollowDefaultPrinter();
        failure = HasDestination(*FPrinter) ? Job() : pfNoPrinter;
    }
    if (failure != pfNone)
        ReportError(Parent, PrintFailureText(failure));
    return failure == pfNone;
}

TPrintFailure TSheetPrinter::PrintPages(TSheetDocument& Document, const QString& JobTitle)
{
    QPrinter& printer = *FPrinter;
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
    if (FitSheetToPage(SheetDesignSize, QSize(printer.width(), printer.height())).isEmpty()) {
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
