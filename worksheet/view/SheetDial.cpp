#include "view/SheetDial.h"

#include "dial/PlatformScale.h"
#include "sheet/SettingsTables.h"

void ShapeSheetDial(TPlatformScale& Dial)
{
    Dial.SetBoardColor(clWhite);
    Dial.SetDiameter(SheetDialSide);
    Dial.SetWidthBorderLine(2);
    Dial.SetWidthHand(12);
}

void SetSheetDial(TPlatformScale& Dial, const TSheet& Sheet, int Index)
{
    const TSheetSettings& s = Sheet.Settings;
    if (const int capacity = DialCapacity(Sheet, Index); capacity >= 0 && capacity < CapacityCount) {
        const TCapacityRow& row = CapacityRows()[capacity];
        Dial.SetTypeValueMax(row.Type);
        Dial.SetValueMax(static_cast<std::uint32_t>(row.Capacity));
    }
    Dial.SetTypeBoardScale(BoardScale(s));
    Dial.SetTypeShowScalePer200(ShowScalePer200(s));
    Dial.SetTypeShowNumerals(s.Numerals);
    Dial.SetStretchRatePercent(s.Enlarged ? 150 : 100);
    Dial.SetValue(Sheet.Weights[static_cast<std::size_t>(Index)]);
}

void ShowSheetNeedle(TPlatformScale& Dial, const TSheet& Sheet, bool AnswersShown)
{
    const TAnswerUnit unit = Sheet.Settings.Unit;
    const bool shown = AnswersShown && unit >= auGrams && unit <= auKilogramsAndGrams;
    const bool draw = Sheet.Settings.Exercise == exDraw;
    Dial.SetHandVisible(!draw || shown);
    Dial.SetHandColor(draw ? clRed : clBlack);
}
