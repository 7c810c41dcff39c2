#include "FontSubstitutions.h"

#include <QFont>

void RegisterFontSubstitutions()
{
    const QString ipaGothic = QStringLiteral("IPAGothic");
    const QString ipaPGothic = QStringLiteral("IPAPGothic");
    QFont::insertSubstitution(MsGothic, ipaGothic);
    QFont::insertSubstitution(QStringLiteral("MS Gothic"), ipaGothic);
    QFont::insertSubstitution(MsPGothic, ipaPGothic);
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), ipaPGothic);
}
