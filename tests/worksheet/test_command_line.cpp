// `kestrum --pdf FILE` on a machine with no display: the set is written and the
// program exits; the same options and seed give the same pages; bad input is
// refused with one line on standard error, exit status 2 and no file.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct TRun {
    int Status;
    QString Error;
};

TRun Kestrum(const QStringList& Arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // No X server and no platform chosen, as on a school server.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KESTRUM_BINARY), Arguments);
    if (!process.waitForFinished(60000))
        return {-1, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QString Text(const QString& Path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {Path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void writesTheSameSetWithoutADisplay()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext not found: install poppler-utils (scripts/setup.sh)");
        QTemporaryDir dir;
        const QStringList options{QStringLiteral("--sheets"), QStringLiteral("2"), QStringLiteral("--answers"),
                                  QStringLiteral("each"), QStringLiteral("--capacity"), QStringLiteral("10"),
                                  QStringLiteral("--unit"), QStringLiteral("kg"), QStringLiteral("--seed"),
                                  QStringLiteral("31337")};
        const QString a = dir.filePath(QStringLiteral("a.pdf")), b = dir.filePath(QStringLiteral("b.pdf"));
        QCOMPARE(Kestrum(QStringList{QStringLiteral("--pdf"), a} + options).Status, 0);
        QCOMPARE(Kestrum(QStringList{QStringLiteral("--pdf"), b} + options).Status, 0);
        const QString text = Text(a);
        QCOMPARE(text, Text(b));
        QCOMPARE(text.count(QChar(u'\f')), 4);  // sheet, key, sheet, key
        QVERIFY(text.contains(QStringLiteral("重量:10kg")));
        QVERIFY(text.contains(QStringLiteral("単位:kg")));
        QVERIFY(text.contains(QStringLiteral("解答")));

        // The first sheet's code gives the same set again.
        const QString code = text.section(QChar(u'\f'), 0, 0).split(QRegularExpression(QStringLiteral("\\s+")))
                                 .filter(QRegularExpression(QStringLiteral("^\\w{5}-\\w{5}-\\w{4}$"))).value(0);
        QVERIFY(!code.isEmpty());
        const QString c = dir.filePath(QStringLiteral("c.pdf"));
        QCOMPARE(Kestrum({QStringLiteral("--pdf"), c, QStringLiteral("--code"), code, QStringLiteral("--sheets"),
                          QStringLiteral("2"), QStringLiteral("--answers"), QStringLiteral("each")}).Status, 0);
        QCOMPARE(Text(c), text);

        // A code printed while 5 kg still offered 50 g brings back that sheet and its key.
        const QString old = dir.filePath(QStringLiteral("old.pdf"));
        QCOMPARE(Kestrum({QStringLiteral("--pdf"), old, QStringLiteral("--code"), QStringLiteral("6JYQZ-J6WA2-226B"),
                          QStringLiteral("--answers"), QStringLiteral("each")}).Status, 0);
        const QString oldText = Text(old);
        for (const QString& word : {QStringLiteral("6JYQZ-J6WA2-226B"), QStringLiteral("刻み:50g"),
                                    QStringLiteral("3kg 850g")})
            QVERIFY2(oldText.contains(word), qPrintable(word));
    }

    void badInputIsRefusedWithoutAFile()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.pdf"));
        const QList<QPair<QStringList, QString>> cases{
            {{QStringLiteral("--bogus")}, QStringLiteral("bogus")},
            {{QStringLiteral("--sheets"), QStringLiteral("61")}, QStringLiteral("--sheets")},
            {{QStringLiteral("--sheets"), QStringLiteral("two")}, QStringLiteral("--sheets")},
            {{QStringLiteral("--answers"), QStringLiteral("all")}, QStringLiteral("none|each|list")},
            {{QStringLiteral("--capacity"), QStringLiteral("3")}, QStringLiteral("--capacity")},
            {{QStringLiteral("--capacity"), QStringLiteral("5"), QStringLiteral("--step"), QStringLiteral("10g")},
             QStringLiteral("100g|200g|500g")},
            {{QStringLiteral("--capacity"), QStringLiteral("2"), QStringLiteral("--per200"), QStringLiteral("show")},
             QStringLiteral("--per200")},
            {{QStringLiteral("--unit"), QStringLiteral("lb")}, QStringLiteral("g|kg|kg-g")},
            {{QStringLiteral("--min"), QStringLiteral("2500")}, QStringLiteral("--min")},
            {{QStringLiteral("--seed"), QStringLiteral("-1")}, QStringLiteral("--seed")},
            {{QStringLiteral("--code"), QStringLiteral("5PHTQ-J3YJ2-222C")}, QStringLiteral("--code")},
            {{QStringLiteral("--code"), QStringLiteral("5PHTQ-J3YJ2-222B"), QStringLiteral("--unit"), QStringLiteral("g")},
             QStringLiteral("--code")},
        };
        for (const auto& [arguments, named] : cases) {
            const TRun run = Kestrum(QStringList{QStringLiteral("--pdf"), out} + arguments);
            QCOMPARE(run.Status, 2);
            QVERIFY2(run.Error.trimmed().count(QLatin1Char('\n')) == 0 && run.Error.contains(named),
                     qPrintable(run.Error));
            QVERIFY(!QFile::exists(out));
        }
        // A folder that is not there, and a folder in place of the file.
        for (const QString& path : {dir.filePath(QStringLiteral("none/out.pdf")), dir.path()}) {
            const TRun run = Kestrum({QStringLiteral("--pdf"), path});
            QCOMPARE(run.Status, 2);
            QVERIFY2(run.Error.contains(QStringLiteral("--pdf")), qPrintable(run.Error));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
