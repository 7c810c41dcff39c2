// The program's start: the command line first, then one worksheet window, open until the
// user closes it. Nothing is read or saved; every start has the same settings.

#include "Fonts.h"
#include "MainWindow.h"
#include "Translations.h"

#include <QApplication>
#include <QCommandLineParser>

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
    std::unique_ptr<QCoreApplication> app;
    if (OnlyPrints(argc, argv)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("kestrum"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRUM_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Printable worksheets on reading the weights from dial scales."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Bad input is a usage error: one line naming it, and status 2.
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "kestrum: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
    if (!parser.positionalArguments().isEmpty() || !qobject_cast<QApplication*>(app.get())) {
        std::fprintf(stderr, "kestrum: unexpected argument '%s'\n",
                     qPrintable(parser.positionalArguments().value(0)));
        return 2;
    }

    InstallJapaneseTranslations(*app);
    RegisterFontSubstitutions();
    TMainWindow window;
    window.show();
    return QApplication::exec();
}
