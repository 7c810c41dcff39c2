// What the teacher sees is what prints: the worksheet rendered as on screen and the
// same worksheet printed to PDF and rasterised by poppler agree region by region
// (each dial's box, each label, and the paper between them), in the whole and the
// enlarged view and at two capacities. A dial that spills out of its box, a numeral
// missing from the page, or a sheet cut or shrunk by the window's size all fail.
// Under a dark desktop theme both still match the sheet as a light theme shows it.
// The sheet code alone differs on purpose: larger on screen than on the page.

#include "PdfProbe.h"
#include "printing/SheetPicture.h"
#include "printing/SheetPrinter.h"
#include "WorksheetDriver.h"

#include <QApplication>
#include <QFontInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// A page of exactly the sheet's proportions, three quarters of a point per pixel, so
// that poppler at 96 dpi gives back the sheet pixel for pixel.
QString PrintAtSheetScale(TFormKestrum& Form, const QTemporaryDir& Dir, const char* Name)
{
    const QString path = Dir.filePath(QString::fromLatin1(Name));
    Form.SheetPrinter().SetErrorReporter(
        [](QWidget*, const QString& Message) { QFAIL(qPrintable(Message)); });
    QPrinter& printer = Form.SheetPrinter().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    // Paper sizes are named upright; the print turns the page to landscape.
    const QSizeF points = QSizeF(SheetDesignSize).transposed() * 0.75;
    printer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Landscape,
                                      QMarginsF()));
    QTest::mouseClick(Form.findChild<QPushButton*>(QStringLiteral("ButtonPrintOut")),
                      Qt::LeftButton);
    return path;
}

// The sheet as the screen paints it: the window's sheet area, under the panels.
QImage ScreenImage(TFormKestrum& Form)
{
    QImage image(SheetDesignSize, QImage::Format_RGB32);
    Form.View().render(&image, QPoint(), QRegion(QRect(QPoint(), SheetDesignSize)));
    return image;
}

// Ink pixels of A with no ink of B within two pixels: what one image has and the
// other lacks, beyond the difference between two rasterisers' anti-aliasing.
int InkMissingFrom(const QImage& A, const QImage& B, const QRect& Region,
                   const PdfProbe::TPixelTest& Ink)
{
    int missing = 0;
    for (int y = Region.top(); y <= Region.bottom(); ++y)
        for (int x = Region.left(); x <= Region.right(); ++x) {
            if (!Ink(A.pixel(x, y)))
                continue;
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx) {
                    const QPoint p(x + dx, y + dy);
                    near = B.rect().contains(p) && Ink(B.pixel(p));
                }
            missing += near ? 0 : 1;
        }
    return missing;
}

void CompareRegion(const QImage& Screen, const QImage& Page, const QString& Name, const QRect& Region,
                   const PdfProbe::TPixelTest& Ink = PdfProbe::IsInk)
{
    // A single numeral leaves well over fifty ink pixels; hinting and anti-aliasing
    // differences leave a handful.
    constexpr int Tolerance = 24;
    const int lost = InkMissingFrom(Screen, Page, Region, Ink);
    const int added = InkMissingFrom(Page, Screen, Region, Ink);
    QVERIFY2(lost <= Tolerance && added <= Tolerance,
             qPrintable(QStringLiteral("%1: %2 ink pixels of the screen missing on the page, %3 "
                                       "on the page not on screen")
                            .arg(Name).arg(lost).arg(added)));
}

// Each dial's box, each label but Unlike, and the paper outside all of them.
void CompareSheet(TFormKestrum& Form, const QImage& Screen, const QImage& Page,
                  const QString& Unlike = {})
{
    QCOMPARE(Page.size(), QSize(SheetDesignSize));
    QRegion covered;
    for (QWidget* child : Form.View().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden())
            continue;
        if (child->objectName() != Unlike)
            CompareRegion(Screen, Page, child->objectName(), child->geometry());
        // Both blank would also agree: every dial and label carries ink.
        QVERIFY2(PdfProbe::Count(Page.copy(child->geometry()), PdfProbe::IsInk) > 0,
                 qPrintable(child->objectName()));
        covered += child->geometry();
    }
    for (const QRect& paper : (QRegion(QRect(QPoint(), SheetDesignSize)) - covered))
        // Between the controls even a faint grey line is a fault on paper.
        CompareRegion(Screen, Page, QStringLiteral("paper"), paper,
                      [](QRgb p) { return qGray(p) < 240; });
}

}  // namespace

class TestPrintMatchesScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
    }

    void pageIsTheScreen_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("darkTheme");
        QTest::newRow("2 kg, whole") << 1 << 0 << false;
        QTest::newRow("2 kg, enlarged") << 1 << 1 << false;
        QTest::newRow("10 kg, whole") << 3 << 0 << false;
        QTest::newRow("10 kg, enlarged") << 3 << 1 << false;
        QTest::newRow("10 kg, enlarged, dark desktop theme") << 3 << 1 << true;
    }

    void pageIsTheScreen()
    {
        QFETCH(int, capacity);
        QFETCH(int, view);
        QFETCH(bool, darkTheme);
        Sheet sheet;
        sheet.Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet.Form.get()));
        sheet.Choose("RadioGroupKind", capacity);
        sheet.Choose("RadioGroupShow", view);
        // Weights round the whole dial (19 candidates at 2 kg and 100 g, 99 at 10 kg),
        // so that the enlarged view shows many parts of it.
        if (capacity == 1)
            sheet.Random->Queue({0, 3, 6, 9, 12, 13});
        else
            sheet.Random->Queue({5, 20, 35, 50, 65, 80});
        sheet.Click("ButtonNew");
        QTemporaryDir dir;

        // The sheet as the desktop's default light colours show it.
        const QImage light = ScreenImage(*sheet.Form);
        const QPalette desktop = QApplication::palette();
        if (darkTheme) {
            QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x20, 0x20, 0x20));
            dark.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
            dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
            QApplication::setPalette(dark);
            // The widgets hear of the new palette through posted events; until they are
            // delivered the screen would still be painted in the light one.
            QCoreApplication::sendPostedEvents();
        }
        const QImage screen = ScreenImage(*sheet.Form);
        const QImage page = PdfProbe::Rasterize(PrintAtSheetScale(*sheet.Form, dir, "a.pdf"), 96);
        QApplication::setPalette(desktop);
        QCoreApplication::sendPostedEvents();
        // KESTRUM_KEEP_PRINTS=DIR keeps both images for looking at.
        if (const QString keep = qEnvironmentVariable("KESTRUM_KEEP_PRINTS"); !keep.isEmpty()) {
            const QString stem = keep + u'/' + QString::fromLatin1(QTest::currentDataTag());
            screen.save(stem + QStringLiteral(" screen.png"));
            page.save(stem + QStringLiteral(" page.png"));
        }
        CompareSheet(*sheet.Form, screen, page);
        CompareSheet(*sheet.Form, light, screen);

        // A larger window prints the same sheet, neither shrunk nor with more paper.
        sheet.Form->resize(1400, 1000);
        QCOMPARE(PdfProbe::Rasterize(PrintAtSheetScale(*sheet.Form, dir, "b.pdf"), 96), page);
    }

    // The sheet code: on screen as large as the summary lines, since a small 8 is read
    // as a 5; on the page as small as it has always printed, at the foot's right end.
    void theCodeIsLargerOnScreenThanOnThePage()
    {
        Sheet sheet;
        sheet.Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet.Form.get()));
        QCOMPARE(sheet.Form->RecallSheet(QStringLiteral("5PHTQ-J3YJ2-222B")), QString());
        auto* code = sheet.Find<QLabel>("LabelSheetCode");
        QVERIFY(!code->isHidden());
        QVERIFY(QFontInfo(code->font()).pixelSize() >=
                QFontInfo(sheet.Find<QLabel>("LabelHyoudai2")->font()).pixelSize());

        QTemporaryDir dir;
        const QImage screen = ScreenImage(*sheet.Form);
        const QImage page = PdfProbe::Rasterize(PrintAtSheetScale(*sheet.Form, dir, "code.pdf"), 96);
        CompareSheet(*sheet.Form, screen, page, code->objectName());
        const auto inkOf = [&](const QImage& Image) {
            return PdfProbe::Bounds(Image.copy(code->geometry()), PdfProbe::IsInk).translated(code->pos());
        };
        // Sixteen characters 10 pixels high and 5 wide that end at x 1020, from y 723.
        const QRect printed = inkOf(page);
        QVERIFY2(QRect(939, 722, 82, 12).contains(printed) && printed.width() > 70,
                 qPrintable(QStringLiteral("the code prints at %1,%2 %3×%4")
                                .arg(printed.x()).arg(printed.y()).arg(printed.width()).arg(printed.height())));
        const QRect shown = inkOf(screen);
        QVERIFY(shown.width() > printed.width() && shown.height() > printed.height());
    }
};

QTEST_MAIN(TestPrintMatchesScreen)
#include "test_print_matches_screen.moc"
