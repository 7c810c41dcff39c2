#pragma once
// The way to a dial's reading, shown over a dial marked wrong once the right answers
// are shown: the numeral just below the right weight ringed, and the marks from it up
// to the weight counted off with dots, some of them numbered. Laid over the dial in its
// place, on screen only, and transparent to the mouse.

#include "dial/ScalePainter.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <cstdint>
#include <vector>

class TPlatformScale;

class TReadingAid : public QWidget {
    Q_OBJECT

public:
    explicit TReadingAid(QWidget* Parent = nullptr);

    // Lays the aid over Dial and shows the way from the numeral at From grams through
    // Marks marks of Mark grams each. The dial's own layout places everything, whole or
    // enlarged; showing again after the dial changes follows it.
    void Show(const TPlatformScale& Dial, std::uint32_t From, std::uint32_t Marks, std::uint32_t Mark);
    void Clear();

    // One counted mark, in the dial's pixels: its dot, and the number written beside
    // it (0: none) with the number's box.
    struct TCount {
        QPointF Dot;
        int Number = 0;
        QRectF Label;
    };
    const std::vector<TCount>& Counts() const { return FCounts; }
    // The ring round the numeral counted from; empty where that numeral is not drawn.
    QRectF Ring() const { return FRing; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    // Works out the ring, the dots and which of them are numbered, and where.
    void LayOut(const TScaleLayout& Layout, std::uint32_t From, std::uint32_t Marks, std::uint32_t Mark);
    // Numbers the counts: each one where there is room, else every fifth and the last,
    // else the last alone; a number that would cover a numeral moves inward.
    void PlaceNumbers(const std::vector<QRectF>& Numerals);
    QRectF LabelAt(const TCount& Count, double Radius, int Number) const;

    TScaleProperties FDial;
    TScalePainter FPainter;
    QColor FColour, FBoard;  // the aid's colour, and the board's for the numbers in its badges
    QPointF FCentre;
    double FDotRadius = 0, FDotRing = 0, FLabelRing = 0;
    double FArcFrom = 0;  // the angle of the first mark, Qt's degrees
    int FLabelPixels = 0;
    QRectF FRing;
    std::vector<TCount> FCounts;
};
