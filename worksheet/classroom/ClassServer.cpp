#include "classroom/ClassServer.h"

#include "classroom/ClassHttp.h"

#include <QCoreApplication>
#include <QThread>

namespace {

// A request holds its body whole in memory: answers and names are short.
constexpr std::size_t MaxBody = 16 * 1024;
// Seconds: a whole request's reading, each write, and an idle connection.
constexpr time_t Timeout = 10;
// A worker keeps its connection until the connection goes idle past the timeout, so a
// pool smaller than a classroom's open connections would make a new pupil wait behind
// idle tablets. One worker for each of the connections a class may hold, and a few more
// that close the connections past them at once.
constexpr std::size_t Threads = TClassHttp::MaxConnections + 4;
// A tablet's requests over one connection before it opens another: the library's 5
// would have a pupil reconnect every few sheets.
constexpr std::size_t RequestsPerConnection = 100;

}  // namespace

TClassServer::TClassServer(TClassroom& Class, TResultStore& Store)
    : FClass(Class), FStore(Store), FServer(std::make_unique<TClassHttp>())
{
    httplib::Server& server = *FServer;
    server.new_task_queue = [] { return new httplib::ThreadPool(Threads); };
    server.set_payload_max_length(MaxBody);
    server.set_read_timeout(Timeout);
    server.set_write_timeout(Timeout);
    server.set_keep_alive_timeout(Timeout);
    server.set_keep_alive_max_count(RequestsPerConnection);
    const httplib::Server::Handler handler = [this](const httplib::Request& In, httplib::Response& Out) {
        const auto authorization = In.get_header_value("Authorization");
        TApiReply reply = Answer({QByteArray::fromStdString(In.method), QByteArray::fromStdString(In.path),
                                  QByteArray::fromStdString(authorization), QByteArray::fromStdString(In.body)});
        if (reply.MakeBody)
            reply.Body = FDrawers.Draw(reply.MakeBody);
        Out.status = reply.Status;
        // The pages run only their own files, and nothing is read as another type than
        // it is sent as; a dial drawn inline and a downloaded blob are the page's own.
        Out.set_header("Content-Security-Policy",
                       "default-src 'self'; img-src 'self' data: blob:; object-src 'none'; base-uri 'none'; "
                       "frame-ancestors 'none'");
        Out.set_header("X-Content-Type-Options", "nosniff");
        Out.set_header("Cache-Control", "no-store");
        Out.set_content(reply.Body.toStdString(), reply.ContentType.constData());
    };
    // Every method reaches the API, which answers a wrong one with 405.
    const std::string every = ".*";
    server.Get(every, handler);
    server.Post(every, handler);
    server.Put(every, handler);
    server.Patch(every, handler);
    server.Delete(every, handler);
    server.Options(every, handler);
}

TClassServer::~TClassServer() { Stop(); }

TApiReply TClassServer::Answer(const TApiRequest& Request)
{
    TApiReply reply{503, "application/json", R"({"error":"the server is stopping"})"};
    if (FStopping)
        return reply;
    QMetaObject::invokeMethod(
        this, [&] { reply = AnswerRequest(FClass, FStore, Request); }, Qt::BlockingQueuedConnection);
    return reply;
}

int TClassServer::Listen(const QString& Address, int Port)
{
    httplib::Server& server = *FServer;
    const int port = FServer->Bind(Address.toStdString(), Port);
    if (port <= 0)
        return 0;
    FListening = true;
    FListener = std::thread([this] {
        FServer->listen_after_bind();
        FListening = false;
    });
    // Stop finds nothing to stop before the listener runs.
    while (FListening && !server.is_running())
        QThread::msleep(1);
    return port;
}

void TClassServer::Stop()
{
    if (!FListener.joinable())
        return;
    FStopping = true;
    FServer->stop();
    while (FListening) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    FListener.join();
}
