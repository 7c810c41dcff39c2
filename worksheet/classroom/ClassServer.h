#pragma once
// The class's API over HTTP. The HTTP library answers on its own pool of threads; each
// request is handed to the thread this object lives in, which alone touches the class
// and its results file, and the pool thread waits for the reply.

#include "classroom/ClassApi.h"
#include "classroom/SheetDrawers.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

class TClassHttp;

class TClassServer : public QObject {
public:
    TClassServer(TClassroom& Class, TResultStore& Store);
    ~TClassServer() override;

    // Listens on Address at Port (0: a free port) and returns the port, or 0 where the
    // address cannot be had.
    int Listen(const QString& Address, int Port);
    // Stops listening and waits for the requests under way; the calling thread's
    // events are served meanwhile, since those requests wait for it.
    void Stop();

private:
    TApiReply Answer(const TApiRequest& Request);

    TClassroom& FClass;
    TResultStore& FStore;
    std::unique_ptr<TClassHttp> FServer;
    std::thread FListener;
    std::atomic<bool> FListening{false};
    std::atomic<bool> FStopping{false};
    TSheetDrawers FDrawers;
};
