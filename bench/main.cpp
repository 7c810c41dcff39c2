// The benchmarks need a QApplication (fonts, palette, widgets) but no display, and
// the worksheet's font names mapped onto the installed faces, as the program does.
// A platform window holds back a requested repaint for a few milliseconds to gather
// more of them; the screen repaint is timed without that wait, as the work it is.

#include "view/Fonts.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    RegisterFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
