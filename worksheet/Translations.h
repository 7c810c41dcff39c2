#pragma once
// Qt's own dialogs and message boxes speak Japanese like the rest of the program.

class QCoreApplication;

// Loads Qt's Japanese translations into the application; returns whether they were found.
bool InstallJapaneseTranslations(QCoreApplication& App);
