// `kestrum --serve` as a tablet and the teacher meet it: a pupil joins, draws the needles
// of a sheet with one of them a mark off, marks it again, goes on to the next sheet, and
// the teacher's board shows it; a reading sheet gives none of its weights away until it
// is marked; every kind of wrong request is refused and the server goes on, as are heads
// too large, idle connections and a client trickling its request; killed while pupils
// mark, it keeps every marking it answered; SIGTERM ends it with status 0 and every
// marking in the results file.

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

struct TReply {
    int Status = 0;
    QJsonObject Json;
    QByteArray Body;
};

// A running server and the keys it printed.
struct TServer {
    std::unique_ptr<QProcess> Process = std::make_unique<QProcess>();
    int Port = 0;
    QString Class;
    QString Teacher;
};

}  // namespace

class TestClassServer : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    TServer FDraw;
    QString FPupil;  // a pupil of the draw sheets' class

    TServer Start(const QStringList& Settings, const QString& Data = QStringLiteral("class.sqlite"))
    {
        TServer server;
        server.Process->start(QStringLiteral(KESTRUM_BINARY),
                              QStringList{QStringLiteral("--serve"), QStringLiteral("--port"), QStringLiteral("0"),
                                          QStringLiteral("--data"), FDir.filePath(Data)} +
                                  Settings);
        const QRegularExpression pupils(QStringLiteral("^pupils: http://[^:/]+:(\\d+)/\\?class=([2-9A-Z]{5})\n$"));
        const QRegularExpression teacher(QStringLiteral("^teacher: http://[^:/]+:(\\d+)/teacher#([0-9a-f]{32,})\n$"));
        for (int i = 0; i < 100 && !server.Process->canReadLine(); ++i)
            server.Process->waitForReadyRead(100);
        const QRegularExpressionMatch first = pupils.match(QString::fromUtf8(server.Process->readLine()));
        server.Process->waitForReadyRead(1000);
        const QRegularExpressionMatch second = teacher.match(QString::fromUtf8(server.Process->readLine()));
        if (first.hasMatch() && second.hasMatch() && first.captured(1) == second.captured(1)) {
            server.Port = first.captured(1).toInt();
            server.Class = first.captured(2);
            server.Teacher = second.captured(2);
        }
        return server;
    }

    static TReply Call(const TServer& Server, const char* Method, const char* Path, const QString& Key = {},
                       const QByteArray& Body = {})
    {
        httplib::Client client("127.0.0.1", Server.Port);
        httplib::Headers headers;
        if (!Key.isEmpty())
            headers.emplace("Authorization", "Bearer " + Key.toStdString());
        httplib::Request request;
        request.method = Method;
        request.path = Path;
        request.headers = headers;
        request.body = Body.toStdString();
        request.set_header("Content-Type", "application/json");
        const httplib::Result result = client.send(request);
        if (!result)
            return {};
        const QByteArray body = QByteArray::fromStdString(result->body);
        return {result->status, QJsonDocument::fromJson(body).object(), body};
    }

    static QByteArray Answers(const QStringList& Texts)
    {
        return QJsonDocument(QJsonObject{{QStringLiteral("answers"), QJsonArray::fromStringList(Texts)}}).toJson();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        FDraw = Start({QStringLiteral("--kind"), QStringLiteral("draw"), QStringLiteral("--unit"), QStringLiteral("g")});
        QVERIFY2(FDraw.Port > 0, "the server did not print its two lines");
        const QByteArray join = QStringLiteral("{\"class\": \"%1\", \"name\": \"はると\"}").arg(FDraw.Class).toUtf8();
        const TReply joined = Call(FDraw, "POST", "/api/join", {}, join);
        QCOMPARE(joined.Status, 200);
        FPupil = joined.Json[QStringLiteral("pupil")].toString();
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32,}$")).match(FPupil).hasMatch());
    }

    void refusesWrongRequests_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("key");  // "pupil", "teacher", or the key itself
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        const QByteArray named = "{\"class\": \"CLASS\", \"name\": %1}";
        QTest::newRow("wrong class") << QByteArray("POST") << QByteArray("/api/join") << QString()
                                     << QByteArray("{\"class\": \"22222\", \"name\": \"aki\"}") << 403;
        QTest::newRow("empty name") << QByteArray("POST") << QByteArray("/api/join") << QString()
                                    << QByteArray(named).replace("%1", "\"\"") << 400;
        QTest::newRow("21 characters") << QByteArray("POST") << QByteArray("/api/join") << QString()
                                       << QByteArray(named).replace("%1", "\"abcdefghijklmnopqrstu\"") << 400;
        QTest::newRow("control character") << QByteArray("POST") << QByteArray("/api/join") << QString()
                                           << QByteArray(named).replace("%1", "\"a\\u0007b\"") << 400;
        QTest::newRow("malformed json") << QByteArray("POST") << QByteArray("/api/join") << QString()
                                        << QByteArray("{\"class\": ") << 400;
        QTest::newRow("over 16 KiB") << QByteArray("POST") << QByteArray("/api/join") << QString()
                                     << QByteArray(17 * 1024, ' ') << 413;
        QTest::newRow("five answers") << QByteArray("POST") << QByteArray("/api/mark") << QStringLiteral("pupil")
                                      << Answers({"1", "2", "3", "4", "5"}) << 400;
        QTest::newRow("sheet, no key") << QByteArray("GET") << QByteArray("/api/sheet") << QString() << QByteArray() << 401;
        QTest::newRow("sheet, wrong key") << QByteArray("GET") << QByteArray("/api/sheet")
                                          << QStringLiteral("0123456789abcdef0123456789abcdef") << QByteArray() << 403;
        QTest::newRow("sheet, a digit changed") << QByteArray("GET") << QByteArray("/api/sheet") << QStringLiteral("changed")
                                                << QByteArray() << 403;
        QTest::newRow("sheet, cut short") << QByteArray("GET") << QByteArray("/api/sheet") << QStringLiteral("short")
                                          << QByteArray() << 403;
        QTest::newRow("sheet, a digit more") << QByteArray("GET") << QByteArray("/api/sheet") << QStringLiteral("longer")
                                             << QByteArray() << 403;
        QTest::newRow("sheet, teacher's key") << QByteArray("GET") << QByteArray("/api/sheet") << QStringLiteral("teacher")
                                              << QByteArray() << 403;
        QTest::newRow("board, teacher's key changed") << QByteArray("GET") << QByteArray("/api/board")
                                                      << QStringLiteral("teacher changed") << QByteArray() << 403;
        QTest::newRow("board, no key") << QByteArray("GET") << QByteArray("/api/board") << QString() << QByteArray() << 401;
        QTest::newRow("board, pupil's key") << QByteArray("GET") << QByteArray("/api/board") << QStringLiteral("pupil")
                                            << QByteArray() << 403;
        QTest::newRow("csv, pupil's key") << QByteArray("GET") << QByteArray("/api/results.csv")
                                          << QStringLiteral("pupil") << QByteArray() << 403;
        QTest::newRow("mark by GET") << QByteArray("GET") << QByteArray("/api/mark") << QStringLiteral("pupil")
                                     << QByteArray() << 405;
        QTest::newRow("join by PUT") << QByteArray("PUT") << QByteArray("/api/join") << QString() << QByteArray() << 405;
        QTest::newRow("unknown route") << QByteArray("GET") << QByteArray("/api/nothing") << QString() << QByteArray() << 404;
        QTest::newRow("no other page") << QByteArray("GET") << QByteArray("/index.html") << QString() << QByteArray() << 404;
        QTest::newRow("no escape") << QByteArray("GET") << QByteArray("/%2e%2e/pupil.js") << QString() << QByteArray() << 404;
        QTest::newRow("page by GET") << QByteArray("POST") << QByteArray("/teacher") << QString() << QByteArray() << 405;
        QTest::newRow("no files") << QByteArray("GET") << QByteArray("/../../etc/passwd") << QString() << QByteArray() << 404;
    }

    void refusesWrongRequests()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(QString, key);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        const auto changed = [](QString Key) {
            Key.back() = Key.back() == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
            return Key;
        };
        const QMap<QString, QString> keys{{QStringLiteral("pupil"), FPupil},
                                          {QStringLiteral("teacher"), FDraw.Teacher},
                                          {QStringLiteral("changed"), changed(FPupil)},
                                          {QStringLiteral("teacher changed"), changed(FDraw.Teacher)},
                                          {QStringLiteral("short"), FPupil.chopped(1)},
                                          {QStringLiteral("longer"), FPupil + QLatin1Char('0')}};
        const QString sent = keys.value(key, key);
        QCOMPARE(Call(FDraw, method.constData(), path.constData(), sent, body.replace("CLASS", FDraw.Class.toUtf8())).Status,
                 status);
        // ... and the server goes on.
        QCOMPARE(Call(FDraw, "GET", "/api/sheet", FPupil).Status, 200);
    }

    // Raw heads: past 8 KiB in one header or in several, and a body waiting for its go.
    void answersRawHeads_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("status");
        const QByteArray join = "POST /api/join HTTP/1.1\r\n";
        const QByteArray pad = "X-Pad: " + QByteArray(3 * 1024, 'a') + "\r\n";
        QTest::newRow("9 KiB header") << join + "X-Pad: " + QByteArray(9 * 1024, 'a') + "\r\n\r\n" << 431;
        QTest::newRow("three 3 KiB headers") << join + pad + pad + pad + "\r\n" << 431;
        QTest::newRow("100-continue") << join + "Expect: 100-continue\r\nContent-Length: 2\r\n\r\n" << 100;
    }

    void answersRawHeads()
    {
        QFETCH(QByteArray, head);
        QFETCH(int, status);
        QTcpSocket socket;
        socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(FDraw.Port));
        socket.write(head);
        while (!socket.canReadLine() && socket.waitForReadyRead(3000)) {
        }
        QCOMPARE(socket.readLine().split(' ').value(1).toInt(), status);
        QCOMPARE(Call(FDraw, "GET", "/api/sheet", FPupil).Status, 200);
    }

    void marksADrawSheet()
    {
        const TReply sheet = Call(FDraw, "GET", "/api/sheet", FPupil);
        QCOMPARE(sheet.Json[QStringLiteral("kind")].toString(), QStringLiteral("draw"));
        QCOMPARE(sheet.Json[QStringLiteral("unit")].toString(), QStringLiteral("g"));
        const QJsonArray dials = sheet.Json[QStringLiteral("dials")].toArray();
        QCOMPARE(dials.size(), 6);
        QStringList needles;
        for (const QJsonValue dial : dials) {
            QVERIFY(dial[QStringLiteral("svg")].toString().contains(QStringLiteral("<svg")));
            needles << QString::number(dial[QStringLiteral("weight")].toInt());
        }
        // A 2 kg dense dial's finest mark is 10 g: the first needle one mark past its weight.
        QStringList wrong = needles;
        wrong[0] = QString::number(needles[0].toInt() + 10);
        const TReply first = Call(FDraw, "POST", "/api/mark", FPupil, Answers(wrong));
        QCOMPARE(first.Status, 200);
        const QJsonObject mark = first.Json[QStringLiteral("marks")].toArray()[0].toObject();
        QCOMPARE(mark[QStringLiteral("right")].toBool(), false);
        QCOMPARE(mark[QStringLiteral("mistake")].toString(), QStringLiteral("one-mark-off"));
        QCOMPARE(mark[QStringLiteral("answer")].toString(), needles[0] + QStringLiteral("g"));
        QCOMPARE(first.Json[QStringLiteral("score")].toInt(), 5);
        QCOMPARE(first.Json[QStringLiteral("tally")].toObject(),
                 (QJsonObject{{QStringLiteral("sheets"), 1}, {QStringLiteral("right"), 5}, {QStringLiteral("total"), 6}}));
        QCOMPARE(Call(FDraw, "GET", "/api/board", FDraw.Teacher).Json[QStringLiteral("pupils")][0]
                     [QStringLiteral("mistakes")].toObject(),
                 (QJsonObject{{QStringLiteral("one-mark-off"), 1}}));

        // Marked again, the sheet counts once, with its last marking.
        const TReply again = Call(FDraw, "POST", "/api/mark", FPupil, Answers(needles));
        QCOMPARE(again.Json[QStringLiteral("score")].toInt(), 6);
        const QJsonObject board = Call(FDraw, "GET", "/api/board", FDraw.Teacher).Json;
        QCOMPARE(board[QStringLiteral("pupils")].toArray().size(), 1);
        const QJsonObject row = board[QStringLiteral("pupils")][0].toObject();
        QCOMPARE(row[QStringLiteral("name")].toString(), QStringLiteral("はると"));
        QCOMPARE(row[QStringLiteral("sheets")].toInt(), 1);
        QCOMPARE(row[QStringLiteral("right")].toInt(), 6);
        QCOMPARE(row[QStringLiteral("total")].toInt(), 6);
        QCOMPARE(row[QStringLiteral("mistakes")].toObject(), QJsonObject());
        QVERIFY(row[QStringLiteral("level")].isNull());

        const TReply next = Call(FDraw, "POST", "/api/next", FPupil);
        QCOMPARE(next.Json[QStringLiteral("sheet")].toInt(), 2);
        QCOMPARE(next.Json[QStringLiteral("dials")].toArray().size(), 6);
        const QByteArray csv = Call(FDraw, "GET", "/api/results.csv", FDraw.Teacher).Body;
        QCOMPARE(csv.count(FDraw.Class.toUtf8()), 12);
    }

    // A reading sheet's right answers come only with its marking; typed back, kilograms
    // and grams as "1 200", they are all right.
    void marksAReadingSheet()
    {
        TServer reading = Start({});
        QVERIFY(reading.Port > 0);
        const QByteArray join = QStringLiteral("{\"class\": \"%1\", \"name\": \"aki\"}").arg(reading.Class).toUtf8();
        const QString pupil = Call(reading, "POST", "/api/join", {}, join).Json[QStringLiteral("pupil")].toString();
        const TReply sheet = Call(reading, "GET", "/api/sheet", pupil);
        QCOMPARE(sheet.Json[QStringLiteral("kind")].toString(), QStringLiteral("read"));
        QCOMPARE(sheet.Json[QStringLiteral("unit")].toString(), QStringLiteral("kg-g"));
        QVERIFY(!sheet.Body.contains("weight"));
        const TReply blank = Call(reading, "POST", "/api/mark", pupil, Answers({"", "", "", "", "", ""}));
        QCOMPARE(blank.Json[QStringLiteral("score")].toInt(), 0);
        QStringList typed;
        for (const QJsonValue mark : blank.Json[QStringLiteral("marks")].toArray())
            typed << mark[QStringLiteral("answer")].toString().remove(QLatin1Char('g')).replace(QStringLiteral("k "), QStringLiteral(" ")).remove(QLatin1Char('k'));
        QCOMPARE(Call(reading, "POST", "/api/mark", pupil, Answers(typed)).Json[QStringLiteral("score")].toInt(), 6);
        ::kill(static_cast<pid_t>(reading.Process->processId()), SIGINT);
        QVERIFY(reading.Process->waitForFinished(10000));
        QCOMPARE(reading.Process->exitCode(), 0);
    }

    // Stepping up, a pupil's sheets come from their own ladder: level 1 reads, then draws,
    // at 1 kg in steps of 100 g, as a sheet's first marking moves it; a sheet left unmarked
    // moves nothing. The board shows the level, not the sheet's number.
    void stepsUpALadder()
    {
        TServer ladder = Start({QStringLiteral("--step-up"), QStringLiteral("--unit"), QStringLiteral("g"),
                                QStringLiteral("--lang"), QStringLiteral("en")},
                               QStringLiteral("ladder.sqlite"));
        const QByteArray join = QStringLiteral("{\"class\": \"%1\", \"name\": \"aki\"}").arg(ladder.Class).toUtf8();
        const QString pupil = Call(ladder, "POST", "/api/join", {}, join).Json[QStringLiteral("pupil")].toString();
        // What the pupil does with each sheet, and the next sheet's kind.
        const QList<QPair<QString, QString>> steps{{"nothing", "read"}, {"blanks", "draw"}, {"right", "read"},
                                                   {"blanks", "draw"}, {"blanks", "read"}};
        for (const auto& [done, kind] : steps) {
            QStringList weights;
            for (const QJsonValue dial : Call(ladder, "GET", "/api/sheet", pupil).Json[QStringLiteral("dials")].toArray())
                weights << QString::number(dial[QStringLiteral("weight")].toInt(-1));
            for (const QString& weight : weights)
                QVERIFY(weight == QStringLiteral("-1") || (weight.toInt() % 100 == 0 && weight.toInt() <= 1000));
            if (done != QStringLiteral("nothing"))
                Call(ladder, "POST", "/api/mark", pupil,
                     Answers(done == QStringLiteral("right") ? weights : QStringList(6, QString())));
            QCOMPARE(Call(ladder, "POST", "/api/next", pupil).Json[QStringLiteral("kind")].toString(), kind);
        }
        const TReply board = Call(ladder, "GET", "/api/board", ladder.Teacher);
        QCOMPARE(board.Json[QStringLiteral("pupils")][0][QStringLiteral("level")], 1);
        ::kill(static_cast<pid_t>(ladder.Process->processId()), SIGTERM);
        QVERIFY(ladder.Process->waitForFinished(10000));
    }

    // Killed, the server goes on at its next start with the same class: the pupils' keys,
    // sheets, tallies and the marks of the sheet in hand. Stopped on purpose, the class
    // is over and the next is new.
    void goesOnAfterAKill()
    {
        const QString data = QStringLiteral("killed.sqlite");
        TServer first = Start({}, data);
        const QByteArray join = QStringLiteral("{\"class\": \"%1\", \"name\": \"mio\"}").arg(first.Class).toUtf8();
        const QString pupil = Call(first, "POST", "/api/join", {}, join).Json[QStringLiteral("pupil")].toString();
        const QStringList blanks{"", "", "", "", "", ""};
        QCOMPARE(Call(first, "POST", "/api/mark", pupil, Answers(blanks)).Status, 200);
        const TReply second = Call(first, "POST", "/api/next", pupil);
        const QStringList typed{"1", "0 900", "2 50", "1 5", "1 1000", "3"};
        const TReply marked = Call(first, "POST", "/api/mark", pupil, Answers(typed));
        QCOMPARE(marked.Status, 200);
        ::kill(static_cast<pid_t>(first.Process->processId()), SIGKILL);
        QVERIFY(first.Process->waitForFinished(10000));

        TServer again = Start({}, data);
        QCOMPARE(again.Class, first.Class);
        const TReply resumed = Call(again, "GET", "/api/sheet", pupil);
        QCOMPARE(resumed.Json[QStringLiteral("sheet")], second.Json[QStringLiteral("sheet")]);
        QCOMPARE(resumed.Json[QStringLiteral("dials")], second.Json[QStringLiteral("dials")]);
        QCOMPARE(resumed.Json[QStringLiteral("marks")], marked.Json[QStringLiteral("marks")]);
        QCOMPARE(resumed.Json[QStringLiteral("answers")].toArray(), QJsonArray::fromStringList(typed));
        const QJsonObject row = Call(again, "GET", "/api/board", again.Teacher).Json[QStringLiteral("pupils")][0].toObject();
        QCOMPARE(row[QStringLiteral("name")].toString(), QStringLiteral("mio"));
        QCOMPARE(row[QStringLiteral("sheets")].toInt(), 2);
        QCOMPARE(row[QStringLiteral("total")].toInt(), 12);
        ::kill(static_cast<pid_t>(again.Process->processId()), SIGTERM);
        QVERIFY(again.Process->waitForFinished(10000));

        TServer next = Start({}, data);
        QVERIFY(next.Port > 0 && next.Class != first.Class);
        QCOMPARE(Call(next, "GET", "/api/sheet", pupil).Status, 403);
        ::kill(static_cast<pid_t>(next.Process->processId()), SIGTERM);
        QVERIFY(next.Process->waitForFinished(10000));
    }

    // Another key reads another sheet; the board gives a name back as typed, as JSON.
    void aPupilsOwnSheetAndName()
    {
        const QString name = QStringLiteral("\"><script>x</script>");
        const QJsonObject join{{QStringLiteral("class"), FDraw.Class}, {QStringLiteral("name"), name}};
        const TReply joined = Call(FDraw, "POST", "/api/join", {}, QJsonDocument(join).toJson());
        const QString other = joined.Json[QStringLiteral("pupil")].toString();
        QVERIFY(Call(FDraw, "GET", "/api/sheet", other).Body != Call(FDraw, "GET", "/api/sheet", FPupil).Body);
        const TReply board = Call(FDraw, "GET", "/api/board", FDraw.Teacher);
        QVERIFY(board.Body.contains("\"name\":\"\\\"><script>x</script>\""));
        QCOMPARE(board.Json[QStringLiteral("pupils")][1][QStringLiteral("name")].toString(), name);
    }

    // A pupil is answered beside 250 idle connections; past 256 one is closed at once.
    void idleConnectionsLeaveRoom()
    {
        std::vector<std::unique_ptr<QTcpSocket>> idle(260);
        for (std::size_t i = 0; i < idle.size(); ++i) {
            if (i == 250)
                QCOMPARE(Call(FDraw, "GET", "/api/sheet", FPupil).Status, 200);
            idle[i] = std::make_unique<QTcpSocket>();
            idle[i]->connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(FDraw.Port));
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
        socket.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(FDraw.Port));
        QVERIFY(socket.waitForConnected());
        const QByteArray request = "GET /api/board HTTP/1.1\r\nHost: x\r\n\r\n";
        int sent = 0;
        while (sent < request.size() && socket.state() == QAbstractSocket::ConnectedState) {
            socket.write(request.mid(sent++, 1));
            socket.waitForDisconnected(1000);
        }
        QVERIFY2(sent <= 12, qPrintable(QString::number(sent)));
    }

    // Pupils mark as fast as they can and the server is killed: every marking answered
    // is in the results after a restart on the same file.
    void killedWhileMarkingKeepsWhatItAnswered()
    {
        const QString data = QStringLiteral("marking.sqlite");
        TServer server = Start({}, data);
        std::signal(SIGPIPE, SIG_IGN);  // a client writing as the server dies
        std::vector<QStringList> answered(4);
        std::vector<std::thread> pupils;
        std::atomic<bool> killed{false};
        for (std::size_t p = 0; p < answered.size(); ++p) {
            const QJsonObject join{{QStringLiteral("class"), server.Class}, {QStringLiteral("name"), QString::number(p)}};
            const TReply joined = Call(server, "POST", "/api/join", {}, QJsonDocument(join).toJson());
            const QString key = joined.Json[QStringLiteral("pupil")].toString();
            pupils.emplace_back([&, p, key] {
                for (int n = 0; !killed; ++n) {
                    const QString token = QStringLiteral("p%1x%2").arg(p).arg(n);
                    if (Call(server, "POST", "/api/mark", key, Answers(QStringList(6, token))).Status == 200)
                        answered[p] << token;
                }
            });
        }
        QTest::qWait(1500);
        ::kill(static_cast<pid_t>(server.Process->processId()), SIGKILL);
        QVERIFY(server.Process->waitForFinished());
        killed = true;
        for (std::thread& pupil : pupils)
            pupil.join();

        TServer again = Start({}, data);
        QVERIFY2(again.Port > 0, "the results file was refused after the kill");
        ::kill(static_cast<pid_t>(again.Process->processId()), SIGTERM);
        QVERIFY(again.Process->waitForFinished());
        const QString csv = FDir.filePath(QStringLiteral("marking.csv"));
        const QStringList results{QStringLiteral("--results"), csv, QStringLiteral("--data"), FDir.filePath(data)};
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

    void endsOnSigtermWithTheMarkingsKept()
    {
        ::kill(static_cast<pid_t>(FDraw.Process->processId()), SIGTERM);
        QVERIFY(FDraw.Process->waitForFinished(10000));
        QCOMPARE(FDraw.Process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(FDraw.Process->exitCode(), 0);
        QProcess results;
        const QString csv = FDir.filePath(QStringLiteral("class.csv"));
        results.start(QStringLiteral(KESTRUM_BINARY),
                      {QStringLiteral("--results"), csv, QStringLiteral("--data"), FDir.filePath(QStringLiteral("class.sqlite"))});
        QVERIFY(results.waitForFinished(30000));
        QCOMPARE(results.exitCode(), 0);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rows = file.readAll();
        // Two markings of the draw sheet, two of the reading sheet, six answers each.
        QCOMPARE(rows.count(FDraw.Class.toUtf8()), 12);
        QCOMPARE(rows.count('\n'), 1 + 24);
    }
};

QTEST_GUILESS_MAIN(TestClassServer)
#include "test_class_server.moc"
