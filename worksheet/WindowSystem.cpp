#include "WindowSystem.h"

#include "CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr char NoDisplay[] = "kestrum: no display: use --pdf FILE\n";

// Qt reads no argument of ours: the command line has been read, once, by the program
// itself, so the application gets the program's name alone.
std::unique_ptr<QApplication> Application(char* ProgramName)
{
    static int count = 1;
    static char* arguments[] = {nullptr, nullptr};
    arguments[0] = ProgramName;
    return std::make_unique<QApplication>(count, arguments);
}

// Qt's warnings (a missing runtime folder, fonts) are no business of a batch run.
void QuietMessages(QtMsgType Type, const QMessageLogContext&, const QString& Message)
{
    if (Type == QtCriticalMsg || Type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(Message));
}

// Qt's messages while the window system opens, held back until it is open: where it
// cannot open, they are several lines about plugins that say less than ours.
std::vector<std::pair<QtMsgType, QString>> HeldMessages;

void HoldMessages(QtMsgType Type, const QMessageLogContext&, const QString& Message)
{
    if (Type == QtFatalMsg) {
        // Qt gives up on a display it cannot open with a fatal message, which aborts: for
        // the user it is a missing display, not a crash.
        std::fputs(NoDisplay, stderr);
        std::_Exit(CommandLineError);
    }
    HeldMessages.emplace_back(Type, Message);
}

// Qt opens the display that QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY name.
bool DisplayNamed()
{
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    return false;
}

}  // namespace

std::unique_ptr<QApplication> OpenOffscreen(char* ProgramName)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    return Application(ProgramName);
}

std::unique_ptr<QApplication> OpenDisplay(char* ProgramName)
{
    if (!DisplayNamed()) {
        std::fputs(NoDisplay, stderr);
        return nullptr;
    }
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessages);
    std::unique_ptr<QApplication> app = Application(ProgramName);
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : std::exchange(HeldMessages, {}))
        if (previous)
            previous(type, QMessageLogContext(), message);
    return app;
}
