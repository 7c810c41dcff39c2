#include "practice/ReadingAid.h"

#include "dial/MarkPosition.h"
#include "dial/PlatformScale.h"
#include "dial/QtCanvas.h"
#include "dial/TextFit.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QPointF PointOf(const TPoint& P) { return QPointF(P.X, P.Y); }

double Length(QPointF V) { return std::hypot(V.x(), V.y()); }

// An angle as QPainter::drawArc takes it: degrees counter-clockwise from 3 o'clock.
double QtAngle(QPointF FromCentre) { return std::atan2(-FromCentre.y(), FromCentre.x()) * 180 / std::numbers::pi; }

// Where the numeral's ink lies, in the dial's pixels: the numeral as the screen sets it,
// clipped to its box as the dial draws it.
QRectF InkOf(const TScaleLayout::TNumeral& Numeral)
{
    const TQtCanvas::TTextLayout text =
        TQtCanvas::LayoutText(Numeral.Text, Numeral.Box, Numeral.Format, Numeral.FontSize, 96);
    // Measuring ink draws the text; the same numerals come back on every dial of a
    // sheet and every marking, so each is measured once.
    static QHash<QString, QRect> measured;
    const QString text16 = QString::fromStdString(Numeral.Text);
    const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(text16, text.Font.key())
                            .arg(text.Rect.width())
                            .arg(text.Rect.height())
                            .arg(text.Flags);
    auto found = measured.constFind(key);
    if (found == measured.constEnd())
        found = measured.insert(key, InkBounds(text16, text.Font, text.Rect.width(), text.Rect.height(), text.Flags));
    const QRect ink = *found;
    const QRect box(QPoint(Numeral.Box.Left, Numeral.Box.Top), QPoint(Numeral.Box.Right - 1, Numeral.Box.Bottom - 1));
    return QRectF(ink.translated(text.Rect.topLeft()).intersected(box));
}

bool Covers(const QRectF& Label, const std::vector<QRectF>& Others)
{
    return std::any_of(Others.begin(), Others.end(), [&](const QRectF& r) { return r.intersects(Label); });
}

}  // namespace

TReadingAid::TReadingAid(QWidget* Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TReadingAid::Show(const TPlatformScale& Dial, std::uint32_t From, std::uint32_t Marks, std::uint32_t Mark)
{
    FDial = Dial.Properties();
    // Blue stands apart from the red of the right needle; a light blue on a dark board.
    const QColor board = TQtCanvas::ToQColor(FDial.BoardColor, Dial.palette());
    FColour = board.lightness() < 128 ? QColor(0x80, 0xC0, 0xFF) : QColor(0x00, 0x50, 0xD0);
    FBoard = board;
    LayOut(FPainter.Layout(FDial), From, Marks, Mark);

    const QWidget* parent = parentWidget();
    const QPoint place = parent && Dial.parentWidget() != parent ? parent->mapFromGlobal(Dial.mapToGlobal(QPoint()))
                                                                 : Dial.pos();
    setGeometry(QRect(place, Dial.size()));
    raise();
    show();
    update();
}

void TReadingAid::Clear()
{
    FCounts.clear();
    FRing = {};
    hide();
}

void TReadingAid::LayOut(const TScaleLayout& Layout, std::uint32_t From, std::uint32_t Marks, std::uint32_t Mark)
{
    FCounts.clear();
    FRing = {};
    const TRect& board = Layout.Board;
    FCentre = QPointF((board.Left + board.Right) / 2.0, (board.Top + board.Bottom) / 2.0);

    std::vector<QRectF> numerals;
    for (const TScaleLayout::TNumeral& numeral : Layout.Numerals)
        numerals.push_back(InkOf(numeral).adjusted(-2, -2, 2, 2));
    if (const TScaleLayout::TNumeral* numeral = NumeralOf(Layout, From)) {
        FRing = InkOf(*numeral).adjusted(-3, -2, 3, 2);
        numerals.push_back(FRing);
    }

    const std::optional<TScaleLayout::TMark> first = MarkOf(Layout, FDial, From);
    if (Layout.Levels.empty() || Layout.Levels.front().Marks.empty() || !first || FDial.ValueMax == 0)
        return;
    // The dots stand just inside the finest marks, on the rays of the marks they count.
    const double inner = Length(PointOf(Layout.Levels.front().Marks.front().From) - FCentre);
    const double spacing = inner * 2 * std::numbers::pi * Mark / FDial.ValueMax;
    FDotRadius = std::clamp(0.3 * spacing, 1.2, 3.0);
    FDotRing = inner - FDotRadius - 1.5;
    FArcFrom = QtAngle(PointOf(first->From) - FCentre);
    FLabelPixels = std::max(9, TQtCanvas::PixelHeight(FDial.BoardFontSizeSmall, 96) * 4 / 5);
    FLabelRing = FDotRing - FDotRadius - 3 - FLabelPixels * 0.5 - 2;
    for (std::uint32_t i = 1; i <= Marks; ++i) {
        const std::optional<TScaleLayout::TMark> mark = MarkOf(Layout, FDial, From + i * Mark);
        if (!mark)
            break;
        const QPointF ray = PointOf(mark->From) - FCentre;
        FCounts.push_back({FCentre + ray / Length(ray) * FDotRing, 0, {}});
    }
    PlaceNumbers(numerals);
}

QRectF TReadingAid::LabelAt(const TCount& Count, double Radius, int Number) const
{
    const QPointF ray = Count.Dot - FCentre;
    const QPointF middle = FCentre + ray / Length(ray) * Radius;
    // A badge round the number: a plain digit beside a numeral would read as one more
    // digit of it ("1.3" and 7 as "1.37").
    const QSizeF text = QFontMetricsF(NumeralFont(FLabelPixels)).tightBoundingRect(QString::number(Number)).size();
    const double side = std::max(text.height(), text.width()) + 4;
    return QRectF(middle - QPointF(side / 2, side / 2), QSizeF(side, side));
}

void TReadingAid::PlaceNumbers(const std::vector<QRectF>& Numerals)
{
    const int count = static_cast<int>(FCounts.size());
    if (count == 0)
        return;
    // Which counts are numbered: every one, or every fifth, tenth, ... and the last,
    // the first step whose numbers stand clear of each other; a multiple too close to
    // the last gives way to it. Where none is clear, the last alone.
    const auto clear = [this](int A, int B) {
        return !LabelAt(FCounts[A - 1], FLabelRing, A).intersects(LabelAt(FCounts[B - 1], FLabelRing, B));
    };
    std::vector<int> numbered = {count};
    for (const int step : {1, 5, 10, 20, 25, 50, 100}) {
        std::vector<int> tried;
        for (int n = step; n < count; n += step)
            if (clear(n, count))
                tried.push_back(n);
        tried.push_back(count);
        bool apart = true;
        for (std::size_t i = 1; i < tried.size() && apart; ++i)
            apart = clear(tried[i - 1], tried[i]);
        if (apart) {
            numbered = tried;
            break;
        }
    }
    // A number over a numeral is left out, but for the last, the count itself: that one
    // moves inward until it is clear of every numeral.
    for (int n : numbered) {
        TCount& c = FCounts[n - 1];
        double radius = FLabelRing;
        QRectF label = LabelAt(c, radius, n);
        if (n != count && Covers(label, Numerals))
            continue;
        while (Covers(label, Numerals) && radius > FLabelRing - 4 * FLabelPixels) {
            radius -= 1;
            label = LabelAt(c, radius, n);
        }
        if (Covers(label, Numerals))
            label = LabelAt(c, FLabelRing, n);
        c.Number = n;
        c.Label = label;
    }
}

void TReadingAid::paintEvent(QPaintEvent*)
{
    if (FCounts.empty() && FRing.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Laid over a dial shown at another size, the aid scales with it.
    if (FDial.Diameter > 0 && width() != FDial.Diameter)
        painter.scale(static_cast<double>(width()) / FDial.Diameter, static_cast<double>(height()) / FDial.Diameter);
    painter.setBrush(Qt::NoBrush);

    if (!FRing.isNull()) {
        painter.setPen(QPen(FColour, 2));
        painter.drawRoundedRect(FRing, FRing.height() / 2, FRing.height() / 2);
    }
    if (FCounts.empty())
        return;

    // A thin arc from the numeral's mark through the dots: the way to count along.
    painter.setPen(QPen(FColour, 1));
    const double last = QtAngle(FCounts.back().Dot - FCentre);
    double span = last - FArcFrom;  // clockwise is negative
    while (span > 0)
        span -= 360;
    const QRectF arc(FCentre - QPointF(FDotRing, FDotRing), QSizeF(2 * FDotRing, 2 * FDotRing));
    painter.drawArc(arc, static_cast<int>(std::lround(FArcFrom * 16)), static_cast<int>(std::lround(span * 16)));

    painter.setPen(Qt::NoPen);
    painter.setBrush(FColour);
    for (const TCount& c : FCounts)
        painter.drawEllipse(c.Dot, FDotRadius, FDotRadius);

    // The numbers in badges of the aid's colour, with a line back to the dot where the
    // badge had to move inward.
    const QFont font = NumeralFont(FLabelPixels);
    for (const TCount& c : FCounts) {
        if (c.Number == 0)
            continue;
        const QPointF middle = c.Label.center();
        const double gap = Length(middle - c.Dot);
        if (gap > FDotRadius + c.Label.width()) {
            painter.setPen(QPen(FColour, 1));
            painter.drawLine(c.Dot, c.Dot + (middle - c.Dot) * (1 - c.Label.width() / 2 / gap));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(FColour);
        painter.drawEllipse(c.Label);
        QPainterPath text;
        const QString number = QString::number(c.Number);
        const QRectF tight = QFontMetricsF(font).tightBoundingRect(number);
        text.addText(middle - tight.center(), font, number);
        painter.fillPath(text, FBoard);
    }
}
