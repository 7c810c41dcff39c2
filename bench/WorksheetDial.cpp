#include "WorksheetDial.h"

void ConfigureWorksheetDial(TPlatformScale& Dial, TTypeValueMax Capacity, std::uint8_t Zoom)
{
    Dial.SetDiameter(285);
    Dial.SetBoardColor(clWhite);
    Dial.SetWidthBorderLine(2);
    Dial.SetWidthHand(12);
    Dial.SetTypeValueMax(Capacity);
    Dial.SetValueMax(StandardValueMax(Capacity));
    Dial.SetTypeBoardScale(bsDensely);
    Dial.SetTypeShowScalePer200(ssShow);
    Dial.SetStretchRatePercent(Zoom);
    Dial.SetValue(StandardValueMax(Capacity) * 37 / 100);
}
