// Printing a sheet through the very path a real print takes, into a PDF file that
// poppler then reads back: one landscape page, the picture fitted and anchored at
// the top-left corner of the printable area. The sheet is a stand-in: a white widget
// with a dial, a heading and a mark in each corner.

#include "printing/PageFit.h"
#include "PdfProbe.h"
#include "dial/PlatformScale.h"
#include "printing/PrintFailures.h"
#include "printing/SheetPrinter.h"

#include <QApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

namespace {

constexpr int ProbeDpi = 100;

QWidget* Block(QWidget* Parent, const char* Name, QRect Geometry, QColor Colour)
{
    auto* block = new QWidget(Parent);
    block->setObjectName(QString::fromLatin1(Name));
    block->setGeometry(Geometry);
    QPalette palette = block->palette();
    palette.setColor(QPalette::Window, Colour);
    block->setPalette(palette);
    block->setAutoFillBackground(true);
    return block;
}

// Calls back from inside its own paint, that is, in the middle of a print.
class TPaintHook : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (auto hook = std::exchange(OnPaint, nullptr))
            hook();
    }
};

struct TStandInSheet {
    QWidget Window;
    TPlatformScale* Dial;
    QWidget* BottomRight;
    TPaintHook* Hook;

    explicit TStandInSheet(QSize Size)
    {
        Window.resize(Size);
        QPalette white = Window.palette();
        white.setColor(QPalette::Window, Qt::white);
        Window.setPalette(white);
        Window.setAutoFillBackground(true);

        auto* heading = new QLabel(QStringLiteral("重さはいくらでしょう。"), &Window);
        heading->move(40, 20);
        Dial = new TPlatformScale(&Window);
        Dial->SetDiameter(200);
        Dial->SetBoardColor(clWhite);
        Dial->move(60, 60);
        Dial->SetValue(700);
        Block(&Window, "TopLeft", QRect(0, 0, 12, 12), Qt::black);
        BottomRight = Block(&Window, "BottomRight", QRect(0, 0, 12, 12), Qt::black);
        Hook = new TPaintHook(&Window);
        Hook->setGeometry(300, 40, 4, 4);

        Resize(Size);
    }

    void Resize(QSize Size)
    {
        Window.resize(Size);
        BottomRight->move(Size.width() - 12, Size.height() - 12);
    }
};

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

    bool Print(TStandInSheet& Sheet)
    {
        return Printer.PrintOut(Sheet.Window, nullptr, QStringLiteral("Kestrum"));
    }
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

void CompareEdges(QRect Ink, QRect Expected)
{
    // One probe pixel is a sixth of a millimetre; an anti-aliased edge may fall
    // either side of it.
    QVERIFY2(std::abs(Ink.left() - Expected.left()) <= 1 && std::abs(Ink.top() - Expected.top()) <= 1 &&
                 std::abs(Ink.right() - Expected.right()) <= 1 &&
                 std::abs(Ink.bottom() - Expected.bottom()) <= 1,
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
    }

    // A sheet wider in proportion than the page fills its width and leaves space at
    // the foot; a taller one fills the height and leaves space at the right.
    void fitsTheSheetToOneLandscapePage_data()
    {
        QTest::addColumn<QSize>("sheet");
        QTest::addColumn<QMarginsF>("border");
        QTest::addColumn<bool>("fillsWidth");
        QTest::newRow("wider, no border") << QSize(1000, 400) << QMarginsF() << true;
        QTest::newRow("taller, no border") << QSize(600, 600) << QMarginsF() << false;
        QTest::newRow("wider, unprintable border")
            << QSize(1000, 400) << QMarginsF(10, 15, 5, 8) << true;
        QTest::newRow("worksheet window, unprintable border")
            << QSize(1028, 740) << QMarginsF(10, 15, 5, 8) << false;
    }

    void fitsTheSheetToOneLandscapePage()
    {
        QFETCH(QSize, sheet);
        QFETCH(QMarginsF, border);
        QFETCH(bool, fillsWidth);
        TStandInSheet standIn(sheet);
        standIn.Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&standIn.Window));
        TPdfPrint print(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, border,
                                    QPageLayout::Millimeter));

        QVERIFY(print.Print(standIn));
        QVERIFY(print.Messages.isEmpty());

        const auto info = PdfProbe::Info(print.Path);
        QVERIFY(info);
        QCOMPARE(info->Pages, 1);
        QCOMPARE(qRound(info->PageSize.width()), 842);
        QCOMPARE(qRound(info->PageSize.height()), 595);

        const QImage page = PdfProbe::Rasterize(print.Path, ProbeDpi);
        QVERIFY(!page.isNull());
        const QRect expected = ExpectedPicture(print.Printer.Printer(), sheet);
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
        TStandInSheet standIn(QSize(1028, 740));
        standIn.Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&standIn.Window));
        TPdfPrint print;
        QVERIFY(print.Print(standIn));

        QCOMPARE(PdfProbe::ImageCount(print.Path), 0);
        QVERIFY(PdfProbe::Text(print.Path).contains(QStringLiteral("重さはいくらでしょう。")));
        // At 1200 dpi the file of a bitmap page runs to megabytes.
        QVERIFY(QFileInfo(print.Path).size() < 300 * 1024);
        const QImage page = PdfProbe::Rasterize(print.Path, ProbeDpi);
        const QRect expected = ExpectedPicture(print.Printer.Printer(), QSize(1028, 740));
        const double scale = static_cast<double>(expected.width()) / 1028;
        const QRect dial = QRectF(60 * scale, 60 * scale, 200 * scale, 200 * scale).toRect();
        QVERIFY(PdfProbe::Count(page.copy(dial), PdfProbe::IsInk) > 500);
    }

    // Printing after the window has been resized prints its new size.
    void printsTheSheetAtItsCurrentSize()
    {
        TStandInSheet standIn(QSize(1028, 740));
        standIn.Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&standIn.Window));
        standIn.Resize(QSize(1200, 400));
        TPdfPrint print;
        QVERIFY(print.Print(standIn));
        const QImage page = PdfProbe::Rasterize(print.Path, ProbeDpi);
        CompareEdges(PdfProbe::Bounds(page, PdfProbe::IsInk),
                     ExpectedPicture(print.Printer.Printer(), QSize(1200, 400)));
    }

    // Each failure: the printing layer's message over the sheet's window, nothing
    // printed, and false for the caller.
    void reportsAFailedPrint_data()
    {
        QTest::addColumn<QString>("outputFile");
        QTest::addColumn<QString>("message");
        // Qt's stand-in when there is no printer: PDF output with no file to write.
        QTest::newRow("no printer") << QString() << NoPrinterText.Text();
        QTest::newRow("printer refuses the job")
            << QStringLiteral("/nonexistent-folder/sheet.pdf")
            << QStringLiteral("選択されたプリンタではサポートされていない機能です");
    }

    void reportsAFailedPrint()
    {
        QFETCH(QString, outputFile);
        QFETCH(QString, message);
        TStandInSheet standIn(QSize(1028, 740));
        TSheetPrinter printer;
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        printer.Printer().setOutputFileName(outputFile);
        QStringList messages;
        QWidget* parent = nullptr;
        printer.SetErrorReporter([&](QWidget* p, const QString& m) {
            messages << m;
            parent = p;
        });

        QVERIFY(!printer.PrintOut(standIn.Window, nullptr, QStringLiteral("Kestrum")));

        QCOMPARE(messages, QStringList{message});
        QCOMPARE(parent, &standIn.Window);

        // The printer is not left stuck: with somewhere to write, the next print works.
        QTemporaryDir dir;
        printer.Printer().setOutputFileName(dir.filePath(QStringLiteral("next.pdf")));
        QVERIFY(printer.PrintOut(standIn.Window, nullptr, QStringLiteral("Kestrum")));
        QCOMPARE(messages.size(), 1);
    }

    // Without any CUPS queue (this test talks to no spooler at all) Qt's new printer
    // is PDF output with no file: that is "no printer", never a silent success.
    void freshPrinterWithoutAQueueIsNoPrinter()
    {
        TStandInSheet standIn(QSize(1028, 740));
        TSheetPrinter printer;
        QStringList messages;
        printer.SetErrorReporter([&](QWidget*, const QString& m) { messages << m; });
        QVERIFY(printer.Printer().printerName().isEmpty());
        QVERIFY(!printer.PrintOut(standIn.Window, nullptr, QStringLiteral("Kestrum")));
        QCOMPARE(messages, QStringList{NoPrinterText});
    }

    // A print asked for in the middle of a print is turned away with "already
    // printing" and touches nothing; the first one finishes its page.
    void turnsAwayAPrintWhileOneRuns()
    {
        TStandInSheet standIn(QSize(1028, 740));
        standIn.Window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&standIn.Window));
        TPdfPrint print;
        std::optional<bool> inner;
        standIn.Hook->OnPaint = [&] { inner = print.Print(standIn); };

        QVERIFY(print.Print(standIn));

        QCOMPARE(inner, std::optional<bool>(false));
        QCOMPARE(print.Messages, QStringList{BusyText});
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
