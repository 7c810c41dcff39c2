#pragma once
// The worksheet's texts in MS Gothic, found through the substitution table that the
// dial's numerals use as well (call RegisterFontSubstitutions() once before the first
// window is created).

#include "FontSubstitutions.h"

#include <QFont>

// The worksheet's Gothic at a character height in pixels, as the layout gives it.
QFont GothicFont(int PixelHeight, bool Underline = false);
