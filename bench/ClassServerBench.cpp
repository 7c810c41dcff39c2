// A class at the built program's server, `kestrum --serve`, as the tablets meet it: each
// pupil a thread with a keep-alive connection, joining, then ten times marking a sheet
// and moving on to the next, all the pupils at once. The time is wall time for the whole
// class; the counters are a marking's reply time, its median and 99th percentile, which
// include writing the marking to the results file (synchronous, before the reply).
// A connection the server closes at once, past the connections it holds, is tried again
// and counted.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <algorithm>
#include <csignal>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

constexpr int SheetsEach = 10;

struct TClassAtServer {
    int Port = 0;
    std::string Class;
};

// Starts the server on a free port and reads the address it prints for the pupils.
TClassAtServer StartServer(QProcess& Server, const QString& Data)
{
    Server.setStandardErrorFile(QProcess::nullDevice());
    Server.start(QStringLiteral(KESTRUM_PROGRAM), {QStringLiteral("--serve"), QStringLiteral("--port"),
                                                   QStringLiteral("0"), QStringLiteral("--data"), Data});
    for (int wait = 0; wait < 100 && !Server.canReadLine(); ++wait)
        Server.waitForReadyRead(100);
    static const QRegularExpression pupils(QStringLiteral(":(\\d+)/\\?class=(\\w+)"));
    const QRegularExpressionMatch match = pupils.match(QString::fromUtf8(Server.readLine()));
    return {match.captured(1).toInt(), match.captured(2).toStdString()};
}

struct TPupilRun {
    std::vector<double> MarkMs;
    int Refused = 0;
    bool Failed = false;
};

// One pupil's session. A request the server turned away before reading it is sent again.
void PlayPupil(const TClassAtServer& At, int Number, TPupilRun& Run)
{
    httplib::Client client("127.0.0.1", At.Port);
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);  // as browsers do
    // A sheet waits its turn to be drawn: a slow reply is not a refusal.
    client.set_read_timeout(120);
    httplib::Headers headers;
    // The reply's body, or none; Ms the time of the attempt answered.
    double ms = 0;
    const auto post = [&](const char* Path, const std::string& Body) -> std::optional<std::string> {
        // Past the server's connections, a pupil waits for one to free: up to ten minutes.
        for (int attempt = 0; attempt < 2400; ++attempt) {
            const auto start = TClock::now();
            const httplib::Result result = client.Post(Path, headers, Body, "application/json");
            if (result && result->status == 200) {
                ms = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
                return result->body;
            }
            ++Run.Refused;
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
        return std::nullopt;
    };
    const QJsonObject join{{QStringLiteral("class"), QString::fromStdString(At.Class)},
                           {QStringLiteral("name"), QStringLiteral("p%1").arg(Number)}};
    const std::optional<std::string> joined = post("/api/join", QJsonDocument(join).toJson().toStdString());
    if (!joined) {
        Run.Failed = true;
        return;
    }
    const QString key = QJsonDocument::fromJson(joined->c_str())[QStringLiteral("pupil")].toString();
    headers.emplace("Authorization", "Bearer " + key.toStdString());
    const QJsonArray typed = QJsonArray::fromStringList(QStringList(6, QStringLiteral("500")));
    const std::string marking = QJsonDocument(QJsonObject{{QStringLiteral("answers"), typed}}).toJson().toStdString();
    for (int sheet = 0; sheet < SheetsEach && !Run.Failed; ++sheet) {
        const bool marked = post("/api/mark", marking).has_value();
        Run.MarkMs.push_back(ms);
        Run.Failed = !marked || !post("/api/next", {});
    }
}

double Percentile(std::vector<double>& Values, double Fraction)
{
    const auto at = Values.begin() + static_cast<std::ptrdiff_t>(Fraction * static_cast<double>(Values.size() - 1));
    std::nth_element(Values.begin(), at, Values.end());
    return *at;
}

void BM_ClassServerMarking(benchmark::State& State)
{
    const int pupils = static_cast<int>(State.range(0));
    // The client library writes without MSG_NOSIGNAL: a connection the server closed at
    // once would end the benchmark instead of being tried again.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<double> markMs;
    int refused = 0;
    for (auto _ : State) {
        QTemporaryDir dir;
        QProcess server;
        const TClassAtServer at = StartServer(server, dir.filePath(QStringLiteral("class.sqlite")));
        if (at.Port == 0) {
            State.SkipWithError("the server did not start");
            return;
        }
        std::vector<TPupilRun> runs(static_cast<std::size_t>(pupils));
        std::vector<std::thread> threads;
        const auto start = TClock::now();
        for (int p = 0; p < pupils; ++p)
            threads.emplace_back(PlayPupil, std::cref(at), p, std::ref(runs[static_cast<std::size_t>(p)]));
        for (std::thread& thread : threads)
            thread.join();
        State.SetIterationTime(std::chrono::duration<double>(TClock::now() - start).count());
        server.terminate();
        server.waitForFinished();
        for (const TPupilRun& run : runs) {
            if (run.Failed) {
                State.SkipWithError("a pupil's request failed");
                return;
            }
            markMs.insert(markMs.end(), run.MarkMs.begin(), run.MarkMs.end());
            refused += run.Refused;
        }
    }
    State.counters["mark_p50_ms"] = Percentile(markMs, 0.5);
    State.counters["mark_p99_ms"] = Percentile(markMs, 0.99);
    State.counters["markings"] = static_cast<double>(markMs.size());
    State.counters["retried"] = refused;
}

}  // namespace

BENCHMARK(BM_ClassServerMarking)->Arg(40)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
// Ten classes at once, past the connections the server holds: a few minutes a run, run once.
BENCHMARK(BM_ClassServerMarking)
    ->Arg(400)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(1)
    ->Unit(benchmark::kMillisecond);
