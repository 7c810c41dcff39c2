#pragma once
// The sheet scaled to fill its area, drawn as vectors from the sheet view itself (every
// label and dial paints through a scaled painter, so it stays sharp at any size). Under
// each row of dials the fitted sheet opens a band the page does not have, where practice
// writes what it says about each problem without covering a dial, a blank or a number.
//
// Everything that lies over the fitted sheet places itself through Map: a rectangle in
// the page's pixels to the area's.

#include <QRect>
#include <QWidget>

class TSheetView;

class TFittedSheet : public QWidget {
    Q_OBJECT

public:
    // Band: the height of each row's band, in page pixels; 0 shows the page as it is.
    TFittedSheet(const TSheetView& View, int Band, QWidget* Parent);

    // The page's rectangle in the area, scaled and moved down past the bands above it.
    QRect Map(const QRect& Page) const;
    QPoint Map(QPoint Page) const;
    // Page pixels to the area's, for fonts and widths.
    double Scale() const { return FScale; }
    // The band under problem Index's row, across its column, in the area.
    QRect BandOf(int Index) const;
    // The size the sheet with its bands takes at scale 1.
    QSize PageSize() const;

    // Opens or closes the bands: a sheet shown without practice needs none.
    void SetBand(int Band) { FBand = Band; }
    // The area the sheet may fill: it is scaled to fit it, centred across.
    void FitInto(const QRect& Area);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    // Where the page is cut: just under the top row's blanks, and under the bottom row's.
    int TopCut() const;
    int BottomCut() const;
    // How far down the bands above it move a page y.
    int BandsAbove(int PageY) const;

    const TSheetView& FView;
    int FBand;
    double FScale = 1;
};
