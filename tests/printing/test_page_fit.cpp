// The sheet's printed size: whole height or whole width, proportions kept, rounded
// to the nearest device pixel, never past the printable area.

#include "printing/PageFit.h"

#include <QtTest>

#include <limits>

class TestPageFit : public QObject {
    Q_OBJECT

private slots:
    void fits_data()
    {
        QTest::addColumn<QSize>("sheet");
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QSize>("printed");

        // A4 landscape at 1200 dpi less 10 pt of border all round: 13699 × 9583.
        const QSize a4(13699, 9583);
        // The worksheet window, 1028 × 740, is taller in proportion than the page:
        // 1028 × 9583 / 740 = 13312.6, so it fills the height and leaves the right.
        QTest::newRow("taller fills the height") << QSize(1028, 740) << a4 << QSize(13313, 9583);
        // Stretched to 2000 wide it is wider in proportion: 740 × 13699 / 2000 = 5068.6.
        QTest::newRow("wider fills the width") << QSize(2000, 740) << a4 << QSize(13699, 5069);
        QTest::newRow("same proportions fill both") << QSize(13699, 9583) << a4 << a4;
        QTest::newRow("small page") << QSize(1028, 740) << QSize(1028, 740) << QSize(1028, 740);
        // 3 × 5 / 2 = 7.5: halves round up.
        QTest::newRow("half rounds up") << QSize(3, 2) << QSize(10, 5) << QSize(8, 5);
        // 48 × 20 / 100 = 9.6 rounds to the full width 10, and then 100 × 10 / 48 =
        // 20.8 would round to 21, one row below a 20-row page.
        QTest::newRow("rounding never overflows the page")
            << QSize(48, 100) << QSize(10, 20) << QSize(10, 20);
        // A sliver still prints as a line of one pixel.
        QTest::newRow("sliver of a wide sheet") << QSize(100000, 1) << a4 << QSize(13699, 1);
        QTest::newRow("sliver of a tall sheet") << QSize(1, 100000) << a4 << QSize(1, 9583);
        // Products of two int-sized sides need 62 bits.
        constexpr int big = std::numeric_limits<int>::max();
        QTest::newRow("no overflow in the products") << QSize(big, big) << QSize(big, big)
                                                     << QSize(big, big);
        QTest::newRow("huge sheet on a small page")
            << QSize(big, big / 2) << QSize(14000, 9900) << QSize(14000, 7000);
    }

    void fits()
    {
        QFETCH(QSize, sheet);
        QFETCH(QSize, page);
        QFETCH(QSize, printed);
        QCOMPARE(FitSheetToPage(sheet, page), printed);
    }

    void nothingToFit_data()
    {
        QTest::addColumn<QSize>("sheet");
        QTest::addColumn<QSize>("page");
        QTest::newRow("no sheet width") << QSize(0, 740) << QSize(13699, 9583);
        QTest::newRow("no sheet height") << QSize(1028, 0) << QSize(13699, 9583);
        QTest::newRow("no printable area") << QSize(1028, 740) << QSize(0, 0);
        QTest::newRow("negative page") << QSize(1028, 740) << QSize(-1, 9583);
    }

    void nothingToFit()
    {
        QFETCH(QSize, sheet);
        QFETCH(QSize, page);
        QVERIFY(FitSheetToPage(sheet, page).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestPageFit)
#include "test_page_fit.moc"
