#include "Fonts.h"

QFont GothicFont(int PixelHeight, bool Underline)
{
    QFont font(MsGothic);
    font.setPixelSize(PixelHeight);
    font.setUnderline(Underline);
    return font;
}
