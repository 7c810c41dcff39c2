// The program's start: the command line first, then one worksheet window, open until the
// user closes it, or with --pdf a class set written to a file without any window.
// Nothing is read or saved; every start has the same settings unless the command line
// gives others.

#include "CommandLine.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "Translations.h"
#include "UnitKestrum.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// --help and --version only print, and must do so where there is no display at all (a
// terminal over ssh, a package's installation check). Qt connects to the window system
// when a QApplication is made, before the parser can run, so for these a core
// application, which has no window system, reads the command line instead.
bool OnlyPrints(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    PrepareCommandLinePlatform(argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (OnlyPrints(argc, argv)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("kestrum"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRUM_VERSION));

    // Bad input is a usage error: one line naming it, and status 2. --help and
    // --version print and exit inside.
    const TCommandLine line = ParseCommandLine(QCoreApplication::arguments());
    if (!line.Error.isEmpty()) {
        std::fprintf(stderr, "kestrum: %s\n", qPrintable(line.Error));
        return CommandLineError;
    }

    InstallJapaneseTranslations(*app);
    RegisterFontSubstitutions();
    if (!line.PdfPath.isEmpty())
        return RunPdf(line);
    TMainWindow window;
    if (const std::optional<TSheet> sheet = CommandLineSheet(line))
        window.Form().ApplySheet(*sheet);
    window.show();
    return QApplication::exec();
}
