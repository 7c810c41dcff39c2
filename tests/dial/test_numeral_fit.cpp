// Every numeral of every capacity, whole and enlarged, drawn as the screen draws it:
// its ink lies inside its text box, whole inside the dial and clear of the others.

#include "DialFixtures.h"
#include "dial/QtCanvas.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

constexpr int Margin = 48;  // room around a box for ink that would stray outside it

struct TNumeral {
    QString Where;  // capacity, zoom and location, for the failure message
    TRecordedOp Op;
};

std::vector<TNumeral> AllNumerals()
{
    std::vector<TNumeral> numerals;
    for (int c = 0; c < TypeValueMaxCount; ++c) {
        for (int percent : {100, 150}) {
            for (int l = 0; l < (percent == 100 ? 1 : HandLocationCount); ++l) {
                TPlatformScale dial;
                MakeWorksheetDial(dial, static_cast<TTypeValueMax>(c));
                dial.SetStretchRatePercent(static_cast<std::uint8_t>(percent));
                dial.SetTypeHandLocation(static_cast<TTypeHandLocation>(l));
                for (const TRecordedOp& op : Record(dial).Texts())
                    numerals.push_back({QString("capacity %1, %2 %, location %3").arg(c).arg(percent).arg(l), op});
            }
        }
    }
    return numerals;
}

// An image with the box at (Margin, Margin) and room all round it.
QImage Blank(const TRect& Box)
{
    QImage image(Box.Right - Box.Left + 2 * Margin, Box.Bottom - Box.Top + 2 * Margin,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The text drawn through the canvas, exactly as a dial on screen draws it.
QImage ThroughTheCanvas(const TRecordedOp& Op)
{
    QImage image = Blank(Op.Box);
    QPainter painter(&image);
    painter.translate(Margin - Op.Box.Left, Margin - Op.Box.Top);
    TQtCanvas canvas(painter);
    canvas.Font = Op.Font;
    canvas.Brush.SetStyle(bsClear);
    canvas.DrawText(Op.Text, Op.Box, Op.Format);
    return image;
}

// The same layout with nothing clipped.
QImage Unclipped(const TRecordedOp& Op, const TQtCanvas::TTextLayout& Layout)
{
    QImage image = Blank(Op.Box);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(Margin - Op.Box.Left, Margin - Op.Box.Top);
    painter.setFont(Layout.Font);
    painter.setPen(TQtCanvas::ToQColor(Op.Font.Color));
    painter.drawText(Layout.Rect, Layout.Flags | Qt::TextDontClip, QString::fromStdString(Op.Text));
    return image;
}

// Pixels touched by ink, in the image's coordinates.
QRect Ink(const QImage& Image)
{
    QRect ink;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (qAlpha(Image.pixel(x, y)) != 0)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Whether ink of A lies on or beside ink of B, each drawn in an image as Unclipped draws it.
bool Touch(const TRecordedOp& A, const QImage& InkA, const TRecordedOp& B, const QImage& InkB)
{
    const auto dark = [](const QImage& I, int X, int Y) { return I.valid(X, Y) && qAlpha(I.pixel(X, Y)) >= 128; };
    for (int y = 0; y < InkA.height(); ++y)
        for (int x = 0; x < InkA.width(); ++x)
            for (int n = 0; n < 9 && dark(InkA, x, y); ++n)
                if (dark(InkB, x + A.Box.Left - B.Box.Left + n % 3 - 1, y + A.Box.Top - B.Box.Top + n / 3 - 1))
                    return true;
    return false;
}

}  // namespace

class TestNumeralFit : public QObject {
    Q_OBJECT
private slots:
    void numeralsAreDrawnInTheChosenFace()
    {
        const TQtCanvas::TTextLayout layout = TQtCanvas::LayoutText("0", {138, 14, 149, 32}, DT_CENTER, 11, 96);
        QCOMPARE(QFontInfo(layout.Font).family(), QString("IPAPGothic"));
        QCOMPARE(layout.Font.pixelSize(), 15);  // 11 points at 96 dpi
        QCOMPARE(layout.Font.stretch(), 100);
    }

    void everyNumeralFitsItsBox()
    {
        const std::vector<TNumeral> numerals = AllNumerals();
        // All 147 in the whole view; the enlarged views leave out those the dial would cut.
        QCOMPARE(std::count_if(numerals.begin(), numerals.end(), [](const TNumeral& n) { return n.Where.contains("100 %"); }), 147);
        int narrowest = 100;
        std::vector<QImage> drawn;
        for (const TNumeral& numeral : numerals) {
            const TRecordedOp& op = numeral.Op;
            const TQtCanvas::TTextLayout layout =
                TQtCanvas::LayoutText(op.Text, op.Box, op.Format, op.Font.Size, 96);
            const QImage whole = Unclipped(op, layout);
            const QRect ink = Ink(whole).translated(-Margin, -Margin);
            const QRect box(0, 0, op.Box.Right - op.Box.Left, op.Box.Bottom - op.Box.Top);
            const QString what = QString("'%1' (%2): ink %3,%4 to %5,%6 in a %7 x %8 box")
                                     .arg(QString::fromStdString(op.Text), numeral.Where)
                                     .arg(ink.left()).arg(ink.top()).arg(ink.right()).arg(ink.bottom())
                                     .arg(box.width()).arg(box.height());
            QVERIFY2(!ink.isEmpty(), qPrintable(what));
            QVERIFY2(box.contains(ink), qPrintable(what));
            QVERIFY2(ThroughTheCanvas(op) == whole, qPrintable("clipped: " + what));
            QVERIFY2(QRect(0, 0, 285, 285).contains(box.translated(op.Box.Left, op.Box.Top)), qPrintable("cut: " + what));
            // A dial's numerals come one after another: none may touch another's ink.
            for (std::size_t b = drawn.size(); b-- > 0 && numerals[b].Where == numeral.Where;)
                QVERIFY2(!Touch(numerals[b].Op, drawn[b], op, whole), qPrintable(QString::fromStdString(numerals[b].Op.Text) + " touches " + what));
            drawn.push_back(whole);
            narrowest = std::min(narrowest, layout.Font.stretch());
        }
        // The boxes were laid out for a proportional Gothic much like ours: where a text
        // needs narrowing at all, a few percent do, never enough to change its look.
        QVERIFY2(narrowest >= 80, qPrintable(QString::number(narrowest)));
    }

    void theEnlargedViewNeedsNoNarrowing()
    {
        int enlarged = 0;
        for (const TNumeral& numeral : AllNumerals()) {
            if (!numeral.Where.contains("150 %"))
                continue;
            ++enlarged;
            const TRecordedOp& op = numeral.Op;
            QCOMPARE(TQtCanvas::LayoutText(op.Text, op.Box, op.Format, op.Font.Size, 96).Font.stretch(), 100);
        }
        QVERIFY(enlarged > 0);
    }
};

QTEST_MAIN(TestNumeralFit)
#include "test_numeral_fit.moc"
