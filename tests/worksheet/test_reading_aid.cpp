// The reading aid stands on the dial's own marks: each dot on the ray of the mark it
// counts, just inside the marks, whole and enlarged, and the numeral counted from ringed.

#include "dial/Numerals.h"
#include "dial/PlatformScale.h"
#include "practice/ReadingAid.h"

#include <QtTest>

#include <cmath>
#include <numbers>

class TestReadingAid : public QObject {
    Q_OBJECT

private slots:
    void dotsStandOnTheCountedMarks_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("stretch");  // percent
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("marks");
        QTest::addColumn<int>("mark");
        QTest::addColumn<QString>("numeral");  // the numeral ringed, its separator the locale's
        const QString dot = QString::fromStdString(LocaleDecimalSeparator());
        // 5 kg: marks every 20 g, numerals every 200 g; 2 kg: every 10 g and 100 g, the
        // mark at 1250 g one of the longer odd-50 g marks.
        QTest::newRow("5 kg from 3.8 kg, whole") << int(vm005kg) << 100 << 3800 << 3 << 20 << "3" + dot + "8";
        QTest::newRow("5 kg from 3.8 kg, enlarged") << int(vm005kg) << 150 << 3800 << 3 << 20 << "3" + dot + "8";
        QTest::newRow("2 kg from 1.2 kg, whole") << int(vm002kg) << 100 << 1200 << 7 << 10 << "1" + dot + "2";
        QTest::newRow("2 kg from 1.2 kg, enlarged") << int(vm002kg) << 200 << 1200 << 7 << 10 << "1" + dot + "2";
    }

    void dotsStandOnTheCountedMarks()
    {
        QFETCH(int, capacity);
        QFETCH(int, stretch);
        QFETCH(int, from);
        QFETCH(int, marks);
        QFETCH(int, mark);
        QFETCH(QString, numeral);
        QWidget window;
        auto* dial = new TPlatformScale(&window);
        dial->SetDiameter(570);
        dial->SetTypeValueMax(static_cast<TTypeValueMax>(capacity));
        dial->SetValueMax(StandardValueMax(static_cast<TTypeValueMax>(capacity)));
        dial->SetStretchRatePercent(static_cast<std::uint8_t>(stretch));
        const auto reading = static_cast<std::uint32_t>(from + marks * mark);
        dial->SetValue(reading);  // the enlarged view shows the part where the reading is
        auto* aid = new TReadingAid(&window);
        aid->Show(*dial, static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(marks),
                  static_cast<std::uint32_t>(mark));

        const TRect& board = dial->Layout().Board;
        const QPointF centre((board.Left + board.Right) / 2.0, (board.Top + board.Bottom) / 2.0);
        const double radius = (board.Right - board.Left) / 2.0;
        QCOMPARE(static_cast<int>(aid->Counts().size()), marks);
        for (int i = 0; i < marks; ++i) {
            const QPointF ray = aid->Counts()[i].Dot - centre;
            double angle = std::atan2(ray.x(), -ray.y());  // clockwise from 12 o'clock
            if (angle < 0)
                angle += 2 * std::numbers::pi;
            // Rounding to whole pixels moves a dot a pixel or so: allowed, a quarter of a
            // 10 g mark's angle; the neighbouring mark lies four times as far.
            const double expected = 2 * std::numbers::pi * (from + (i + 1) * mark) / dial->ValueMax();
            QVERIFY2(std::abs(angle - expected) < 0.008, qPrintable(QString("dot %1 at %2 rad, mark at %3 rad")
                                                                        .arg(i + 1).arg(angle).arg(expected)));
            // Inside the finest marks (96 % of the radius and out), clear of the numerals.
            const double out = std::hypot(ray.x(), ray.y()) / radius;
            QVERIFY2(out > 0.9 && out < 0.96, qPrintable(QString("dot %1 at %2 of the radius").arg(i + 1).arg(out)));
        }
        QCOMPARE(aid->Counts().back().Number, marks);  // the count itself is always written

        QRectF box;
        for (const TScaleLayout::TNumeral& n : dial->Layout().Numerals)
            if (QString::fromStdString(n.Text) == numeral)
                box = QRectF(QPointF(n.Box.Left, n.Box.Top), QPointF(n.Box.Right, n.Box.Bottom));
        QVERIFY(!box.isNull());
        QVERIFY(box.contains(aid->Ring().center()));
    }
};

QTEST_MAIN(TestReadingAid)
#include "test_reading_aid.moc"
