#include "dial/FontSubstitutions.h"

#include <QFont>

void RegisterFontSubstitutions()
{
    QFont::insertSubstitution(MsGothic, IpaGothic);
    QFont::insertSubstitution(QStringLiteral("MS Gothic"), IpaGothic);
    QFont::insertSubstitution(MsPGothic, IpaPGothic);
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), IpaPGothic);
}
