#pragma once
// The sheet's colours: black on white, whatever the desktop's colour scheme. A dark
// theme would otherwise give the labels and the dial numerals near-white text on the
// sheet's white paper, on screen and in print. The panels over the sheet share these
// light colours, so their texts stay readable on their white background too.

#include <QPalette>

QPalette SheetPalette();
