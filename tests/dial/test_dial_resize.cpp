// The resize rule of a dial that is on screen: the control stays square, only the
// width can make it larger, and the outline, needle and font sizes follow the size.

#include "DialFixtures.h"

#include <QtTest>

class TestDialResize : public QObject {
    Q_OBJECT

    // A shown window holding one worksheet dial at 285 pixels.
    struct TShownDial {
        QWidget Window;
        TCountingScale* Dial = new TCountingScale(&Window);

        TShownDial()
        {
            Window.resize(800, 800);
            Window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&Window));
            MakeWorksheetDial(*Dial);
            Dial->ResetCounts();
        }
    };

private slots:
    void worksheetSizeGivesTheLayoutsValues()
    {
        TShownDial shown;
        TPlatformScale& dial = *shown.Dial;
        QCOMPARE(dial.Diameter(), 285);
        QCOMPARE(dial.size(), QSize(285, 285));
        QCOMPARE(dial.WidthBorderLine(), 2);
        QCOMPARE(dial.WidthHand(), 12);
        QCOMPARE(dial.BoardFontSizeSmall(), 11);
        QCOMPARE(dial.BoardFontSizeBig(), 21);
    }

    void widerControlTakesItsWidth()
    {
        TShownDial shown;
        TCountingScale& dial = *shown.Dial;
        dial.resize(300, 285);
        QCOMPARE(dial.Diameter(), 300);
        QCOMPARE(dial.size(), QSize(300, 300));
        QCOMPARE(dial.WidthBorderLine(), 2);
        QCOMPARE(dial.WidthHand(), 13);
        QCOMPARE(dial.BoardFontSizeSmall(), 11);
        QCOMPARE(dial.BoardFontSizeBig(), 23);  // 22.5 rounds up
        // The rule runs for the new size and once more, nested, for the square it makes.
        QCOMPARE(dial.Changes, 2);
        QCOMPARE(dial.Repaints, 2);
    }

    void narrowingOnlyTheWidthIsUndone()
    {
        TShownDial shown;
        TPlatformScale& dial = *shown.Dial;
        dial.resize(250, 285);
        QCOMPARE(dial.Diameter(), 285);
        QCOMPARE(dial.size(), QSize(285, 285));

        dial.resize(285, 400);  // the height alone is undone too
        QCOMPARE(dial.Diameter(), 285);
        QCOMPARE(dial.size(), QSize(285, 285));
    }

    void narrowingBothTakesTheHeight()
    {
        TShownDial shown;
        TPlatformScale& dial = *shown.Dial;
        dial.resize(250, 250);
        QCOMPARE(dial.Diameter(), 250);
        QCOMPARE(dial.size(), QSize(250, 250));
        QCOMPARE(dial.WidthBorderLine(), 2);
        QCOMPARE(dial.WidthHand(), 11);
        QCOMPARE(dial.BoardFontSizeSmall(), 9);
        QCOMPARE(dial.BoardFontSizeBig(), 19);
    }

    void resizeCarriesTheStretchIntoTheFontSizes()
    {
        TShownDial shown;
        TPlatformScale& dial = *shown.Dial;
        dial.SetStretchRatePercent(150);
        dial.resize(320, 320);  // 12 and 24 points, times 1.5
        QCOMPARE(dial.BoardFontSizeSmall(), 18);
        QCOMPARE(dial.BoardFontSizeBig(), 36);
    }

    void diameterWriteOnAShownDialEndsWithoutTheStretch()
    {
        TShownDial shown;
        TCountingScale& dial = *shown.Dial;
        dial.SetDiameter(200);
        dial.SetStretchRatePercent(150);
        dial.ResetCounts();
        dial.SetDiameter(285);
        QCOMPARE(dial.size(), QSize(285, 285));
        QCOMPARE(dial.WidthBorderLine(), 2);  // from the nested resize rule
        QCOMPARE(dial.WidthHand(), 12);
        QCOMPARE(dial.BoardFontSizeSmall(), 11);  // not 16 and 32
        QCOMPARE(dial.BoardFontSizeBig(), 21);
        // Two passes of the resize rule (the width, then the square), then the write.
        QCOMPARE(dial.Changes, 3);
    }

    void hugeDialsSaturateTheirSizes()
    {
        TShownDial shown;
        TPlatformScale& dial = *shown.Dial;
        dial.SetStretchRatePercent(200);
        dial.resize(3000, 3000);
        QCOMPARE(dial.Diameter(), 3000);
        QCOMPARE(dial.WidthBorderLine(), 19);
        QCOMPARE(dial.WidthHand(), 131);
        QCOMPARE(dial.BoardFontSizeSmall(), 225);
        QCOMPARE(dial.BoardFontSizeBig(), 255);  // 450 does not fit a byte
    }
};

QTEST_MAIN(TestDialResize)
#include "test_dial_resize.moc"
