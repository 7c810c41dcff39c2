#pragma once
// The one rule for a worksheet's dial: the look every sheet dial has, what the sheet
// gives dial Index (capacity, density, 1/200 marks, numerals, enlarged view, weight)
// and whether its needle is drawn. The sheet view sets its six dials by it, and so
// does anything that draws a sheet's dial apart from the view.

#include "sheet/Sheet.h"

class TPlatformScale;

// Side of a sheet dial in sheet pixels.
inline constexpr int SheetDialSide = 285;

// The fixed look: white board, size, border and needle widths.
void ShapeSheetDial(TPlatformScale& Dial);
// Dial Index (0 to 5) as Sheet has it.
void SetSheetDial(TPlatformScale& Dial, const TSheet& Sheet, int Index);
// A draw sheet's needle is the answer, in red, drawn only where the answers are shown.
void ShowSheetNeedle(TPlatformScale& Dial, const TSheet& Sheet, bool AnswersShown);
