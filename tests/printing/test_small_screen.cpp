// On a screen smaller than the sheet the window opens within the screen's free area,
// every part of the sheet can be scrolled into view, and 印刷(&P) still prints the
// whole sheet, the same page as a window of the sheet's own size. On a screen large
// enough the window is the sheet's size, two pixels in from the corner.

#include "window/MainWindow.h"
#include "NetbookScreen.h"
#include "PdfProbe.h"
#include "printing/SheetPicture.h"
#include "printing/SheetPrinter.h"
#include "WorksheetDriver.h"

#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

QString PrintPdf(TFormKestrum& Form, const QString& Path)
{
    Form.SheetPrinter().SetErrorReporter(
        [](QWidget*, const QString& Message) { QFAIL(qPrintable(Message)); });
    QPrinter& printer = Form.SheetPrinter().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path);
    QTest::mouseClick(Form.findChild<QPushButton*>(QStringLiteral("ButtonPrintOut")),
                      Qt::LeftButton);
    return Path;
}

}  // namespace

class TestSmallScreen : public QObject {
    Q_OBJECT

private slots:
    void placesTheWindowWithinTheFreeArea()
    {
        // A title bar of 30 pixels and a border of 1.
        const QMargins frame(1, 30, 1, 1);
        // Large enough: the sheet's size, the frame's corner at (2, 2).
        QCOMPARE(ClientGeometryOnScreen(QSize(1028, 740), frame, QRect(0, 0, 1920, 1050)),
                 QRect(3, 32, 1028, 740));
        // The common laptop with a task bar: 768 - 40 leaves 697 rows inside the frame.
        QCOMPARE(ClientGeometryOnScreen(QSize(1028, 740), frame, QRect(0, 0, 1366, 728)),
                 QRect(3, 30, 1028, 697));
        // A netbook: both sides shrink; the frame touches the free area's edges.
        QCOMPARE(ClientGeometryOnScreen(QSize(1028, 740), frame, QRect(0, 24, 1024, 576)),
                 QRect(1, 54, 1022, 545));
    }

    void smallScreenScrollsAndPrintsTheWholeSheet()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        RegisterFontSubstitutions();
        TMainWindow window(std::make_unique<FixedRandom>());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(10);
        const QRect free = window.screen()->availableGeometry();
        QCOMPARE(free, QRect(0, 0, 1024, 600));
        QVERIFY(free.contains(window.frameGeometry()));

        // The foot of the sheet scrolls into view.
        auto* foot = window.Form().findChild<QWidget*>(QStringLiteral("LabelHyoudai2"));
        QVERIFY(!window.viewport()->rect().contains(foot->geometry()));
        window.ensureWidgetVisible(foot);
        QVERIFY(window.viewport()->rect().contains(
            QRect(foot->mapTo(window.viewport(), QPoint()), foot->size())));

        QTemporaryDir dir;
        const QImage small = PdfProbe::Rasterize(PrintPdf(window.Form(), dir.filePath("s.pdf")), 50);
        Sheet full;
        const QImage whole = PdfProbe::Rasterize(PrintPdf(*full.Form, dir.filePath("f.pdf")), 50);
        QVERIFY(!whole.isNull());
        QCOMPARE(small, whole);
    }
};

int main(int argc, char** argv) { return RunOnNetbookScreen<TestSmallScreen>(argc, argv); }
#include "test_small_screen.moc"
