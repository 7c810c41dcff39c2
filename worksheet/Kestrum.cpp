// The program's start: the worksheet window, open until the user closes it, or with
// --pdf a class set written to a file without any window. Nothing is saved; every
// start has the same settings unless the command line gives others.

#include "CommandLine.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "Translations.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    PrepareCommandLinePlatform(argc, argv);
    QApplication app(argc, argv);
    InstallJapaneseTranslations(app);
    RegisterFontSubstitutions();
    const TCommandLine line = ParseCommandLine(app.arguments());
    if (!line.Error.isEmpty()) {
        std::fprintf(stderr, "kestrum: %s\n", qPrintable(line.Error));
        return CommandLineError;
    }
    if (!line.PdfPath.isEmpty())
        return RunPdf(line);
    TMainWindow window;
    ApplyCommandLine(line, window.Form());
    window.show();
    return app.exec();
}
