#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

std::optional<TLanguage> LanguageNamed(const QString& Name)
{
    if (Name == QLatin1String("ja"))
        return lgJapanese;
    if (Name == QLatin1String("en"))
        return lgEnglish;
    return std::nullopt;
}

TLocaleVariables ProcessLocaleVariables()
{
    return {qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"),
            qEnvironmentVariable("LANGUAGE")};
}

namespace {

// "ja_JP.UTF-8" → "ja"; "C.UTF-8" → "C".
QString LanguagePart(const QString& Locale)
{
    qsizetype end = 0;
    while (end < Locale.size() && Locale[end] != QLatin1Char('_') && Locale[end] != QLatin1Char('.') &&
           Locale[end] != QLatin1Char('@'))
        ++end;
    return Locale.left(end);
}

bool NamesNoLanguage(const QString& Language)
{
    return Language.isEmpty() || Language == QLatin1String("C") || Language == QLatin1String("POSIX");
}

}  // namespace

TLanguage DesktopLanguage(const TLocaleVariables& Variables)
{
    QString locale = Variables.LcAll;
    if (locale.isEmpty())
        locale = Variables.LcMessages;
    if (locale.isEmpty())
        locale = Variables.Lang;
    QString language = LanguagePart(locale);
    // As gettext does: the list counts only where a locale is set at all.
    if (!NamesNoLanguage(language))
        for (const QString& preferred : Variables.Language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            language = LanguagePart(preferred);
            break;
        }
    if (NamesNoLanguage(language) || language == QLatin1String("ja"))
        return lgJapanese;
    return lgEnglish;
}

TLanguage ChosenLanguage(const std::optional<TLanguage>& Requested, const TLocaleVariables& Variables)
{
    return Requested ? *Requested : DesktopLanguage(Variables);
}

namespace {

// Owned by the application, so it lives as long as the dialogs that use it.
bool Install(QCoreApplication& App, const QLocale& Locale, const QString& Name, const QString& Folder)
{
    auto* translator = new QTranslator(&App);
    if (!translator->load(Locale, Name, QStringLiteral("_"), Folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace

bool InstallJapaneseTranslations(QCoreApplication& App)
{
    return Install(App, QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool InstallTranslations(QCoreApplication& App, TLanguage Language)
{
    if (Language == lgJapanese)
        return InstallJapaneseTranslations(App);
    // Built into the program by qt_add_translations.
    return Install(App, QLocale(QLocale::English), QStringLiteral("kestrum"), QStringLiteral(":/i18n"));
}
