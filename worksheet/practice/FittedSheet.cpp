#include "practice/FittedSheet.h"

#include "dial/PlatformScale.h"
#include "view/SheetView.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

TFittedSheet::TFittedSheet(const TSheetView& View, int Band, QWidget* Parent)
    : QWidget(Parent), FView(View), FBand(Band)
{
    setObjectName(QStringLiteral("FittedSheet"));
}

int TFittedSheet::TopCut() const
{
    // Midway between the top row's blanks and the bottom row's dials.
    return (FView.BlankBox(0).bottom() + 1 + FView.Dial(1).y()) / 2;
}

int TFittedSheet::BottomCut() const { return FView.BlankBox(1).bottom() + 1; }

int TFittedSheet::BandsAbove(int PageY) const
{
    return (PageY >= TopCut() ? FBand : 0) + (PageY >= BottomCut() ? FBand : 0);
}

QSize TFittedSheet::PageSize() const { return {FView.width(), FView.height() + 2 * FBand}; }

QPoint TFittedSheet::Map(QPoint Page) const
{
    const double y = Page.y() + BandsAbove(Page.y());
    return {static_cast<int>(std::lround(Page.x() * FScale)), static_cast<int>(std::lround(y * FScale))};
}

QRect TFittedSheet::Map(const QRect& Page) const
{
    const QPoint topLeft = Map(Page.topLeft());
    const double y = Page.y() + BandsAbove(Page.y());
    return {topLeft, QPoint(static_cast<int>(std::lround((Page.x() + Page.width()) * FScale)) - 1,
                            static_cast<int>(std::lround((y + Page.height()) * FScale)) - 1)};
}

QRect TFittedSheet::BandOf(int Index) const
{
    // The column runs from its dial's left edge to the next column's.
    const QRect dial = FView.Dial(Index).geometry();
    const int columnWidth = FView.Dial(2).x() - FView.Dial(0).x();
    // The band opens at the cut, under the bands above it.
    const int top = Index % 2 == 0 ? TopCut() : BottomCut() + FBand;
    // Within the page: the outer columns end at its edges.
    const int left = std::max(0, dial.x() - (columnWidth - dial.width()) / 2);
    const int right = std::min(FView.width(), dial.x() + (columnWidth + dial.width()) / 2);
    const auto scaled = [this](double Pixels) { return static_cast<int>(std::lround(Pixels * FScale)); };
    return QRect(QPoint(scaled(left), scaled(top)), QPoint(scaled(right) - 1, scaled(top + FBand) - 1));
}

void TFittedSheet::FitInto(const QRect& Area)
{
    const QSize page = PageSize();
    FScale = std::max(0.1, std::min(static_cast<double>(Area.width()) / page.width(),
                                    static_cast<double>(Area.height()) / page.height()));
    const QSize size(static_cast<int>(std::lround(page.width() * FScale)),
                     static_cast<int>(std::lround(page.height() * FScale)));
    setGeometry(Area.x() + (Area.width() - size.width()) / 2, Area.y(), size.width(), size.height());
    update();
}

void TFittedSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), FView.palette().color(QPalette::Window));
    painter.scale(FScale, FScale);
    // The page in three slices, each moved down past the bands above it.
    auto& view = const_cast<TSheetView&>(FView);  // render() draws; it changes nothing
    const int cuts[] = {0, TopCut(), BottomCut(), FView.height()};
    for (int k = 0; k < 3; ++k) {
        const QRegion slice(0, cuts[k], FView.width(), cuts[k + 1] - cuts[k]);
        view.render(&painter, QPoint(0, cuts[k] + k * FBand), slice,
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
}
