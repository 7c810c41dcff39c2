#include "Fonts.h"

#include <QString>

void RegisterFontSubstitutions()
{
    const QString gothic = QStringLiteral("IPAGothic");
    const QString pgothic = QStringLiteral("IPAPGothic");
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), gothic);
    QFont::insertSubstitution(QStringLiteral("MS Gothic"), gothic);
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), pgothic);
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), pgothic);
}

QFont GothicFont(int PixelHeight, bool Underline)
{
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(PixelHeight);
    font.setUnderline(Underline);
    return font;
}
