#include "classroom/ClassHttp.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using TClock = std::chrono::steady_clock;

// A wait is cut into slices so that a stopping server is noticed within one.
constexpr std::chrono::milliseconds Slice{100};

// A connection's socket, read through a buffer, as the library's own stream does: the
// library reads a request's line and head a byte at a time.
class TRequestStream final : public httplib::Stream {
public:
    TRequestStream(socket_t Socket, const std::atomic<socket_t>& Listening, std::chrono::seconds WriteTime)
        : FSocket(Socket), FListening(Listening), FWriteTime(WriteTime)
    {
    }

    // Waits up to Idle for the next request to begin.
    bool AwaitRequest(std::chrono::seconds Idle) const
    {
        return FStart < FEnd || Wait(POLLIN, TClock::now() + Idle, true);
    }
    // The next request must be read by Deadline.
    void StartRequest(TClock::time_point Deadline)
    {
        FDeadline = Deadline;
        FHead = 0;
        FHeadEndMatched = 0;
    }
    bool Refused() const { return FRefused; }

    bool is_readable() const override { return FStart < FEnd || Wait(POLLIN, FDeadline, true); }
    bool is_writable() const override { return !FRefused && Wait(POLLOUT, TClock::now() + FWriteTime, false); }

    ssize_t read(char* Data, size_t Size) override
    {
        if (FRefused)
            return -1;
        if (FStart == FEnd) {
            if (!Wait(POLLIN, FDeadline, true))
                return -1;
            ssize_t got = 0;
            do
                got = ::recv(FSocket, FBuffer, sizeof(FBuffer), 0);
            while (got < 0 && errno == EINTR);
            if (got <= 0)
                return got;
            FStart = 0;
            FEnd = static_cast<std::size_t>(got);
        }
        std::size_t n = std::min(Size, FEnd - FStart);
        if (FHeadEndMatched < HeadEnd.size()) {
            n = CountHead(n);
            if (FHead > TClassHttp::MaxHead) {
                Refuse();
                return -1;
            }
        }
        std::memcpy(Data, FBuffer + FStart, n);
        FStart += n;
        return static_cast<ssize_t>(n);
    }

    ssize_t write(const char* Data, size_t Size) override
    {
        if (!is_writable())
            return -1;
        ssize_t sent = 0;
        do
            sent = ::send(FSocket, Data, Size, MSG_NOSIGNAL);
        while (sent < 0 && errno == EINTR);
        return sent;
    }

    void get_remote_ip_and_port(std::string& Ip, int& Port) const override { Address(::getpeername, Ip, Port); }
    void get_local_ip_and_port(std::string& Ip, int& Port) const override { Address(::getsockname, Ip, Port); }
    socket_t socket() const override { return FSocket; }

private:
    static constexpr std::string_view HeadEnd = "\r\n\r\n";

    // Counts the head's bytes among the next N in the buffer and returns how many of
    // them to hand out: up to the head's end, so that none of the body counts.
    std::size_t CountHead(std::size_t N)
    {
        for (std::size_t i = 0; i < N; ++i) {
            const char c = FBuffer[FStart + i];
            ++FHead;
            FHeadEndMatched = c == HeadEnd[FHeadEndMatched] ? FHeadEndMatched + 1 : (c == '\r' ? 1 : 0);
            if (FHeadEndMatched == HeadEnd.size())
                return i + 1;
        }
        return N;
    }

    // The library has no answer of its own for a long head: it is given here, and the
    // library's writes after it are refused, so the connection ends with it.
    void Refuse()
    {
        static constexpr std::string_view answer = "HTTP/1.1 431 Request Header Fields Too Large\r\n"
                                                   "Content-Length: 0\r\nConnection: close\r\n\r\n";
        [[maybe_unused]] const ssize_t sent = ::send(FSocket, answer.data(), answer.size(), MSG_NOSIGNAL);
        FRefused = true;
    }

    // Whether the socket is ready for Events before Deadline. A read also gives up when
    // the server stops; a reply under way is written out.
    bool Wait(short Events, TClock::time_point Deadline, bool Stoppable) const
    {
        for (;;) {
            if (Stoppable && FListening == INVALID_SOCKET)
                return false;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - TClock::now());
            if (left.count() <= 0)
                return false;
            pollfd one{FSocket, Events, 0};
            const int ready = ::poll(&one, 1, static_cast<int>(std::min(left, Slice).count()));
            if (ready > 0)
                return true;  // an error or a hang-up too: the read or write that follows sees it
            if (ready < 0 && errno != EINTR)
                return false;
        }
    }

    using TNameCall = int (*)(int, sockaddr*, socklen_t*);
    void Address(TNameCall Call, std::string& Ip, int& Port) const
    {
        sockaddr_storage address{};
        socklen_t length = sizeof(address);
        Ip.clear();
        Port = -1;
        if (Call(FSocket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        char text[INET6_ADDRSTRLEN] = {};
        if (address.ss_family == AF_INET) {
            const auto* in = reinterpret_cast<const sockaddr_in*>(&address);
            ::inet_ntop(AF_INET, &in->sin_addr, text, sizeof(text));
            Port = ntohs(in->sin_port);
        } else if (address.ss_family == AF_INET6) {
            const auto* in = reinterpret_cast<const sockaddr_in6*>(&address);
            ::inet_ntop(AF_INET6, &in->sin6_addr, text, sizeof(text));
            Port = ntohs(in->sin6_port);
        }
        Ip = text;
    }

    socket_t FSocket;
    const std::atomic<socket_t>& FListening;
    std::chrono::seconds FWriteTime;
    TClock::time_point FDeadline = TClock::now();
    char FBuffer[4096] = {};
    std::size_t FStart = 0;
    std::size_t FEnd = 0;
    std::size_t FHead = 0;             // bytes of the request's line and head read so far
    std::size_t FHeadEndMatched = 0;   // how much of the blank line that ends the head
    bool FRefused = false;
};

}  // namespace

int TClassHttp::Bind(const std::string& Host, int Port)
{
    const int port = Port == 0 ? bind_to_any_port(Host) : (bind_to_port(Host, Port) ? Port : 0);
    if (port > 0)
        ::listen(svr_sock_, SOMAXCONN);  // a listening socket takes a new backlog
    return std::max(port, 0);
}

bool TClassHttp::process_and_close_socket(socket_t Socket)
{
    bool served = false;
    // A reply goes out in two writes, its head and its body: without this the body would
    // wait for the client's delayed acknowledgement of the head, some 40 ms.
    const int noDelay = 1;
    ::setsockopt(Socket, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof(noDelay));
    if (++FOpen <= MaxConnections) {
        TRequestStream stream(Socket, svr_sock_, std::chrono::seconds(write_timeout_sec_));
        for (std::size_t left = keep_alive_max_count_; left > 0; --left) {
            if (!stream.AwaitRequest(std::chrono::seconds(keep_alive_timeout_sec_)))
                break;
            stream.StartRequest(TClock::now() + std::chrono::seconds(read_timeout_sec_));
            bool closed = false;
            served = process_request(stream, left == 1, closed, nullptr);
            if (!served || closed || stream.Refused())
                break;
        }
    }
    --FOpen;
    ::shutdown(Socket, SHUT_RDWR);
    ::close(Socket);
    return served;
}
