// Starts the worksheet exactly as the program does, waits until the window is shown
// with its six dials painted, writes "<milliseconds since main> <peak resident KB>"
// to standard output and quits. The start-up benchmark runs it as a child process;
// /usr/bin/time -v or hyperfine can run it too.

#include "view/Fonts.h"
#include "PaintedWindow.h"
#include "Translations.h"
#include "window/UnitKestrum.h"

#include <QApplication>
#include <QElapsedTimer>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallJapaneseTranslations(app);
    RegisterFontSubstitutions();
    TFormKestrum form;
    if (!ShowPainted(form))
        return 1;
    const double milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.3f %ld\n", milliseconds, usage.ru_maxrss);
    return 0;
}
