// Random sequences of property writes, resizes and paints on a shown dial. After
// every step the control keeps its rules, whatever values a caller throws at it.
// KESTRUM_STRESS_STEPS sets the length (a short run by default; make torture runs
// the long one); a failure is reported with its seed and a shrunk reproducer.

#include "dial/PlatformScale.h"
#include "dial/QtCanvas.h"
#include "Shrink.h"
#include "StressSeed.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <limits>
#include <memory>
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

struct TDialAction {
    TProperty Property;
    std::uint32_t Value;  // the written value, or the width of a resize
    int Height;           // of a resize

    QString Describe() const
    {
        if (Property == pResize)
            return QStringLiteral("resize to %1x%2").arg(Value).arg(Height);
        static const char* const names[PropertyCount] = {
            "Value", "ValueMax", "Diameter", "StretchRatePercent", "TypeValueMax",
            "TypeBoardScale", "TypeShowScalePer200", "TypeHandBrush", "TypeHandLocation",
            "WidthBorderLine", "WidthHand", "WidthScale1", "WidthScale2", "WidthScale3",
            "BoardFontSizeSmall", "BoardFontSizeBig", "BoardColor"};
        return QStringLiteral("%1 := %2").arg(QLatin1String(names[Property])).arg(Value);
    }

    void ApplyTo(TPlatformScale& dial) const
    {
        const auto byte = static_cast<std::uint8_t>(Value);
        switch (Property) {
        case pValue: dial.SetValue(Value); break;
        case pValueMax: dial.SetValueMax(Value); break;
        case pDiameter: dial.SetDiameter(static_cast<std::uint16_t>(Value)); break;
        case pStretch: dial.SetStretchRatePercent(byte); break;
        // Enumerations get their own values and some beyond them.
        case pTypeValueMax: dial.SetTypeValueMax(static_cast<TTypeValueMax>(Value % 9)); break;
        case pBoardScale: dial.SetTypeBoardScale(static_cast<TTypeBoardScale>(Value % 3)); break;
        case pShow200: dial.SetTypeShowScalePer200(static_cast<TTypeShowScalePer200>(Value % 3)); break;
        case pHandBrush: dial.SetTypeHandBrush(static_cast<TTypeHandBrush>(Value % 3)); break;
        case pHandLocation: dial.SetTypeHandLocation(static_cast<TTypeHandLocation>(Value % 10)); break;
        case pBorder: dial.SetWidthBorderLine(byte); break;
        case pHand: dial.SetWidthHand(byte); break;
        case pScale1: dial.SetWidthScale1(byte); break;
        case pScale2: dial.SetWidthScale2(byte); break;
        case pScale3: dial.SetWidthScale3(byte); break;
        case pFontSmall: dial.SetBoardFontSizeSmall(byte); break;
        case pFontBig: dial.SetBoardFontSizeBig(byte); break;
        case pColor: dial.SetBoardColor(Value); break;
        case pResize: dial.resize(static_cast<int>(Value), Height); break;
        case PropertyCount: break;
        }
    }
};

class TDialActions {
public:
    explicit TDialActions(std::uint32_t seed) : FRandom(seed) {}

    TDialAction Next(const TPlatformScale& dial)
    {
        const auto property = static_cast<TProperty>(Pick(PropertyCount));
        if (property == pResize)
            return {pResize, Pick(700), static_cast<int>(Pick(700))};
        return {property, Value(dial), 0};
    }

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

// A dial on a shown window, as on the worksheet: the window's backing store stays
// small however large the dial grows.
struct TDialUnderTest {
    QWidget Window;
    TPlatformScale* Dial;
    QImage Image{320, 320, QImage::Format_ARGB32_Premultiplied};

    TDialUnderTest() : Dial(new TPlatformScale(&Window))
    {
        Window.resize(400, 400);
        Window.show();
    }

    // Applies one action and paints; the broken rule, or an empty text.
    QString Step(const TDialAction& action)
    {
        action.ApplyTo(*Dial);
        const TPlatformScale& d = *Dial;
        if (d.StretchRatePercent() < 100 || d.StretchRatePercent() > 200)
            return QStringLiteral("stretch percent %1 out of range").arg(d.StretchRatePercent());
        if (d.StretchRate() != static_cast<double>(d.StretchRatePercent() / 100.0L))
            return QStringLiteral("stretch factor %1 does not match %2 %").arg(d.StretchRate()).arg(d.StretchRatePercent());
        if (d.WidthScale1() < 1 || d.WidthScale2() < 1 || d.WidthScale3() < 1)
            return QStringLiteral("a mark width is 0");
        if ((action.Property == pValue || action.Property == pValueMax) &&
            !(d.ValueMin() <= d.Value() && d.Value() <= d.ValueMax()))
            return QStringLiteral("value %1 outside %2..%3").arg(d.Value()).arg(d.ValueMin()).arg(d.ValueMax());
        if (d.width() != d.Diameter() || d.height() != d.Diameter())
            return QStringLiteral("%1x%2 control for diameter %3").arg(d.width()).arg(d.height()).arg(d.Diameter());

        TBoundsCanvas bounds;
        Dial->PaintOn(bounds);
        if (bounds.Operations == 0)
            return QStringLiteral("nothing painted");
        if (bounds.Saturated)
            return QStringLiteral("a drawn coordinate overflowed 32 bits");

        Image.fill(Qt::white);
        QPainter painter(&Image);
        TQtCanvas canvas(painter);
        Dial->PaintOn(canvas);
        return {};
    }
};

bool Fails(const std::vector<TDialAction>& actions)
{
    TDialUnderTest replay;
    for (const TDialAction& action : actions)
        if (!replay.Step(action).isEmpty())
            return true;
    return false;
}

}  // namespace

class TestDialStress : public QObject {
    Q_OBJECT
private slots:
    void randomWritesKeepTheRules()
    {
        const std::uint32_t seed = StressSeed();
        const int steps = StressSteps(300);
        TDialUnderTest subject;
        TDialActions generate(seed);
        std::vector<TDialAction> done;
        for (int step = 0; step < steps; ++step) {
            done.push_back(generate.Next(*subject.Dial));
            const QString failure = subject.Step(done.back());
            if (!failure.isEmpty())
                QFAIL(qPrintable(Reproducer(seed, failure, Shrink<TDialAction>(done, Fails))));
        }
        qInfo("seed %u: %d steps, every rule kept", seed, steps);
    }
};

QTEST_MAIN(TestDialStress)
#include "test_dial_stress.moc"
