// The program's start: the command line first, then one worksheet window, open until the
// user closes it, or with --pdf a class set written to a file without any window, or
// with --results the class results written as CSV, or with --serve a class served to
// the pupils' tablets, also without a window.
// The window reads and saves nothing; every start has the same settings unless the
// command line gives others.

#include "CommandLine.h"
#include "PdfRun.h"
#include "ResultsRun.h"
#include "ServeRun.h"
#include "dial/FontSubstitutions.h"
#include "window/MainWindow.h"
#include "Translations.h"
#include "WindowSystem.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("kestrum"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRUM_VERSION));

    // The arguments are read once, here, before any window system is chosen: they say
    // whether one is needed. Bad input is a usage error: one line naming it, and status 2.
    const TCommandLine line = ParseCommandLine(ArgumentsOf(argc, argv));
    if (!line.Error.isEmpty()) {
        std::fprintf(stderr, "kestrum: %s\n", qPrintable(line.Error));
        return CommandLineError;
    }
    const TLanguage language = ChosenLanguage(line.Language, ProcessLocaleVariables());
    if (line.Request != rqRun) {
        // Help and the version only print, with no window system at all.
        QCoreApplication app(argc, argv);
        InstallTranslations(app, language);
        ShowHelpOrVersion(line);
    }
    if (!line.ResultsPath.isEmpty()) {
        // Reading a file and writing another needs no window system either.
        QCoreApplication app(argc, argv);
        InstallTranslations(app, language);
        return RunResults(line);
    }

    // The server draws its dials offscreen, as the PDF does.
    const bool offscreen = !line.PdfPath.isEmpty() || line.Serve;
    const std::unique_ptr<QApplication> app = offscreen ? OpenOffscreen(argv[0]) : OpenDisplay(argv[0]);
    if (!app)
        return CommandLineError;
    InstallTranslations(*app, language);
    RegisterFontSubstitutions();
    if (!line.PdfPath.isEmpty())
        return RunPdf(line);
    if (line.Serve)
        return RunServe(line);
    TMainWindow window;
    StartWindow(line, window);
    return QApplication::exec();
}
