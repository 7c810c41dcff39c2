// `kestrum --serve` against what a school network may send it: wrong or borrowed keys,
// a name made to look like markup, large heads and bodies, idle connections, a client
// trickling a byte a second; and killed outright while pupils mark, it keeps every
// marking it answered.

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
#include <thread>

namespace {

struct TServer {
    std::unique_ptr<QProcess> Process = std::make_unique<QProcess>();
    int Port = 0;
    QString Class, Teacher;
};

TServer Start(const QString& Data)
{
    TServer server;
    const QStringList arguments{QStringLiteral("--serve"), QStringLiteral("--port"), QStringLiteral("0"),
                                QStringLiteral("--data"), Data};
    server.Process->start(QStringLiteral(KESTRUM_BINARY), arguments);
    const QRegularExpression line(QStringLiteral(":(\\d+)/(\\?class=|teacher#)(\\w+)\n$"));
    for (QString* field : {&server.Class, &server.Teacher}) {
        for (int wait = 0; wait < 100 && !server.Process->canReadLine(); ++wait)
            server.Process->waitForReadyRead(100);
        const QRegularExpressionMatch match = line.match(QString::fromUtf8(server.Process->readLine()));
        server.Port = match.captured(1).toInt();
        *field = match.captured(3);
    }
    return server;
}

httplib::Result Call(int Port, const char* Method, const char* Path, const QString& Key, const QJsonObject& Body = {})
{
    httplib::Request request;
    request.method = Method;
    request.path = Path;
    request.set_header("Authorization", "Bearer " + Key.toStdString());
    if (!Body.isEmpty())
        request.body = QJsonDocument(Body).toJson().toStdString();
    return httplib::Client("127.0.0.1", Port).send(request);
}

QString Join(const TServer& Server, const QString& Name)
{
    const QJsonObject body{{QStringLiteral("class"), Server.Class}, {QStringLiteral("name"), Name}};
    const httplib::Result joined = Call(Server.Port, "POST", "/api/join", {}, body);
    return joined ? QJsonDocument::fromJson(joined->body.c_str())[QStringLiteral("pupil")].toString() : QString();
}

}  // namespace

class TestClassServerSafety : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    TServer FServer;
    QString FPupil;

private slots:
    void initTestCase()
    {
        FServer = Start(FDir.filePath(QStringLiteral("class.sqlite")));
        FPupil = Join(FServer, QStringLiteral("aki"));
        QVERIFY(!FPupil.isEmpty());
    }

    void requests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        const auto get = [](const char* Path, const char* Key) {
            return QByteArray("GET ") + Path + " HTTP/1.1\r\nAuthorization: Bearer " + Key + "\r\n\r\n";
        };
        const QByteArray join = "POST /api/join HTTP/1.1\r\n";
        const QByteArray pad = "X-Pad: " + QByteArray(3 * 1024, 'a') + "\r\n";
        QTest::newRow("sheet, no key") << QByteArray("GET /api/sheet HTTP/1.1\r\n\r\n") << 401;
        QTest::newRow("sheet, own key") << get("/api/sheet", "PUPIL") << 200;
        QTest::newRow("sheet, a digit changed") << get("/api/sheet", "CHANGED") << 403;
        QTest::newRow("sheet, cut short") << get("/api/sheet", "SHORT") << 403;
        QTest::newRow("sheet, a digit more") << get("/api/sheet", "PUPIL0") << 403;
        QTest::newRow("sheet, teacher") << get("/api/sheet", "TEACHER") << 403;
        QTest::newRow("board, pupil") << get("/api/board", "PUPIL") << 403;
        QTest::newRow("results, pupil") << get("/api/results.csv", "PUPIL") << 403;
        QTest::newRow("board, teacher") << get("/api/board", "TEACHER") << 200;
        QTest::newRow("17 KiB body") << join + "Content-Length: 17408\r\n\r\n" + QByteArray(17408, ' ') << 413;
        QTest::newRow("9 KiB header") << join + "X-Pad: " + QByteArray(9 * 1024, 'a') + "\r\n\r\n" << 431;
        QTest::newRow("three 3 KiB headers") << join + pad + pad + pad + "\r\n" << 431;
        QTest::newRow("malformed json") << join + "Content-Length: 10\r\n\r\n{\"class\": " << 400;
        QTest::newRow("unknown route") << get("/api/nothing", "PUPIL") << 404;
        QTest::newRow("wrong method") << QByteArray("DELETE /api/join HTTP/1.1\r\n\r\n") << 405;
        QTest::newRow("100-continue") << join + "Expect: 100-continue\r\nContent-Length: 2\r\n\r\n" << 100;
    }

    void requests()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QByteArray changed = FPupil.toLatin1();
        changed.back() = changed.back() == '0' ? '1' : '0';
        request.replace("CHANGED", changed).replace("SHORT", FPupil.chopped(1).toLatin1());
        request.replace("TEACHER", FServer.Teacher.toLatin1()).replace("PUPIL", FPupil.toLatin1());
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(FServer.Port));
        socket.write(request);
        while (!socket.canReadLine() && socket.waitForReadyRead(3000)) {
        }
        QCOMPARE(socket.readLine().split(' ').value(1).toInt(), status);
        const httplib::Result after = Call(FServer.Port, "GET", "/api/sheet", FPupil);
        QVERIFY(after && after->status == 200);
    }

    // A key reads its own pupil's sheet alone, and the board gives a name back as typed.
    void aPupilsOwnSheetAndName()
    {
        const QString name = QStringLiteral("\"><script>x</script>");
        const QString other = Join(FServer, name);
        const auto sheet = [this](const QString& Key) { return Call(FServer.Port, "GET", "/api/sheet", Key)->body; };
        QVERIFY(sheet(other) != sheet(FPupil));
        const QByteArray board = Call(FServer.Port, "GET", "/api/board", FServer.Teacher)->body.c_str();
        QVERIFY(board.contains("\"name\":\"\\\"><script>x</script>\""));
        QCOMPARE(QJsonDocument::fromJson(board)[QStringLiteral("pupils")][1][QStringLiteral("name")].toString(), name);
    }

    // A pupil is answered beside 250 idle connections; past 256 one is closed at once.
    void idleConnectionsLeaveRoom()
    {
        std::vector<std::unique_ptr<QTcpSocket>> idle(260);
        for (std::size_t i = 0; i < idle.size(); ++i) {
            if (i == 250)
                QVERIFY(!Join(FServer, QStringLiteral("mio")).isEmpty());
            idle[i] = std::make_unique<QTcpSocket>();
            idle[i]->connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(FServer.Port));
            QVERIFY(idle[i]->waitForConnected());
        }
        QTest::qWait(500);
        const auto closed = [](const auto& Socket) { return Socket->state() == QAbstractSocket::UnconnectedState; };
        QCOMPARE(std::ranges::count_if(idle, closed), 260 - 256);
    }

    // A byte a second keeps each read short, not the request: dropped at 10 s.
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
    }

    void killedWhileMarkingKeepsWhatItAnswered()
    {
        const QString data = FDir.filePath(QStringLiteral("killed.sqlite"));
        TServer server = Start(data);
        std::signal(SIGPIPE, SIG_IGN);  // a client writing as the server dies
        std::vector<QStringList> answered(4);
        std::vector<std::thread> pupils;
        std::atomic<bool> killed{false};
        for (std::size_t p = 0; p < answered.size(); ++p)
            pupils.emplace_back([&, p, key = Join(server, QString::number(p))] {
                for (int n = 0; !killed; ++n) {
                    const QString token = QStringLiteral("p%1x%2").arg(p).arg(n);
                    const QJsonArray answers = QJsonArray::fromStringList(QStringList(6, token));
                    const httplib::Result marked =
                        Call(server.Port, "POST", "/api/mark", key, {{QStringLiteral("answers"), answers}});
                    if (marked && marked->status == 200)
                        answered[p] << token;
                }
            });
        QTest::qWait(1500);
        ::kill(static_cast<pid_t>(server.Process->processId()), SIGKILL);
        QVERIFY(server.Process->waitForFinished());
        killed = true;
        for (std::thread& pupil : pupils)
            pupil.join();

        TServer again = Start(data);
        QVERIFY2(again.Port > 0, "the results file was refused after the kill");
        ::kill(static_cast<pid_t>(again.Process->processId()), SIGTERM);
        QVERIFY(again.Process->waitForFinished());
        const QString csv = FDir.filePath(QStringLiteral("killed.csv"));
        const QStringList results{QStringLiteral("--results"), csv, QStringLiteral("--data"), data};
        QCOMPARE(QProcess::execute(QStringLiteral(KESTRUM_BINARY), results), 0);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rows = file.readAll();
        for (const QStringList& tokens : answered) {
            QVERIFY(!tokens.isEmpty());
            for (const QString& token : tokens)
                QVERIFY2(rows.count("," + token.toUtf8() + ",") == 6, qPrintable(token));
        }
    }
};

QTEST_GUILESS_MAIN(TestClassServerSafety)
#include "test_class_server_safety.moc"
