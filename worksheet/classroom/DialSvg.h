#pragma once
// A dial as a standalone SVG document, for a browser on a pupil's tablet: drawn by the
// same painter as the printed sheet, with every numeral written as the outline of its
// glyphs, so that the tablet needs no font. The document holds shapes only: no text,
// no font, no script and nothing it refers to outside itself. Its view box is the
// dial's pixels; it has no fixed size and fills whatever box the page gives it.

#include "dial/ScalePainter.h"
#include "sheet/Sheet.h"

#include <QByteArray>

QByteArray DialSvg(const TScaleProperties& Properties);

// The properties the printed sheet gives dial Index (0 to 5), answers not shown: a
// draw sheet's dials have no needle.
TScaleProperties SheetDialProperties(const TSheet& Sheet, int Index);
QByteArray SheetDialSvg(const TSheet& Sheet, int Index);
