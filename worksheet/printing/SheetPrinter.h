#pragma once
// Prints the worksheet: the sheet's area of the window, without the panels that are
// not part of the page, on one landscape page fitted to the printable area and
// anchored at its top-left corner. The printer object keeps the setup dialog's
// choices for the rest of the run; until the teacher chooses, each print goes to the
// system's default printer of that moment.

#include "PrintFailures.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include <QRect>

class QPicture;
class QPrinter;
class QWidget;
class TSheetDocument;

class TSheetPrinter {
public:
    TSheetPrinter();
    ~TSheetPrinter();
    TSheetPrinter(const TSheetPrinter&) = delete;
    TSheetPrinter& operator=(const TSheetPrinter&) = delete;

    QPrinter& Printer();

    // The platform's standard print dialog on the printer, as a setup dialog: its
    // button only confirms the choice. Cancelling changes nothing.
    void RunSetupDialog(QWidget* Parent);
    // Whether the teacher has confirmed a printer or file in the setup dialog.
    bool PrinterChosen() const { return FPrinterChosen; }

    // Hides HideWhilePrinting, prints Area of Sheet (all of it when Area is empty)
    // with JobTitle, and restores every hidden widget's visibility as it was, also
    // when printing fails. A failure is shown through the error reporter. Returns
    // whether a page was produced.
    bool PrintOut(QWidget& Sheet, const QList<QWidget*>& HideWhilePrinting,
                  const QString& JobTitle, const QRect& Area = {});

    // Prints every page of Document as one job, landscape, on the chosen printer;
    // failures are shown as for the one-sheet print. Returns whether it printed.
    bool Print(TSheetDocument& Document, QWidget* Parent, const QString& JobTitle);

    // How failures reach the user: a standard message box unless a test replaces it.
    using TErrorReporter = std::function<void(QWidget* Parent, const QString& Message)>;
    void SetErrorReporter(TErrorReporter Reporter);
    void ReportError(QWidget* Parent, const QString& Message) const;

    // Where each print finds the system's default printer of that moment, by its queue
    // name (empty for none): the print spooler, unless a test puts another source in.
    using TDefaultPrinterLookup = std::function<QString()>;
    void SetDefaultPrinterLookup(TDefaultPrinterLookup Lookup);

private:
    // Runs Job, which prints, unless a print is already running or there is nowhere to
    // print; reports any failure. True when the job came out.
    bool RunPrint(QWidget* Parent, const std::function<TPrintFailure()>& Job);
    // The print itself, after the sheet has been recorded with its panels hidden.
    TPrintFailure PrintPages(TSheetDocument& Document, const QString& JobTitle);
    // Follows the system's default printer until the teacher has chosen one.
    void FollowDefaultPrinter();

    std::unique_ptr<QPrinter> FPrinter;
    bool FPrinterChosen = false;
    TErrorReporter FReportError;
    TDefaultPrinterLookup FDefaultPrinterName;
    bool FPrinting = false;
};
