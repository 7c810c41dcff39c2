#pragma once
// The program is designed in MS Gothic and MS PGothic. Linux has no such faces; IPA
// Gothic has the same metrics (half-width ASCII, full-width kana and kanji), so the
// program asks for the designed names and lets Qt's substitution table find the IPA
// faces.

#include <QString>

inline const QString MsGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString MsPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString IpaGothic = QStringLiteral("IPAGothic");
inline const QString IpaPGothic = QStringLiteral("IPAPGothic");

// Registers MS Gothic → IPAGothic and MS PGothic → IPAPGothic, under both the
// Japanese and the Latin names. Registering again changes nothing.
void RegisterFontSubstitutions();
