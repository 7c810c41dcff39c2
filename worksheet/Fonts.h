#pragma once
// The worksheet is designed in "ＭＳ ゴシック". Linux has no such face; IPA Gothic has
// the same metrics (half-width ASCII, full-width kana and kanji), so the program asks
// for the designed names and lets Qt's substitution table find the IPA faces.

#include <QFont>

// Registers "ＭＳ ゴシック"/"MS Gothic" → IPAGothic and "ＭＳ Ｐゴシック"/"MS PGothic" →
// IPAPGothic. Call once before the first window is created.
void RegisterFontSubstitutions();

// "ＭＳ ゴシック" at a character height in pixels, as the layout gives it.
QFont GothicFont(int PixelHeight, bool Underline = false);
