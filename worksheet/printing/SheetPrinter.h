#pragma once
// Prints the worksheet: a sheet, on one landscape page fitted to the printable
// area and anchored at its top-left corner. The printer object keeps the setup dialog's
// choices for the rest of the run; until the teacher chooses, each print goes to the
// system's default printer of that moment.

#include "printing/PrintFailures.h"

#include <QString>

#include <functional>
#include <memory>

class QPicture;
class QPrinter;
class QWidget;
class TSheetDocument;
struct TSheet;

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

    // Prints Sheet on one page, with its answers in red when they are shown, titled
    // JobTitle. A failure is shown through the error reporter over Parent. Returns
    // whether the page came out.
    bool PrintOut(const TSheet& Sheet, bool AnswersShown, QWidget* Parent, const QString& JobTitle);

    // Prints every page of Document as one job, landscape, on the chosen printer;
    // failures are shown as for the one-sheet print. Returns whether it printed.
    bool Print(TSheetDocument& Document, QWidget* Parent, const QString& JobTitle);

    // Where a print would go now: the printer's name, or the file it writes; empty
    // when there is nowhere to print. Follows the default printer as a print does.
    QString Destination();
    // Readies Preview to show and print what this printer would print: its paper,
    // landscape, and JobTitle, so a job printed from the preview is titled like the rest.
    void PreparePreview(QPrinter& Preview, const QString& JobTitle);

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
    // The print itself, once the pages are known.
    TPrintFailure PrintPages(TSheetDocument& Document, const QString& JobTitle);
    // Follows the system's default printer until the teacher has chosen one.
    void FollowDefaultPrinter();

    std::unique_ptr<QPrinter> FPrinter;
    bool FPrinterChosen = false;
    TErrorReporter FReportError;
    TDefaultPrinterLookup FDefaultPrinterName;
    bool FPrinting = false;
};
