// The class results file: markings of two pupils in two classes come back as CSV rows
// after the file is reopened, with a pupil's name quoted and kept from running as a
// formula; files that are not a store of ours, or come from a newer program, are
// refused, by the store and by `kestrum --results`, and left byte for byte as they were.

#include "classroom/ResultStore.h"
#include "Texts.h"

#include <QBuffer>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString SheetCode = QStringLiteral("ABCDE-FGHJK-MNPQ");

// Records one sheet of Pupil's, marked at 9:Minute in Japan, with each mistake once.
void RecordSheet(TResultStore& Store, qint64 Class, const QString& Pupil, int Minute)
{
    const std::optional<qint64> pupil = Store.AddPupil(Class, Pupil);
    QVERIFY(pupil);
    TMarkingRecord marking{*pupil, SheetCode,
                           QDateTime(QDate(2026, 12, 10), QTime(9, Minute), QTimeZone(9 * 3600)),
                           {{{"1kg 200g", "1kg 200g", true, TMistake::None},
                             {"850g", "800g", false, TMistake::Numeral},
                             {"2kg 50g", "2kg 60g", false, TMistake::OneMarkOff},
                             {"1.25kg", "1250kg", false, TMistake::KilogramsAndGrams},
                             {"300g", "700g", false, TMistake::WrongSide},
                             {"3kg 400g", "3kg 200g", false, TMistake::MarkSize}}}};
    QVERIFY(Store.RecordMarking(marking));
}

// The rows RecordSheet leaves, %1 the time, %2 the class, %3 the pupil as CSV writes them.
const QString SheetRows = QStringLiteral("%1,%2,%3,ABCDE-FGHJK-MNPQ,1,1kg 200g,1kg 200g,right,\r\n"
                                         "%1,%2,%3,ABCDE-FGHJK-MNPQ,2,850g,800g,wrong,numeral\r\n"
                                         "%1,%2,%3,ABCDE-FGHJK-MNPQ,3,2kg 50g,2kg 60g,wrong,one-mark-off\r\n"
                                         "%1,%2,%3,ABCDE-FGHJK-MNPQ,4,1.25kg,1250kg,wrong,kg-and-g\r\n"
                                         "%1,%2,%3,ABCDE-FGHJK-MNPQ,5,300g,700g,wrong,wrong-side\r\n"
                                         "%1,%2,%3,ABCDE-FGHJK-MNPQ,6,3kg 400g,3kg 200g,wrong,mark-size\r\n");
// After the byte order mark that the file starts with.
const QString Heading = QStringLiteral(
    "date_time,class,pupil,sheet_code,problem,right_answer,pupil_answer,result,mistake\r\n");

const QByteArray Bom("\xEF\xBB\xBF");

QByteArray Bytes(const QString& Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

}  // namespace

class TestResultStore : public QObject {
    Q_OBJECT

private slots:
    void answersComeBackAsCsvRows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cell");  // the name as the CSV writes it
        QTest::newRow("plain") << QStringLiteral("はると") << QStringLiteral("はると");
        QTest::newRow("comma") << QStringLiteral("Sato, Ken") << QStringLiteral("\"Sato, Ken\"");
        QTest::newRow("quotes") << QStringLiteral("Ken \"K\" Sato") << QStringLiteral("\"Ken \"\"K\"\" Sato\"");
        QTest::newRow("newline") << QStringLiteral("Ken\nSato") << QStringLiteral("\"Ken\nSato\"");
        QTest::newRow("formula") << QStringLiteral("=cmd|' /C calc'!A0") << QStringLiteral("'=cmd|' /C calc'!A0");
        QTest::newRow("formula, quoted") << QStringLiteral("=HYPERLINK(\"x\",\"y\")")
                                         << QStringLiteral("\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"");
        QTest::newRow("plus") << QStringLiteral("+1") << QStringLiteral("'+1");
        QTest::newRow("minus") << QStringLiteral("-1+2") << QStringLiteral("'-1+2");
        QTest::newRow("at") << QStringLiteral("@SUM(1)") << QStringLiteral("'@SUM(1)");
        QTest::newRow("tab") << QStringLiteral("\tKen") << QStringLiteral("'\tKen");
        QTest::newRow("apostrophe inside") << QStringLiteral("O'Brien") << QStringLiteral("O'Brien");
    }

    void answersComeBackAsCsvRows()
    {
        QFETCH(QString, name);
        QFETCH(QString, cell);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("classes.sqlite"));
        qint64 second = 0;
        {
            const TStoreOpening opening = TResultStore::Open(path);
            QVERIFY2(opening.Store, qPrintable(opening.Refusal));
            const QDateTime morning(QDate(2026, 12, 10), QTime(8, 30), QTimeZone(9 * 3600));
            const std::optional<qint64> first = opening.Store->AddClass(QStringLiteral("4-1"), morning);
            second = opening.Store->AddClass(QStringLiteral("4-2"), morning).value_or(0);
            QVERIFY(first && second);
            RecordSheet(*opening.Store, second, QStringLiteral("ゆい"), 20);
            RecordSheet(*opening.Store, *first, name, 10);
            // Her first sheet made ゆい pupil 1; coming back, she is pupil 1 again.
            QCOMPARE(opening.Store->AddPupil(second, QStringLiteral("ゆい")).value_or(0), 1);
            // A marking of a pupil nobody added is not kept, nor any of its answers.
            QVERIFY(!opening.Store->RecordMarking({999, SheetCode, morning, {}}));
        }
        const TStoreOpening reopened = TResultStore::Open(path, TResultStore::crExisting);
        QVERIFY2(reopened.Store, qPrintable(reopened.Refusal));
        QCOMPARE(reopened.Store->Classes().size(), 2u);
        QBuffer all, one;
        all.open(QIODevice::WriteOnly);
        one.open(QIODevice::WriteOnly);
        QVERIFY(reopened.Store->WriteCsv(all));
        QVERIFY(reopened.Store->WriteCsv(one, second));
        const QString secondRows = SheetRows.arg(QStringLiteral("2026-12-10T09:20:00+09:00"), QStringLiteral("4-2"),
                                                 QStringLiteral("ゆい"));
        QCOMPARE(all.data(), Bom + (Heading + SheetRows.arg(QStringLiteral("2026-12-10T09:10:00+09:00"),
                                                            QStringLiteral("4-1"), cell) + secondRows).toUtf8());
        QCOMPARE(one.data(), Bom + (Heading + secondRows).toUtf8());
    }

    // Each file is given to the store and to the program's export, with nothing else
    // in its folder; statements make an SQLite file, bytes write any other file.
    void dataFilesRefusedUntouched_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal");  // %1 the file; empty: a store of ours
        QTest::newRow("ours") << QStringList() << QByteArray() << QString();
        // The first layout, as the first class server wrote it: read, and brought up to date.
        QTest::newRow("first layout")
            << QStringList{"CREATE TABLE classes (id INTEGER PRIMARY KEY, code TEXT NOT NULL, started TEXT NOT NULL)",
                           "CREATE TABLE pupils (id INTEGER PRIMARY KEY, class_id INTEGER NOT NULL REFERENCES "
                           "classes(id), name TEXT NOT NULL, UNIQUE (class_id, name))",
                           "CREATE TABLE markings (id INTEGER PRIMARY KEY, pupil_id INTEGER NOT NULL REFERENCES "
                           "pupils(id), sheet_code TEXT NOT NULL, marked_at TEXT NOT NULL)",
                           "CREATE TABLE answers (marking_id INTEGER NOT NULL REFERENCES markings(id), problem "
                           "INTEGER NOT NULL CHECK (problem BETWEEN 1 AND 6), right_answer TEXT NOT NULL, "
                           "pupil_answer TEXT NOT NULL, is_right INTEGER NOT NULL, mistake TEXT NOT NULL, "
                           "PRIMARY KEY (marking_id, problem))",
                           "PRAGMA application_id = 1262834516", "PRAGMA user_version = 1",
                           "INSERT INTO classes VALUES (1, '4-1', '2026-12-10T08:30:00+09:00')",
                           "INSERT INTO pupils VALUES (1, 1, 'はると')",
                           "INSERT INTO markings VALUES (1, 1, 'ABCDE-FGHJK-MNPQ', '2026-12-10T09:10:00+09:00')",
                           "INSERT INTO answers VALUES (1, 1, '1kg 200g', '1kg 200g', 1, ''), "
                           "(1, 2, '850g', '800g', 0, 'numeral'), (1, 3, '2kg 50g', '2kg 60g', 0, 'one-mark-off'), "
                           "(1, 4, '1.25kg', '1250kg', 0, 'kg-and-g'), (1, 5, '300g', '700g', 0, 'wrong-side'), "
                           "(1, 6, '3kg 400g', '3kg 200g', 0, 'mark-size')"}
            << QByteArray() << QString();
        QTest::newRow("newer") << QStringList{"PRAGMA application_id = 1262834516", "PRAGMA user_version = 3",
                                              "CREATE TABLE classes (id INTEGER)"}
                               << QByteArray() << Texts::StoreNewer.Text();
        QTest::newRow("another program's") << QStringList{"CREATE TABLE notes (text TEXT)"} << QByteArray()
                                           << Texts::StoreNotOurs.Text();
        QTest::newRow("garbage") << QStringList() << QByteArray("not a database\n").repeated(300)
                                 << Texts::StoreNotOurs.Text();
    }

    void dataFilesRefusedUntouched()
    {
        QFETCH(QStringList, statements);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("classes.sqlite"));
        if (statements.isEmpty() && bytes.isEmpty()) {
            const TStoreOpening opening = TResultStore::Open(path);
            const std::optional<qint64> added =
                opening.Store->AddClass(QStringLiteral("4-1"), QDateTime::currentDateTime());
            RecordSheet(*opening.Store, added.value_or(0), QStringLiteral("はると"), 10);
        } else if (!statements.isEmpty()) {
            {
                QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
                database.setDatabaseName(path);
                QVERIFY(database.open());
                for (const QString& statement : statements)
                    QVERIFY(QSqlQuery(database).exec(statement));
            }
            QSqlDatabase::removeDatabase(QStringLiteral("maker"));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        const QByteArray before = Bytes(path);
        const QString expected = refusal.isEmpty() ? QString() : refusal.arg(path);
        {
            const TStoreOpening opening = TResultStore::Open(path, TResultStore::crExisting);
            QCOMPARE(opening.Refusal, expected);
            // A class from before classes could go on after a stop is never taken up again.
            if (QTest::currentDataTag() == QLatin1String("first layout"))
                QVERIFY(opening.Store && opening.Store->Classes().size() == 1 && !opening.Store->LastOpenClass());
        }

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program.setProcessEnvironment(env);
        const QString csv = dir.filePath(QStringLiteral("out.csv"));
        program.start(QStringLiteral(KESTRUM_BINARY),
                      {QStringLiteral("--results"), csv, QStringLiteral("--data"), path});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
                 refusal.isEmpty() ? QString() : QStringLiteral("kestrum: %1\n").arg(expected));
        QCOMPARE(program.exitCode(), refusal.isEmpty() ? 0 : 2);
        QStringList left{QStringLiteral("classes.sqlite")};
        if (refusal.isEmpty()) {
            left.append(QStringLiteral("out.csv"));
            const QString rows = SheetRows.arg(QStringLiteral("2026-12-10T09:10:00+09:00"), QStringLiteral("4-1"),
                                               QStringLiteral("はると"));
            QCOMPARE(Bytes(csv), Bom + (Heading + rows).toUtf8());
        } else {
            QCOMPARE(Bytes(path), before);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), left);
    }
};

QTEST_MAIN(TestResultStore)
#include "test_result_store.moc"
