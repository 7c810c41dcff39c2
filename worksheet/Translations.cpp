#include "Translations.h"

#include <QCoreApplication>

bool InstallJapaneseTranslations(QCoreApplication&) { return false; }
