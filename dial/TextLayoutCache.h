#pragma once
// The layouts of the texts drawn so far, so that a repaint sets each numeral without
// converting its string, fitting it or building its font again. A layout does not
// depend on where its box lies, only on the box's size. Kept for the whole process,
// like the measured fits it is made from, and used from the GUI thread only.

#include "QtCanvas.h"

#include <string>

struct TCachedText {
    QString Text;
    TQtCanvas::TTextLayout Layout;  // Rect relative to the box's top-left corner
};

// Valid until the next call.
const TCachedText& CachedTextLayout(const std::string& Text, int BoxWidth, int BoxHeight,
                                    unsigned Format, int Points, int Dpi);
