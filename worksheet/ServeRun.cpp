#include "ServeRun.h"

#include "CommandLineTexts.h"
#include "classroom/ClassServer.h"
#include "classroom/Classroom.h"
#include "classroom/HostAddress.h"
#include "classroom/ResultStore.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int SignalPipe[2] = {-1, -1};

// Only what is safe in a signal handler: the event loop reads the byte and quits.
void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[1], &byte, 1);
}

int Failed(const QString& Message)
{
    std::fprintf(stderr, "kestrum: %s\n", qPrintable(Message));
    return CommandLineError;
}

}  // namespace

int RunServe(const TCommandLine& Line)
{
    const QString data = Line.DataPath.isEmpty() ? TResultStore::DefaultPath() : Line.DataPath;
    const TStoreOpening opening = TResultStore::Open(data, TResultStore::crCreate);
    if (!opening.Store)
        return Failed(opening.Refusal);
    std::optional<TClassroom> room = TClassroom::Open(*opening.Store, Line.Settings.value_or(TSheetSettings{}), Line.StepUp);
    if (!room)
        return Failed(CommandLineTexts::ServeNoClass);

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, SignalPipe) != 0)
        return Failed(CommandLineTexts::ServeNoClass);
    QSocketNotifier notifier(SignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);

    TClassServer server(*room, *opening.Store);
    const int port = server.Listen(Line.Bind, Line.Port);
    if (port == 0)
        return Failed(CommandLineTexts::ServeCannotListen.arg(Line.Bind).arg(Line.Port));
    const QString origin = QStringLiteral("http://%1:%2").arg(HostFor(Line.Bind)).arg(port);
    std::printf("pupils: %s/?class=%s\n", qPrintable(origin), qPrintable(room->Code()));
    std::printf("teacher: %s/teacher#%s\n", qPrintable(origin), qPrintable(room->TeacherKey()));
    std::fflush(stdout);
    QCoreApplication::exec();
    server.Stop();
    // Stopped on purpose, the class is over; killed, it is taken up at the next start.
    room->End();
    return 0;
}
