#pragma once
// The worksheet's texts in MS Gothic, found through the substitution table that the
// dial's numerals use as well (call RegisterFontSubstitutions() once before the first
// window is created).

#include "dial/FontSubstitutions.h"

#include <QFont>
#include <QStringList>

class QWidget;

// The worksheet's Gothic at a character height in pixels, as the layout gives it.
QFont GothicFont(int PixelHeight, bool Underline = false);

// The face the weights are written in on the sheet, the red answers and the weights
// under draw dials: the dial's own proportional Gothic, whose zero is a plain oval where
// the fixed-pitch one slashes it and pupils misread it. Narrowed so that its digits are
// no wider than the fixed-pitch ones, and a weight takes no more room than its blank.
QFont AnswerFont(int PixelHeight, bool Underline = false);

// The Debian package that brings the faces the worksheet is drawn in.
inline constexpr char SheetFontPackage[] = "fonts-ipafont-gothic";

// Those of the worksheet's faces that the system lacks. Without them the Japanese texts
// come out as boxes. Needs a GUI application.
QStringList MissingSheetFonts();

// Where faces are missing, says so in a message box over Window; start-up goes on.
void WarnOfMissingFonts(QWidget& Window);
