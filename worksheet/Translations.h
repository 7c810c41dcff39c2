#pragma once
// The language the program speaks, and the translations that make it speak it: its own
// texts are written in Japanese; English comes from translations/kestrum_en.ts, built
// into the program. Qt's own dialogs and message boxes follow the same choice.

#include <QString>

#include <cstdint>
#include <optional>

class QCoreApplication;

enum TLanguage : std::uint8_t { lgJapanese, lgEnglish };

// The language a --lang value names ("ja", "en"); none for anything else.
std::optional<TLanguage> LanguageNamed(const QString& Name);

// The locale variables as the process sees them.
struct TLocaleVariables {
    QString LcAll, LcMessages, Lang, Language;
};
TLocaleVariables ProcessLocaleVariables();

// The desktop's language as the locale variables name it: the first of LC_ALL,
// LC_MESSAGES and LANG that is set, as POSIX orders them, unless LANGUAGE (GNU's list
// of preferred languages) names one first. Japanese for Japanese, and where no language
// is named at all (C, POSIX, nothing set: servers, cron jobs); English for any other.
TLanguage DesktopLanguage(const TLocaleVariables& Variables);

// --lang wins; else the desktop's language.
TLanguage ChosenLanguage(const std::optional<TLanguage>& Requested, const TLocaleVariables& Variables);

// Installs what Language needs into the application: Qt's Japanese translations for
// Japanese (Qt speaks English by itself), the program's English texts for English.
// Returns whether they were found.
bool InstallTranslations(QCoreApplication& App, TLanguage Language);
bool InstallJapaneseTranslations(QCoreApplication& App);
