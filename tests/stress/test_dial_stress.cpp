// Random sequences of property writes, resizes and paints on a shown dial. After
// every step the control keeps its rules, whatever values a caller throws at it.
// KESTRUM_STRESS_STEPS sets the length (a short run by default; make torture runs
// the long one).

#include "PlatformScale.h"
#include "QtCanvas.h"
#include "StressSeed.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <limits>
#include <random>

namespace {

// A surface that only checks what it is asked to draw.
class TBoundsCanvas : public TCanvas {
public:
    int Operations = 0;
    bool Saturated = false;

    void Ellipse(int X1, int Y1, int X2, int Y2) override { Check({X1, Y1, X2, Y2}); }
    void MoveTo(int X, int Y) override { Check({X, Y}); }
    void LineTo(int X, int Y) override { Check({X, Y}); }
    void Polygon(const TPoint* Points, int Count) override
    {
        for (int i = 0; i < Count; ++i)
            Check({Points[i].X, Points[i].Y});
    }
    void DrawText(const std::string&, const TRect& Box, unsigned) override
    {
        Check({Box.Left, Box.Top, Box.Right, Box.Bottom});
    }

private:
    // A coordinate pinned at the ends of the 32-bit range means the arithmetic
    // overflowed somewhere and was only saved by saturation.
    void Check(std::initializer_list<int> values)
    {
        ++Operations;
        for (int v : values)
            if (v == std::numeric_limits<int>::min() || v == std::numeric_limits<int>::max())
                Saturated = true;
    }
};

enum TProperty {
    pValue, pValueMax, pDiameter, pStretch, pTypeValueMax, pBoardScale, pShow200, pHandBrush,
    pHandLocation, pBorder, pHand, pScale1, pScale2, pScale3, pFontSmall, pFontBig, pColor,
    pResize, PropertyCount
};

class TStressDial {
public:
    explicit TStressDial(std::uint32_t seed) : FRandom(seed) {}

    // One random step; returns a description for the failure message.
    QString Step(TPlatformScale& dial)
    {
        const auto property = static_cast<TProperty>(Pick(PropertyCount));
        const std::uint32_t v = Value(dial);
        switch (property) {
        case pValue: dial.SetValue(v); break;
        case pValueMax: dial.SetValueMax(v); break;
        case pDiameter: dial.SetDiameter(static_cast<std::uint16_t>(v)); break;
        case pStretch: dial.SetStretchRatePercent(static_cast<std::uint8_t>(v)); break;
        case pTypeValueMax: dial.SetTypeValueMax(static_cast<TTypeValueMax>(v % 9)); break;
        case pBoardScale: dial.SetTypeBoardScale(static_cast<TTypeBoardScale>(v % 3)); break;
        case pShow200: dial.SetTypeShowScalePer200(static_cast<TTypeShowScalePer200>(v % 3)); break;
        case pHandBrush: dial.SetTypeHandBrush(static_cast<TTypeHandBrush>(v % 3)); break;
        case pHandLocation: dial.SetTypeHandLocation(static_cast<TTypeHandLocation>(v % 10)); break;
        case pBorder: dial.SetWidthBorderLine(static_cast<std::uint8_t>(v)); break;
        case pHand: dial.SetWidthHand(static_cast<std::uint8_t>(v)); break;
        case pScale1: dial.SetWidthScale1(static_cast<std::uint8_t>(v)); break;
        case pScale2: dial.SetWidthScale2(static_cast<std::uint8_t>(v)); break;
        case pScale3: dial.SetWidthScale3(static_cast<std::uint8_t>(v)); break;
        case pFontSmall: dial.SetBoardFontSizeSmall(static_cast<std::uint8_t>(v)); break;
        case pFontBig: dial.SetBoardFontSizeBig(static_cast<std::uint8_t>(v)); break;
        case pColor: dial.SetBoardColor(v); break;
        case pResize: {
            const int w = static_cast<int>(Pick(700)), h = static_cast<int>(Pick(700));
            dial.resize(w, h);
            return QStringLiteral("resize %1x%2").arg(w).arg(h);
        }
        case PropertyCount: break;
        }
        LastProperty = property;
        return QStringLiteral("property %1 := %2").arg(property).arg(v);
    }

    TProperty LastProperty = PropertyCount;

private:
    std::uint32_t Pick(std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(FRandom); }

    // Ordinary values, the edges of every integer type, and values around the capacity.
    std::uint32_t Value(const TPlatformScale& dial)
    {
        static constexpr std::uint32_t edges[] = {0, 1, 2, 99, 100, 150, 200, 201, 255, 256, 285,
                                                  65535, 65536, 4294967295u};
        switch (Pick(3)) {
        case 0: return edges[Pick(std::size(edges))];
        case 1: return dial.ValueMax() + Pick(5) - 2;
        default: return Pick(120000);
        }
    }

    std::mt19937 FRandom;
};

}  // namespace

class TestDialStress : public QObject {
    Q_OBJECT
private slots:
    void randomWritesKeepTheRules()
    {
        const std::uint32_t seed = StressSeed();
        const int steps = StressSteps(300);
        // A child, as on the worksheet: the window's backing store stays small
        // however large the dial grows.
        QWidget window;
        window.resize(400, 400);
        TPlatformScale& dial = *new TPlatformScale(&window);
        window.show();
        QImage image(320, 320, QImage::Format_ARGB32_Premultiplied);
        TStressDial stress(seed);
        for (int step = 0; step < steps; ++step) {
            const QString what = stress.Step(dial);
            const QString where = QStringLiteral("seed %1, step %2: %3").arg(seed).arg(step).arg(what);

            QVERIFY2(dial.StretchRatePercent() >= 100 && dial.StretchRatePercent() <= 200, qPrintable(where));
            QVERIFY2(dial.StretchRate() == static_cast<double>(dial.StretchRatePercent() / 100.0L), qPrintable(where));
            QVERIFY2(dial.WidthScale1() >= 1 && dial.WidthScale2() >= 1 && dial.WidthScale3() >= 1, qPrintable(where));
            if (stress.LastProperty == pValue || stress.LastProperty == pValueMax)
                QVERIFY2(dial.ValueMin() <= dial.Value() && dial.Value() <= dial.ValueMax(), qPrintable(where));
            QVERIFY2(dial.width() == dial.Diameter() && dial.height() == dial.Diameter(), qPrintable(where));

            TBoundsCanvas bounds;
            dial.PaintOn(bounds);
            QVERIFY2(bounds.Operations > 0, qPrintable(where));
            QVERIFY2(!bounds.Saturated, qPrintable(where));

            image.fill(Qt::white);
            QPainter painter(&image);
            TQtCanvas canvas(painter);
            dial.PaintOn(canvas);
        }
    }
};

QTEST_MAIN(TestDialStress)
#include "test_dial_stress.moc"
