#include "dial/Canvas.h"

void TBrush::SetColor(TColor c)
{
    FColor = c;
    if (FStyle == bsClear)
        FStyle = bsSolid;
}
