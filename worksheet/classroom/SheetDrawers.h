#pragma once
// Threads that draw the sheets' dials for the class server, one fewer than the cores,
// at a lower priority than the rest of the program: a sheet takes tens of milliseconds
// to draw, a marking a few, and a pupil waiting for a marking should not wait behind
// the class's next sheets.

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

class TSheetDrawers {
public:
    TSheetDrawers();
    ~TSheetDrawers();

    // Runs Draw on a drawer and waits for its result.
    QByteArray Draw(const std::function<QByteArray()>& Draw);

private:
    void Work();

    std::mutex FMutex;
    std::condition_variable FWake;
    std::deque<std::packaged_task<QByteArray()>> FJobs;
    bool FStopping = false;
    std::vector<std::thread> FThreads;
};
