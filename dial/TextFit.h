#pragma once
// Fitting a numeral's ink into its text box. The dial's boxes were laid out for the
// metrics of another face; where our face's ink would cross an edge of a box, that one
// text is narrowed (a horizontal stretch of the font), or, when only a descender
// reaches below the box and there is free room above the text, lifted by that much.
// The font size and the box itself never change, so the box arithmetic stays exact.

#include <QFont>
#include <QRect>
#include <QString>

// The face the numerals are drawn in, by its designed name: the proportional Japanese
// Gothic the boxes were laid out for, IPAPGothic through the substitution table. Its zero is a plain oval; the fixed-pitch IPAGothic fits more boxes but
// slashes its zero, which a pupil can misread. Texts too wide for their box are narrowed.
QString NumeralFamily();

// The font for a text of the given pixel height, at a stretch in percent.
QFont NumeralFont(int PixelSize, int Stretch = 100);

struct TTextFit {
    int Stretch = 100;  // percent of the face's own width
    int Raise = 0;      // pixels the line is lifted inside its box
    // The fitted text's ink lies wholly inside its box, so clipping to the box would
    // take nothing away. False when the text was not measured.
    bool InkInside = false;
};

// How the text is set into a box of the given size and Qt alignment flags. Measured
// on first use of a text, size, box size and alignment, then remembered (a bounded
// table) for the dial layouts to come.
TTextFit FitText(const QString& Text, int PixelSize, int BoxWidth, int BoxHeight, int Flags);

// The pixels that the text's ink covers when it is laid out, unclipped, in the box
// (0, 0, BoxWidth, BoxHeight) with the given font and flags; a null rectangle for
// a text without ink.
QRect InkBounds(const QString& Text, const QFont& Font, int BoxWidth, int BoxHeight, int Flags);
