// The program's start: one worksheet window, open until the user closes it. Nothing is
// read or saved; every start has the same settings.

#include "Fonts.h"
#include "MainWindow.h"
#include "Translations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallJapaneseTranslations(app);
    RegisterFontSubstitutions();
    TMainWindow window;
    window.show();
    return app.exec();
}
