#pragma once
// The worksheet is designed in MS Gothic. Linux has no such face; IPA Gothic has
// the same metrics (half-width ASCII, full-width kana and kanji), so the program asks
// for the designed names and lets Qt's substitution table find the IPA faces.

#include <QFont>

// Registers MS Gothic → IPAGothic and MS PGothic → IPAPGothic, under both the
// Japanese and the Latin names. Call once before the first window is created.
void RegisterFontSubstitutions();

// The worksheet's Gothic at a character height in pixels, as the layout gives it.
QFont GothicFont(int PixelHeight, bool Underline = false);
