// A real print spooler: CUPS with a cups-pdf queue, started by the test on this
// machine. The teacher clicks "印刷(&P)" and the landscape sheet arrives as a PDF in
// the queue's output folder; a queue that turns the job away, or has gone, is
// reported instead of passing for a print.

#include "PdfProbe.h"
#include "printing/PrintFailures.h"
#include "PrivateSpooler.h"
#include "printing/SheetPrinter.h"
#include "WorksheetDriver.h"

#include <QPrinter>

namespace {

std::unique_ptr<TPrivateSpooler> Spooler;

struct TWindow {
    Sheet Worksheet;
    QStringList Messages;

    TWindow()
    {
        Worksheet.Form->show();
        Worksheet.Form->SheetPrinter().SetErrorReporter(
            [this](QWidget*, const QString& message) { Messages << message; });
    }
    QPrinter& Printer() { return Worksheet.Form->SheetPrinter().Printer(); }
    bool PanelsAsAtStartUp() const
    {
        return !Worksheet.Find<QWidget>("PanelButtons")->isHidden() &&
               !Worksheet.Find<QWidget>("GroupBoxStart")->isHidden();
    }
};

}  // namespace

class TestSpoolerPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        if (!Spooler)
            QSKIP(qPrintable(TPrivateSpooler::WhyNot()));
        const QString error = Spooler->Start();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void cleanupTestCase()
    {
        if (Spooler)
            Spooler->Stop();
    }

    void theSheetArrivesInTheQueueAsALandscapePdf()
    {
        TWindow window;
        // A new printer object takes the spooler's default queue.
        QCOMPARE(window.Printer().outputFormat(), QPrinter::NativeFormat);
        QCOMPARE(window.Printer().printerName(), QString::fromLatin1(TPrivateSpooler::QueueName));
        const TPrivateSpooler::TPdfFiles before = Spooler->PdfFiles();

        window.Worksheet.Click("ButtonPrintOut");
        QVERIFY2(window.Messages.isEmpty(), qPrintable(window.Messages.join(u'\n')));
        QVERIFY(window.PanelsAsAtStartUp());

        const QString pdf = Spooler->WaitForNewPdf(before, 60000);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF arrived in %1; the spooler's log:\n%2")
                                                 .arg(TPrivateSpooler::OutputFolder(), Spooler->ErrorLog())));
        const auto info = PdfProbe::Info(pdf);
        QVERIFY(info);
        QCOMPARE(info->Pages, 1);
        // cups-pdf may hand a landscape job back on upright paper with the picture
        // turned. Either way the sheet's long side lies along the paper's long side,
        // where an upright print would lay it across.
        const QImage page = PdfProbe::Rasterize(pdf, 72);
        const QRect ink = PdfProbe::Bounds(page, PdfProbe::IsInk);
        QVERIFY(!ink.isEmpty());
        const bool paperLandscape = page.width() > page.height();
        const bool sheetAlongWidth = ink.width() > ink.height();
        QCOMPARE(sheetAlongWidth, paperLandscape);
        // Fitted to the page: the sheet spans most of the paper's long side.
        const int along = paperLandscape ? ink.width() : ink.height();
        QVERIFY(along > 0.8 * std::max(page.width(), page.height()));
    }

    void aQueueThatTurnsJobsAwayIsReported()
    {
        TWindow window;
        QVERIFY(Spooler->Lp(QStringLiteral("cupsreject"), {QString::fromLatin1(TPrivateSpooler::QueueName)}));
        window.Worksheet.Click("ButtonPrintOut");
        QVERIFY(Spooler->Lp(QStringLiteral("cupsaccept"), {QString::fromLatin1(TPrivateSpooler::QueueName)}));

        QCOMPARE(window.Messages, QStringList{Texts::PrintUnsupported});
        QVERIFY(window.PanelsAsAtStartUp());
    }

    // The queue chosen when the window opened has been removed since: no printer.
    void aQueueThatHasGoneIsNoPrinter()
    {
        TWindow window;
        QCOMPARE(window.Printer().printerName(), QString::fromLatin1(TPrivateSpooler::QueueName));
        QVERIFY(Spooler->Lp(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QString::fromLatin1(TPrivateSpooler::QueueName)}));

        window.Worksheet.Click("ButtonPrintOut");

        QCOMPARE(window.Messages, QStringList{Texts::PrintNoPrinter});
        QVERIFY(window.PanelsAsAtStartUp());
    }

    // The program started with no printer; the IT person adds one while it runs. The
    // teacher, who chose nothing, prints to the new default queue.
    void aPrinterAddedWhileRunningIsUsed()
    {
        // Gone already if the test before has run; removed here if not.
        Spooler->Lp(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QString::fromLatin1(TPrivateSpooler::QueueName)});
        TWindow window;
        QVERIFY(window.Printer().printerName().isEmpty());
        const QString added = Spooler->AddQueue();
        QVERIFY2(added.isEmpty(), qPrintable(added));
        const TPrivateSpooler::TPdfFiles before = Spooler->PdfFiles();

        window.Worksheet.Click("ButtonPrintOut");

        QVERIFY2(window.Messages.isEmpty(), qPrintable(window.Messages.join(u'\n')));
        QVERIFY(!Spooler->WaitForNewPdf(before, 60000).isEmpty());
    }
};

int main(int argc, char** argv)
{
    // Every CUPS call of this process goes to the test's own scheduler; the variable
    // must be in place before Qt's print support first talks to CUPS.
    if (TPrivateSpooler::WhyNot().isEmpty()) {
        Spooler = std::make_unique<TPrivateSpooler>();
        qputenv("CUPS_SERVER", QFile::encodeName(Spooler->Socket()));
    } else {
        qputenv("CUPS_SERVER", "/nonexistent/kestrum-no-cups.sock");
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        TestSpoolerPrinting test;
        result = QTest::qExec(&test, argc, argv);
    }
    Spooler.reset();
    return result;
}

#include "test_spooler_printing.moc"
