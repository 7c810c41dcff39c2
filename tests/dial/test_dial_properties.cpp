// Creation and the write rules of the dial's properties: clamps, derived values, the
// hand location, and which writes ask for a repaint and raise OnChange.

#include "DialFixtures.h"

#include <QtTest>

class TestDialProperties : public QObject {
    Q_OBJECT
private slots:
    void createdWithFixedDefaults()
    {
        TCountingScale dial;
        QCOMPARE(dial.Diameter(), 200);
        QCOMPARE(dial.width(), 200);
        QCOMPARE(dial.height(), 200);
        QCOMPARE(dial.WidthHand(), 7);
        QCOMPARE(dial.WidthBorderLine(), 1);
        QCOMPARE(dial.BoardFontSizeSmall(), 11);
        QCOMPARE(dial.BoardFontSizeBig(), 21);
        QCOMPARE(dial.ValueMax(), 2000u);
        QCOMPARE(dial.Value(), 0u);
        QCOMPARE(dial.ValueMin(), 0);
        QCOMPARE(dial.TypeHandLocation(), hl0Top);
        QCOMPARE(dial.TypeValueMax(), vm002kg);
        QCOMPARE(dial.TypeBoardScale(), bsDensely);
        QCOMPARE(dial.TypeShowScalePer200(), ssHide);
        QCOMPARE(dial.TypeHandBrush(), hbClear);
        QCOMPARE(dial.BoardColor(), clBtnFace);
        QCOMPARE(dial.HandVisible(), true);
        QCOMPARE(dial.HandColor(), clBlack);
        QCOMPARE(dial.StretchRatePercent(), 100);
        QCOMPARE(dial.StretchRate(), 1.0);
        QCOMPARE(dial.Repaints, 0);
        QCOMPARE(dial.Changes, 0);
    }

    void valueSetsTheEighthNearestTheNeedle_data()
    {
        QTest::addColumn<TTypeValueMax>("capacity");
        QTest::addColumn<std::uint32_t>("value");
        QTest::addColumn<TTypeHandLocation>("location");
        QTest::newRow("500 of 1000") << vm001kg << 500u << hl4Bottom;
        QTest::newRow("62 just short of 1/16") << vm001kg << 62u << hl0Top;
        QTest::newRow("63 past 1/16") << vm001kg << 63u << hl1RightTop;
        QTest::newRow("937 just short of 15/16") << vm001kg << 937u << hl7LeftTop;
        QTest::newRow("938 past 15/16 is the top") << vm001kg << 938u << hl0Top;
        QTest::newRow("the full turn is the top") << vm001kg << 1000u << hl0Top;
        QTest::newRow("125 of 2000 is exactly a half") << vm002kg << 125u << hl1RightTop;
        QTest::newRow("1875 of 2000 is exactly 7.5") << vm002kg << 1875u << hl0Top;
        QTest::newRow("a quarter is right") << vm010kg << 2500u << hl2Right;
        QTest::newRow("three quarters is left") << vm100kg << 75000u << hl6Left;
    }
    void valueSetsTheEighthNearestTheNeedle()
    {
        QFETCH(TTypeValueMax, capacity);
        QFETCH(std::uint32_t, value);
        QFETCH(TTypeHandLocation, location);
        TCountingScale dial;
        dial.SetTypeValueMax(capacity);
        dial.SetValueMax(StandardValueMax(capacity));
        dial.SetTypeHandLocation(hl5LeftBottom);  // so that every expected value is a change
        dial.ResetCounts();
        dial.SetValue(value);
        QCOMPARE(dial.Value(), value);
        QCOMPARE(dial.TypeHandLocation(), location);
        QCOMPARE(dial.Repaints, 1);
        QCOMPARE(dial.Changes, 1);
    }

    void valueEqualityIsTestedBeforeTheClamp()
    {
        TCountingScale dial;
        dial.SetTypeValueMax(vm001kg);
        dial.SetValueMax(1000);
        dial.SetValue(700);
        dial.ResetCounts();

        dial.SetValue(700);
        QCOMPARE(dial.Repaints, 0);
        QCOMPARE(dial.Changes, 0);

        dial.SetValue(1500);  // clamped to the capacity
        QCOMPARE(dial.Value(), 1000u);
        QCOMPARE(dial.TypeHandLocation(), hl0Top);
        QCOMPARE(dial.Repaints, 1);
        QCOMPARE(dial.Changes, 1);

        // Stored 1000 already, but 1500 is not what is stored: the write goes through.
        dial.SetValue(1500);
        QCOMPARE(dial.Value(), 1000u);
        QCOMPARE(dial.Repaints, 2);
        QCOMPARE(dial.Changes, 2);
    }

    void valueMaxClampsTheValueWithoutNotifying()
    {
        TCountingScale dial;  // 2 kg
        dial.SetValue(1500);
        QCOMPARE(dial.TypeHandLocation(), hl6Left);
        dial.ResetCounts();

        dial.SetValueMax(1000);
        QCOMPARE(dial.ValueMax(), 1000u);
        QCOMPARE(dial.Value(), 1000u);
        QCOMPARE(dial.TypeHandLocation(), hl0Top);  // the needle now stands at the full turn
        QCOMPARE(dial.Repaints, 1);
        QCOMPARE(dial.Changes, 0);

        // Unclamped, the same weight stands at another angle of a larger capacity.
        dial.SetValue(500);
        QCOMPARE(dial.TypeHandLocation(), hl4Bottom);
        dial.SetValueMax(10000);
        QCOMPARE(dial.Value(), 500u);
        QCOMPARE(dial.TypeHandLocation(), hl0Top);
        dial.SetValueMax(4000);
        QCOMPARE(dial.TypeHandLocation(), hl1RightTop);
        dial.ResetCounts();

        dial.SetValueMax(4000);  // no equality test
        QCOMPARE(dial.Repaints, 1);
        QCOMPARE(dial.Changes, 0);
        QCOMPARE(dial.ValueMin(), 0);
    }

    void typeValueMaxStoresTheStandardCapacityOnly()
    {
        TCountingScale dial;
        dial.SetValue(1500);
        dial.ResetCounts();

        dial.SetTypeValueMax(vm001kg);
        QCOMPARE(dial.ValueMax(), 1000u);
        QCOMPARE(dial.Value(), 1500u);  // left above the capacity until ValueMax is written
        QCOMPARE(dial.TypeHandLocation(), hl6Left);
        QCOMPARE(dial.Repaints, 1);
        QCOMPARE(dial.Changes, 1);

        dial.SetValueMax(5000);
        dial.ResetCounts();
        dial.SetTypeValueMax(vm001kg);  // same type: nothing, though ValueMax differs
        QCOMPARE(dial.ValueMax(), 5000u);
        QCOMPARE(dial.Repaints, 0);
        QCOMPARE(dial.Changes, 0);

        const std::uint32_t standard[] = {1000, 2000, 5000, 10000, 20000, 50000, 100000};
        for (int t = TypeValueMaxCount - 1; t >= 0; --t) {
            dial.SetTypeValueMax(static_cast<TTypeValueMax>(t));
            QCOMPARE(dial.ValueMax(), standard[t]);
        }
    }

    void stretchRateIsClampedAndCarriesTheFontSizes()
    {
        TCountingScale dial;
        dial.SetDiameter(285);
        dial.ResetCounts();

        dial.SetStretchRatePercent(150);
        QCOMPARE(dial.StretchRate(), 1.5);
        QCOMPARE(dial.BoardFontSizeSmall(), 16);
        QCOMPARE(dial.BoardFontSizeBig(), 32);
        QCOMPARE(dial.Repaints, 1);
        QCOMPARE(dial.Changes, 1);

        dial.SetStretchRatePercent(255);
        QCOMPARE(dial.StretchRatePercent(), 200);
        QCOMPARE(dial.StretchRate(), 2.0);
        QCOMPARE(dial.BoardFontSizeSmall(), 21);
        QCOMPARE(dial.BoardFontSizeBig(), 43);

        dial.SetStretchRatePercent(50);
        QCOMPARE(dial.StretchRatePercent(), 100);
        QCOMPARE(dial.StretchRate(), 1.0);
        QCOMPARE(dial.BoardFontSizeSmall(), 11);
        QCOMPARE(dial.BoardFontSizeBig(), 21);

        dial.ResetCounts();
        dial.SetStretchRatePercent(0);  // clamps to the stored 100: nothing happens
        QCOMPARE(dial.Repaints, 0);
        QCOMPARE(dial.Changes, 0);
    }

    void diameterWriteLeavesTheStretchOutOfTheFontSizes()
    {
        TCountingScale dial;
        dial.SetStretchRatePercent(150);
        dial.ResetCounts();
        dial.SetDiameter(285);
        QCOMPARE(dial.Diameter(), 285);
        QCOMPARE(dial.width(), 285);
        QCOMPARE(dial.height(), 285);
        QCOMPARE(dial.BoardFontSizeSmall(), 11);
        QCOMPARE(dial.BoardFontSizeBig(), 21);
        QCOMPARE(dial.Repaints, 1);
        QCOMPARE(dial.Changes, 1);

        dial.ResetCounts();
        dial.SetDiameter(285);
        QCOMPARE(dial.Repaints, 0);
        QCOMPARE(dial.Changes, 0);
    }

    void derivedSizesSaturateInsteadOfWrapping()
    {
        TPlatformScale dial;
        dial.SetDiameter(6000);  // 225 and 450 points
        QCOMPARE(dial.BoardFontSizeSmall(), 225);
        QCOMPARE(dial.BoardFontSizeBig(), 255);
        dial.SetStretchRatePercent(200);
        QCOMPARE(dial.BoardFontSizeSmall(), 255);
        QCOMPARE(dial.BoardFontSizeBig(), 255);
    }

    void widthScalesAreAtLeastOne()
    {
        TCountingScale dial;
        dial.SetWidthScale2(0);
        QCOMPARE(dial.WidthScale2(), 1);
        QCOMPARE(dial.Repaints, 0);  // 1 was stored already
        dial.SetWidthScale1(3);
        dial.SetWidthScale3(0);
        QCOMPARE(dial.WidthScale1(), 3);
        QCOMPARE(dial.WidthScale3(), 1);
        QCOMPARE(dial.Repaints, 1);
        QCOMPARE(dial.Changes, 1);
    }

    void plainWritesRepaintAndNotifyOnlyOnChange()
    {
        TCountingScale dial;
        auto twice = [&dial](auto write) {
            dial.ResetCounts();
            write();
            write();
            return dial.Repaints == 1 && dial.Changes == 1;
        };
        QVERIFY(twice([&] { dial.SetBoardFontSizeSmall(9); }));
        QVERIFY(twice([&] { dial.SetBoardFontSizeBig(19); }));
        QVERIFY(twice([&] { dial.SetBoardColor(clWhite); }));
        QVERIFY(twice([&] { dial.SetWidthBorderLine(3); }));
        QVERIFY(twice([&] { dial.SetWidthHand(12); }));
        QVERIFY(twice([&] { dial.SetHandVisible(false); }));
        QVERIFY(twice([&] { dial.SetHandColor(clRed); }));
        QVERIFY(twice([&] { dial.SetTypeBoardScale(bsSparsely); }));
        QVERIFY(twice([&] { dial.SetTypeHandBrush(hbSolid); }));
        QVERIFY(twice([&] { dial.SetTypeShowScalePer200(ssShow); }));
        QVERIFY(twice([&] { dial.SetTypeShowNumerals(snEnds); }));
        QVERIFY(twice([&] { dial.SetTypeHandLocation(hl3RightBottom); }));
        QCOMPARE(dial.TypeHandLocation(), hl3RightBottom);
        QCOMPARE(dial.Value(), 0u);  // the location alone does not move the needle
    }

    void enumerationsTakeOnlyTheirOwnValues()
    {
        TCountingScale dial;
        dial.SetTypeValueMax(static_cast<TTypeValueMax>(7));
        dial.SetTypeHandLocation(static_cast<TTypeHandLocation>(8));
        dial.SetTypeBoardScale(static_cast<TTypeBoardScale>(2));
        dial.SetTypeShowScalePer200(static_cast<TTypeShowScalePer200>(200));
        dial.SetTypeHandBrush(static_cast<TTypeHandBrush>(2));
        QCOMPARE(dial.TypeValueMax(), vm002kg);
        QCOMPARE(dial.ValueMax(), 2000u);
        QCOMPARE(dial.TypeHandLocation(), hl0Top);
        QCOMPARE(dial.TypeBoardScale(), bsDensely);
        QCOMPARE(dial.TypeShowScalePer200(), ssHide);
        QCOMPARE(dial.TypeHandBrush(), hbClear);
        QCOMPARE(dial.Repaints, 0);
        QCOMPARE(dial.Changes, 0);
    }

    void zeroCapacityKeepsTheLowerBoundAtZero()
    {
        TPlatformScale dial;
        dial.SetValue(700);
        dial.SetValueMax(0);
        QCOMPARE(dial.ValueMin(), 0);  // not 0 - 1 wrapped to 255
        QCOMPARE(dial.Value(), 0u);
        dial.SetValue(300);
        QCOMPARE(dial.Value(), 0u);
        QCOMPARE(dial.TypeHandLocation(), hl0Top);
        dial.SetValueMax(1000);
        dial.SetValue(300);
        QCOMPARE(dial.Value(), 300u);
    }

    void onChangeIsSynchronousWithTheControlAsSender()
    {
        TPlatformScale dial;
        QObject* sender = nullptr;
        std::uint32_t seen = 0;
        dial.SetOnChange([&](QObject* s) {
            sender = s;
            seen = dial.Value();
        });
        dial.SetValue(400);
        QCOMPARE(sender, &dial);
        QCOMPARE(seen, 400u);
    }
};

QTEST_MAIN(TestDialProperties)
#include "test_dial_properties.moc"
