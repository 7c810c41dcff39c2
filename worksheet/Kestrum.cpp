// The program's start: one worksheet window, open until the user closes it. There is
// no command line and nothing is read or saved; every start has the same settings.

#include "Fonts.h"
#include "Translations.h"
#include "UnitKestrum.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallJapaneseTranslations(app);
    RegisterFontSubstitutions();
    TFormKestrum FormKestrum;
    FormKestrum.show();
    return app.exec();
}
