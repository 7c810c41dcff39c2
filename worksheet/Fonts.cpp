#include "Fonts.h"

#include <QString>

namespace {
const QString MsGothic = QStringLiteral("ＭＳ ゴシック");
const QString MsPGothic = QStringLiteral("ＭＳ Ｐゴシック");
}  // namespace

void RegisterFontSubstitutions()
{
    const QString ipaGothic = QStringLiteral("IPAGothic");
    const QString ipaPGothic = QStringLiteral("IPAPGothic");
    QFont::insertSubstitution(MsGothic, ipaGothic);
    QFont::insertSubstitution(QStringLiteral("MS Gothic"), ipaGothic);
    QFont::insertSubstitution(MsPGothic, ipaPGothic);
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), ipaPGothic);
}

QFont GothicFont(int PixelHeight, bool Underline)
{
    QFont font(MsGothic);
    font.setPixelSize(PixelHeight);
    font.setUnderline(Underline);
    return font;
}
