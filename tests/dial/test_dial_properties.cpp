#include "PlatformScale.h"

#include <QtTest>

class TestDialProperties : public QObject {
    Q_OBJECT
private slots:
    void createdWithFixedDefaults()
    {
        TPlatformScale dial;
        QCOMPARE(dial.Diameter(), 200);
        QCOMPARE(dial.width(), 200);
        QCOMPARE(dial.height(), 200);
        QCOMPARE(dial.WidthHand(), 7);
        QCOMPARE(dial.WidthBorderLine(), 1);
        QCOMPARE(dial.BoardFontSizeSmall(), 11);
        QCOMPARE(dial.BoardFontSizeBig(), 21);
        QCOMPARE(dial.ValueMax(), 2000u);
        QCOMPARE(dial.Value(), 0u);
        QCOMPARE(dial.TypeHandLocation(), hl0Top);
    }
};

QTEST_MAIN(TestDialProperties)
#include "test_dial_properties.moc"
