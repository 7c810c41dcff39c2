// `kestrum --serve` against what a school network may send it: wrong or borrowed keys,
// a name made to look like markup, bodies and heads too large, a wrong method, a request
// that waits for "100 Continue", hundreds of idle connections, a client trickling a
// byte a second; and a server killed outright while pupils mark keeps every marking it
// answered.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <httplib.h>

#include <csignal>
#include <memory>
#include <thread>

namespace {

struct TServer {
    std::unique_ptr<QProcess> Process = std::make_unique<QProcess>();
    int Port = 0;
    QString Class;
    QString Teacher;
};

TServer Start(const QString& Data)
{
    TServer server;
    server.Process->start(QStringLiteral(KESTRUM_BINARY), {QStringLiteral("--serve"), QStringLiteral("--port"),
                                                           QStringLiteral("0"), QStringLiteral("--data"), Data});
    const QRegularExpression line(QStringLiteral(":(\\d+)/(\\?class=|teacher#)(\\w+)\n$"));
    for (int i = 0; i < 2; ++i) {
        for (int wait = 0; wait < 100 && !server.Process->canReadLine(); ++wait)
            server.Process->waitForReadyRead(100);
        const QRegularExpressionMatch match = line.match(QString::fromUtf8(server.Process->readLine()));
        server.Port = match.captured(1).toInt();
        (i == 0 ? server.Class : server.Teacher) = match.captured(3);
    }
    return server;
}

// The status of one HTTP call; 0 where no reply came.
std::pair<int, QByteArray> Call(int Port, const std::string& Method, const std::string& Path, const QString& Key,
                                const QByteArray& Body = {})
{
    httplib::Client client("127.0.0.1", Port);
    httplib::Request request;
    request.method = Method;
    request.path = Path;
    if (!Key.isEmpty())
        request.set_header("Authorization", "Bearer " + Key.toStdString());
    request.body = Body.toStdString();
    const httplib::Result result = client.send(request);
    return result ? std::pair{result->status, QByteArray::fromStdString(result->body)} : std::pair{0, QByteArray()};
}

QByteArray Joining(const QString& Class, const QString& Name)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("class"), Class}, {QStringLiteral("name"), Name}}).toJson();
}

}  // namespace

class TestClassServerSafety : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    TServer FServer;
    QString FPupil;
    QString FOther;

    QString JoinAs(const QString& Name)
    {
        const QByteArray body = Call(FServer.Port, "POST", "/api/join", {}, Joining(FServer.Class, Name)).second;
        return QJsonDocument::fromJson(body)[QStringLiteral("pupil")].toString();
    }

private slots:
    void initTestCase()
    {
        FServer = Start(FDir.filePath(QStringLiteral("class.sqlite")));
        QVERIFY2(FServer.Port > 0, "the server did not print its two lines");
        FPupil = JoinAs(QStringLiteral("aki"));
        FOther = JoinAs(QStringLiteral("ren"));
        QVERIFY(!FPupil.isEmpty() && !FOther.isEmpty());
    }

    void keys_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("key");  // "pupil", "teacher", or the pupil's key so changed
        QTest::addColumn<int>("status");
        QTest::newRow("sheet, no key") << QByteArray("/api/sheet") << QString() << 401;
        QTest::newRow("board, no key") << QByteArray("/api/board") << QString() << 401;
        QTest::newRow("sheet, pupil") << QByteArray("/api/sheet") << QStringLiteral("pupil") << 200;
        QTest::newRow("sheet, last digit changed") << QByteArray("/api/sheet") << QStringLiteral("changed") << 403;
        QTest::newRow("sheet, cut short") << QByteArray("/api/sheet") << QStringLiteral("short") << 403;
        QTest::newRow("sheet, one more digit") << QByteArray("/api/sheet") << QStringLiteral("longer") << 403;
        QTest::newRow("sheet, teacher") << QByteArray("/api/sheet") << QStringLiteral("teacher") << 403;
        QTest::newRow("board, pupil") << QByteArray("/api/board") << QStringLiteral("pupil") << 403;
        QTest::newRow("results, pupil") << QByteArray("/api/results.csv") << QStringLiteral("pupil") << 403;
        QTest::newRow("board, teacher") << QByteArray("/api/board") << QStringLiteral("teacher") << 200;
    }

    void keys()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, key);
        QFETCH(int, status);
        QString changed = FPupil;
        changed.back() = changed.back() == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
        const QMap<QString, QString> keys{{QStringLiteral("pupil"), FPupil},
                                          {QStringLiteral("teacher"), FServer.Teacher},
                                          {QStringLiteral("changed"), changed},
                                          {QStringLiteral("short"), FPupil.chopped(1)},
                                          {QStringLiteral("longer"), FPupil + QLatin1Char('0')}};
        QCOMPARE(Call(FServer.Port, "GET", path.toStdString(), keys.value(key, key)).first, status);
    }

    // Each key reads its own pupil's sheet: two pupils' drawn sheets never match.
    void aPupilReadsOnlyTheirOwnSheet()
    {
        const auto mine = Call(FServer.Port, "GET", "/api/sheet", FPupil);
        const auto theirs = Call(FServer.Port, "GET", "/api/sheet", FOther);
        QCOMPARE(mine.first, 200);
        QCOMPARE(theirs.first, 200);
        QVERIFY(mine.second != theirs.second);
        QCOMPARE(Call(FServer.Port, "GET", "/api/sheet", FPupil).second, mine.second);
    }

    // The board hands the name back as it was typed, a JSON string and nothing more.
    void theBoardGivesANameBackVerbatim()
    {
        const QString name = QStringLiteral("\"><script>x</script>");
        QVERIFY(!JoinAs(name).isEmpty());
        const QByteArray board = Call(FServer.Port, "GET", "/api/board", FServer.Teacher).second;
        QVERIFY(board.contains("\"name\":\"\\\"><script>x</script>\""));
        QCOMPARE(QJsonDocument::fromJson(board)[QStringLiteral("pupils")][2][QStringLiteral("name")].toString(), name);
    }

    // Raw requests, each part sent after the reply to the one before.
    void limits_data()
    {
        QTest::addColumn<QList<QByteArray>>("parts");
        QTest::addColumn<QList<int>>("statuses");
        const QByteArray join = "POST /api/join HTTP/1.1\r\nHost: x\r\n";
        const QByteArray header = "X-Pad: " + QByteArray(3 * 1024, 'a') + "\r\n";
        QTest::newRow("17 KiB body") << QList<QByteArray>{join + "Content-Length: 17408\r\n\r\n" + QByteArray(17408, ' ')}
                                     << QList<int>{413};
        QTest::newRow("9 KiB header") << QList<QByteArray>{join + "X-Pad: " + QByteArray(9 * 1024, 'a') + "\r\n\r\n"}
                                      << QList<int>{431};
        QTest::newRow("three 3 KiB headers") << QList<QByteArray>{join + header + header + header + "\r\n"} << QList<int>{431};
        QTest::newRow("malformed json") << QList<QByteArray>{join + "Content-Length: 10\r\n\r\n{\"class\": "}
                                        << QList<int>{400};
        QTest::newRow("unknown route") << QList<QByteArray>{"GET /api/nothing HTTP/1.1\r\nHost: x\r\n\r\n"}
                                       << QList<int>{404};
        QTest::newRow("wrong method") << QList<QByteArray>{"DELETE /api/join HTTP/1.1\r\nHost: x\r\n\r\n"}
                                      << QList<int>{405};
        QTest::newRow("100-continue") << QList<QByteArray>{join + "Expect: 100-continue\r\nContent-Length: 2\r\n\r\n", "{}"}
                                      << QList<int>{100, 400};
    }

    void limits()
    {
        QFETCH(QList<QByteArray>, parts);
        QFETCH(QList<int>, statuses);
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(FServer.Port));
        QVERIFY(socket.waitForConnected());
        for (qsizetype i = 0; i < parts.size(); ++i) {
            socket.write(parts[i]);
            while (!socket.canReadLine() && socket.waitForReadyRead(3000)) {
            }
            QCOMPARE(socket.readLine().split(' ').value(1).toInt(), statuses[i]);
            while (socket.canReadLine() && socket.readLine() != "\r\n") {
            }
        }
        QCOMPARE(Call(FServer.Port, "GET", "/api/sheet", FPupil).first, 200);
    }

    // A class's tablets keep their connections open: a new pupil is answered beside 250
    // idle ones, and past 256 a connection is closed as soon as it is taken.
    void idleConnectionsLeaveRoom()
    {
        std::vector<std::unique_ptr<QTcpSocket>> idle;
        for (int i = 0; i < 260; ++i) {
            if (i == 250)
                QVERIFY(!JoinAs(QStringLiteral("mio")).isEmpty());
            idle.push_back(std::make_unique<QTcpSocket>());
            idle.back()->connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(FServer.Port));
            QVERIFY(idle.back()->waitForConnected());
        }
        QTest::qWait(500);
        const auto closed = std::ranges::count_if(
            idle, [](const auto& Socket) { return Socket->state() == QAbstractSocket::UnconnectedState; });
        QCOMPARE(closed, 260 - 256);
    }

    // A byte a second keeps every read of the request short, but not the request.
    void aTricklingClientIsDropped()
    {
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(FServer.Port));
        QVERIFY(socket.waitForConnected());
        const QByteArray request = "GET /api/board HTTP/1.1\r\nHost: x\r\n\r\n";
        int sent = 0;
        while (sent < request.size() && socket.state() == QAbstractSocket::ConnectedState) {
            socket.write(request.mid(sent++, 1));
            socket.waitForDisconnected(1000);
        }
        QVERIFY2(sent <= 12, qPrintable(QString::number(sent)));
        QCOMPARE(Call(FServer.Port, "GET", "/api/sheet", FPupil).first, 200);
    }

    // Pupils mark as fast as they can; the server is killed; every marking that was
    // answered is in the results after a restart on the same file.
    void killedWhileMarkingKeepsWhatItAnswered()
    {
        const QString data = FDir.filePath(QStringLiteral("killed.sqlite"));
        TServer server = Start(data);
        QVERIFY(server.Port > 0);
        constexpr int pupils = 4;
        std::vector<QStringList> answered(pupils);
        std::vector<std::thread> threads;
        std::atomic<bool> killed{false};
        for (int p = 0; p < pupils; ++p) {
            const QByteArray body = Call(server.Port, "POST", "/api/join", {}, Joining(server.Class, QString::number(p))).second;
            const QString key = QJsonDocument::fromJson(body)[QStringLiteral("pupil")].toString();
            threads.emplace_back([&, p, key] {
                for (int n = 0; !killed; ++n) {
                    const QString token = QStringLiteral("p%1x%2").arg(p).arg(n);
                    const QJsonObject answers{{QStringLiteral("answers"), QJsonArray::fromStringList(QStringList(6, token))}};
                    if (Call(server.Port, "POST", "/api/mark", key, QJsonDocument(answers).toJson()).first == 200)
                        answered[p] << token;
                }
            });
        }
        QTest::qWait(1500);
        ::kill(static_cast<pid_t>(server.Process->processId()), SIGKILL);
        QVERIFY(server.Process->waitForFinished());
        killed = true;
        for (std::thread& thread : threads)
            thread.join();

        TServer again = Start(data);
        QVERIFY2(again.Port > 0, "the results file was refused after the kill");
        ::kill(static_cast<pid_t>(again.Process->processId()), SIGTERM);
        QVERIFY(again.Process->waitForFinished());
        const QString csv = FDir.filePath(QStringLiteral("killed.csv"));
        QCOMPARE(QProcess::execute(QStringLiteral(KESTRUM_BINARY), {QStringLiteral("--results"), csv, QStringLiteral("--data"), data}), 0);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rows = file.readAll();
        for (const QStringList& tokens : answered) {
            QVERIFY(!tokens.isEmpty());
            for (const QString& token : tokens)
                QVERIFY2(rows.count("," + token.toUtf8() + ",") == 6, qPrintable(token));
        }
    }

    void cleanupTestCase()
    {
        ::kill(static_cast<pid_t>(FServer.Process->processId()), SIGTERM);
        QVERIFY(FServer.Process->waitForFinished());
    }
};

QTEST_GUILESS_MAIN(TestClassServerSafety)
#include "test_class_server_safety.moc"
