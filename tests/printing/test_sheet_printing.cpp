// Printing a sheet through the very path a real print takes, into a PDF file that
// poppler then reads back: one landscape page, the sheet fitted and anchored at the
// top-left corner of the printable area.

#include "printing/PageFit.h"
#include "PdfProbe.h"
#include "printing/PrintFailures.h"
#include "printing/SheetPrinter.h"
#include "sheet/Sheet.h"
#include "view/Fonts.h"
#include "view/SheetView.h"

#include <QApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int ProbeDpi = 100;

// The start-up settings at a fixed seed.
const TSheet& PlainSheet()
{
    static const TSheet sheet = *DrawSheet(TSheetSettings{}, 4242);
    return sheet;
}

// A printer set to write a PDF file, on paper without unprintable border unless asked.
struct TPdfPrint {
    QTemporaryDir Dir;
    TSheetPrinter Printer;
    QStringList Messages;
    QString Path = Dir.filePath(QStringLiteral("sheet.pdf"));

    explicit TPdfPrint(QPageLayout Layout = QPageLayout(QPageSize(QPageSize::A4),
                                                        QPageLayout::Landscape, QMarginsF()))
    {
        // KESTRUM_KEEP_PRINTS=1 keeps the printed files for looking at.
        if (qEnvironmentVariableIsSet("KESTRUM_KEEP_PRINTS")) {
            Dir.setAutoRemove(false);
            qInfo("printing to %s", qPrintable(Path));
        }
        Printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        Printer.Printer().setOutputFileName(Path);
        Printer.Printer().setPageLayout(Layout);
        Printer.SetErrorReporter([this](QWidget*, const QString& message) { Messages << message; });
    }

    bool Print() { return Printer.PrintOut(PlainSheet(), false, nullptr, QStringLiteral("Kestrum")); }
};

// Where the picture should be on a page rasterised at ProbeDpi: the printable area's
// corner, at the fitted size.
QRect ExpectedPicture(QPrinter& Printer, QSize Sheet)
{
    const QSize fitted = FitSheetToPage(Sheet, QSize(Printer.width(), Printer.height()));
    const QRectF printable = Printer.pageLayout().paintRectPixels(ProbeDpi);
    const double toProbe = static_cast<double>(ProbeDpi) / Printer.resolution();
    return QRectF(printable.topLeft(), QSizeF(fitted) * toProbe).toRect();
}

// The sheet's ink lies inside the place the fit gives it and reaches close to each of
// its edges: its outermost texts stand within a few sheet pixels of the sheet's edges.
void CompareEdges(QRect Ink, QRect Expected)
{
    const int slack = qRound(12.0 * Expected.width() / SheetDesignSize.width());
    const QRect inner = Expected.adjusted(slack, slack, -slack, -slack);
    QVERIFY2(Expected.adjusted(-1, -1, 1, 1).contains(Ink) && Ink.contains(inner),
             qPrintable(QStringLiteral("ink (%1,%2)-(%3,%4), expected (%5,%6)-(%7,%8)")
                            .arg(Ink.left()).arg(Ink.top()).arg(Ink.right()).arg(Ink.bottom())
                            .arg(Expected.left()).arg(Expected.top()).arg(Expected.right())
                            .arg(Expected.bottom())));
}

}  // namespace

class TestSheetPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        RegisterFontSubstitutions();
    }

    // A page wider in proportion than the sheet leaves space at the right; a narrower
    // one is filled across and leaves space at the foot.
    void fitsTheSheetToOneLandscapePage_data()
    {
        QTest::addColumn<QMarginsF>("border");
        QTest::addColumn<bool>("fillsWidth");
        QTest::newRow("A4, no border") << QMarginsF() << false;
        QTest::newRow("A4, unprintable border") << QMarginsF(10, 15, 5, 8) << false;
        QTest::newRow("A4, wide border at the sides") << QMarginsF(40, 5, 40, 5) << true;
    }

    void fitsTheSheetToOneLandscapePage()
    {
        QFETCH(QMarginsF, border);
        QFETCH(bool, fillsWidth);
        TPdfPrint print(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, border,
                                    QPageLayout::Millimeter));

        QVERIFY(print.Print());
        QVERIFY(print.Messages.isEmpty());

        const auto info = PdfProbe::Info(print.Path);
        QVERIFY(info);
        QCOMPARE(info->Pages, 1);
        QCOMPARE(qRound(info->PageSize.width()), 842);
        QCOMPARE(qRound(info->PageSize.height()), 595);

        const QImage page = PdfProbe::Rasterize(print.Path, ProbeDpi);
        QVERIFY(!page.isNull());
        const QRect expected = ExpectedPicture(print.Printer.Printer(), SheetDesignSize);
        CompareEdges(PdfProbe::Bounds(page, PdfProbe::IsInk), expected);
        const QRectF printable = print.Printer.Printer().pageLayout().paintRectPixels(ProbeDpi);
        if (fillsWidth) {
            QVERIFY(std::abs(expected.right() + 1 - printable.right()) <= 1);
            QVERIFY(expected.bottom() < printable.bottom() - 20);
        } else {
            QVERIFY(std::abs(expected.bottom() + 1 - printable.bottom()) <= 1);
            QVERIFY(expected.right() < printable.right() - 20);
        }
    }

    // What reaches the paper is lines and text, not a bitmap of the screen: no
    // picture in the file, the heading as words, the dial's marks drawn.
    void drawsVectorsNotABitmap()
    {
        TPdfPrint print;
        QVERIFY(print.Print());

        QCOMPARE(PdfProbe::ImageCount(print.Path), 0);
        QVERIFY(PdfProbe::Text(print.Path).contains(QStringLiteral("重さはいくらでしょう。")));
        // At 1200 dpi the file of a bitmap page runs to megabytes.
        QVERIFY(QFileInfo(print.Path).size() < 300 * 1024);
        const QImage page = PdfProbe::Rasterize(print.Path, ProbeDpi);
        const QRect expected = ExpectedPicture(print.Printer.Printer(), QSize(1028, 740));
        const double scale = static_cast<double>(expected.width()) / 1028;
        const QRect dial = QRectF(56 * scale, 48 * scale, 285 * scale, 285 * scale).toRect();
        QVERIFY(PdfProbe::Count(page.copy(dial), PdfProbe::IsInk) > 500);
    }

    // Each failure: the printing layer's message over the window that asked, nothing
    // printed, and false for the caller.
    void reportsAFailedPrint_data()
    {
        QTest::addColumn<QString>("outputFile");
        QTest::addColumn<QString>("message");
        // Qt's stand-in when there is no printer: PDF output with no file to write.
        QTest::newRow("no printer") << QString() << Texts::PrintNoPrinter.Text();
        QTest::newRow("printer refuses the job")
            << QStringLiteral("/nonexistent-folder/sheet.pdf")
            << QStringLiteral("選択されたプリンタではサポートされていない機能です");
    }

    void reportsAFailedPrint()
    {
        QFETCH(QString, outputFile);
        QFETCH(QString, message);
        QWidget window;
        TSheetPrinter printer;
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        printer.Printer().setOutputFileName(outputFile);
        QStringList messages;
        QWidget* parent = nullptr;
        printer.SetErrorReporter([&](QWidget* p, const QString& m) {
            messages << m;
            parent = p;
        });

        QVERIFY(!printer.PrintOut(PlainSheet(), false, &window, QStringLiteral("Kestrum")));

        QCOMPARE(messages, QStringList{message});
        QCOMPARE(parent, &window);

        // The printer is not left stuck: with somewhere to write, the next print works.
        QTemporaryDir dir;
        printer.Printer().setOutputFileName(dir.filePath(QStringLiteral("next.pdf")));
        QVERIFY(printer.PrintOut(PlainSheet(), false, &window, QStringLiteral("Kestrum")));
        QCOMPARE(messages.size(), 1);
    }

    // Without any CUPS queue (this test talks to no spooler at all) Qt's new printer
    // is PDF output with no file: that is "no printer", never a silent success.
    void freshPrinterWithoutAQueueIsNoPrinter()
    {
        TSheetPrinter printer;
        QStringList messages;
        printer.SetErrorReporter([&](QWidget*, const QString& m) { messages << m; });
        QVERIFY(printer.Printer().printerName().isEmpty());
        QVERIFY(!printer.PrintOut(PlainSheet(), false, nullptr, QStringLiteral("Kestrum")));
        QCOMPARE(messages, QStringList{Texts::PrintNoPrinter});
    }

    // A print asked for while the printer has a job open is turned away with "already
    // printing" and touches nothing; the open job finishes its page.
    void turnsAwayAPrintWhileOneRuns()
    {
        TPdfPrint print;
        QPainter running(&print.Printer.Printer());
        running.drawText(QPoint(100, 100), QStringLiteral("running"));

        QVERIFY(!print.Print());
        QCOMPARE(print.Messages, QStringList{Texts::PrintBusy});
        QVERIFY(running.end());
        const auto info = PdfProbe::Info(print.Path);
        QVERIFY(info);
        QCOMPARE(info->Pages, 1);
    }
};

int main(int argc, char** argv)
{
    // Talk to no print spooler at all, whatever this machine runs: the tests choose
    // their printer themselves, and nothing may reach a real queue by accident.
    qputenv("CUPS_SERVER", "/nonexistent/kestrum-no-cups.sock");
    QApplication app(argc, argv);
    TestSheetPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sheet_printing.moc"
