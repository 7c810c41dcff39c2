#pragma once
// cpp-httplib's server with the bounds a classroom's server needs that the library
// leaves open. It reads each request through a stream of its own, which allows the
// whole request (its line, its head and its body) the read timeout, where the library
// allows it each read: a client sending a byte every few seconds would keep a worker
// for ever. The stream also answers a head over 8 KiB with 431, where the library
// bounds each line alone. And it holds at most MaxConnections connections at once:
// one more is closed as soon as it is taken, so that idle tablets cannot starve the
// pool of workers.

#include <httplib.h>

#include <atomic>
#include <string>

class TClassHttp : public httplib::Server {
public:
    static constexpr int MaxConnections = 256;
    static constexpr std::size_t MaxHead = 8 * 1024;

    // Binds Host at Port (0: a free port) and returns the port, or 0. The library
    // listens with a backlog of 5, too short for a class whose tablets all join at once.
    int Bind(const std::string& Host, int Port);

private:
    bool process_and_close_socket(socket_t Socket) override;

    std::atomic<int> FOpen{0};
};
