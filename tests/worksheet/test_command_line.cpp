// `kestrum --pdf FILE` on a machine with no display: the set is written and the
// program exits; the same options and seed give the same pages; bad input is
// refused with one line on standard error, exit status 2 and no file.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <set>

#include <dirent.h>

namespace {

struct TRun {
    int Status;
    QString Error;
    QByteArray Output;
};

// Runs the program with no X server and no platform chosen, as on a school server, in
// Folder where one is given; Environment adds to or overrides the inherited variables.
TRun Kestrum(const QStringList& Arguments, const QString& Folder = {},
             const QList<QPair<QString, QString>>& Environment = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const auto& [name, value] : Environment)
        env.insert(name, value);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(Folder);
    process.start(QStringLiteral(KESTRUM_BINARY), Arguments);
    if (!process.waitForFinished(60000))
        return {-1, QStringLiteral("did not finish"), {}};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()), process.readAllStandardOutput()};
}

// A refusal as a script sees it: status 2, and one line on standard error saying Named.
bool RefusedInOneLine(const TRun& Run, const QString& Named)
{
    return Run.Status == 2 && Run.Error.endsWith(QLatin1Char('\n')) && Run.Error.count(QLatin1Char('\n')) == 1 &&
           Run.Error.contains(Named) && Run.Output.isEmpty();
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

    void aDrawSetComesBackFromItsCode()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext not found: install poppler-utils (scripts/setup.sh)");
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.pdf")), b = dir.filePath(QStringLiteral("b.pdf"));
        QCOMPARE(Kestrum({QStringLiteral("--pdf"), a, QStringLiteral("--kind"), QStringLiteral("draw"),
                          QStringLiteral("--unit"), QStringLiteral("kg"), QStringLiteral("--seed"),
                          QStringLiteral("2026"), QStringLiteral("--answers"), QStringLiteral("each")}).Status, 0);
        const QString text = Text(a);
        QVERIFY(text.contains(QStringLiteral("はりをかきましょう。")));
        QVERIFY(text.contains(QStringLiteral("問題:はりをかく")));
        const QString code = text.split(QRegularExpression(QStringLiteral("\\s+")))
                                 .filter(QRegularExpression(QStringLiteral("^\\w{5}-\\w{5}-\\w{4}$"))).value(0);
        QVERIFY(!code.isEmpty());
        QCOMPARE(Kestrum({QStringLiteral("--pdf"), b, QStringLiteral("--code"), code, QStringLiteral("--answers"),
                          QStringLiteral("each")}).Status, 0);
        QCOMPARE(Text(b), text);
    }

    // Fewer numerals and mixed capacities: the summary names them, and the sheet's long
    // code brings back the same pages.
    void newSettingsComeBackFromTheirLongCode_data()
    {
        QTest::addColumn<QStringList>("Options");
        QTest::addColumn<QStringList>("Summary");
        QTest::addRow("10kg large only") << QStringList{"--capacity", "10", "--numerals", "large"}
                                         << QStringList{"重量:10kg, ", "刻み:100g, 数字:大きい数字だけ 範囲:0g"};
        QTest::addRow("mixed up to 5kg, ends only")
            << QStringList{"--mix", "--capacity", "5", "--numerals", "ends"}
            << QStringList{"重量:いろいろ(〜5kg), ", "刻み:いろいろ, 数字:両はしだけ", "範囲:全体, "};
        QTest::addRow("mixed up to 2kg") << QStringList{"--mix"}
                                         << QStringList{"重量:いろいろ(〜2kg), ", "刻み:いろいろ", "範囲:全体, "};
    }

    void newSettingsComeBackFromTheirLongCode()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext not found: install poppler-utils (scripts/setup.sh)");
        QFETCH(QStringList, Options);
        QFETCH(QStringList, Summary);
        QTemporaryDir dir;
        const QString a = dir.filePath(QStringLiteral("a.pdf")), b = dir.filePath(QStringLiteral("b.pdf"));
        const QStringList each{QStringLiteral("--answers"), QStringLiteral("each"), QStringLiteral("--sheets"),
                               QStringLiteral("3")};
        QCOMPARE(Kestrum(QStringList{QStringLiteral("--pdf"), a, QStringLiteral("--seed"), QStringLiteral("7")} +
                         Options + each).Status, 0);
        const QString text = Text(a);
        for (const QString& part : Summary)
            QVERIFY2(text.contains(part), qPrintable(part + u'\n' + text));
        const QString code = text.split(QRegularExpression(QStringLiteral("\\s+")))
                                 .filter(QRegularExpression(QStringLiteral("^\\w{5}-\\w{5}-\\w{5}$"))).value(0);
        QVERIFY2(!code.isEmpty(), qPrintable(text));
        QCOMPARE(Kestrum(QStringList{QStringLiteral("--pdf"), b, QStringLiteral("--code"), code} + each).Status, 0);
        QCOMPARE(Text(b), text);
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
            {{QStringLiteral("--kind"), QStringLiteral("write")}, QStringLiteral("read|draw")},
            {{QStringLiteral("--kind"), QStringLiteral("draw"), QStringLiteral("--view"), QStringLiteral("enlarged")},
             QStringLiteral("--view")},
            {{QStringLiteral("--numerals"), QStringLiteral("some")}, QStringLiteral("all|large|ends")},
            {{QStringLiteral("--capacity"), QStringLiteral("1"), QStringLiteral("--mix")}, QStringLiteral("--mix")},
            {{QStringLiteral("--mix"), QStringLiteral("--step"), QStringLiteral("100g")}, QStringLiteral("--step")},
            {{QStringLiteral("--mix"), QStringLiteral("--min"), QStringLiteral("100")}, QStringLiteral("--min")},
            {{QStringLiteral("--step-up")}, QStringLiteral("--step-up: practice is on screen")},
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

    // A school's script, over ssh or from cron: each mistake ends at once with status 2 and
    // one line, before Qt's platform can abort, and nothing is written, neither the file
    // nor a part of one. A value is echoed on one line and cut short.
    void scriptMistakesEndInOneLine()
    {
        QTemporaryDir dir;
        const auto words = [](const char* Line) { return QString::fromUtf8(Line).split(QLatin1Char(' ')); };
        const QString noisy = QStringLiteral("kg\n\x1b[31mred") + QString(250, QLatin1Char('x'));
        const QList<QPair<QStringList, QString>> cases{
            {words("--sheets 0"), QStringLiteral("--sheets")},
            {words("--PDF x.pdf"), QStringLiteral("\"--PDF\"")},
            {words("-pdf x.pdf"), QStringLiteral("\"-pdf\"")},
            {words("-style fusion"), QStringLiteral("unknown option \"-style\"")},
            {words("--help-all"), QStringLiteral("unknown option \"--help-all\"")},
            {words("--sheets 2 --pdf"), QStringLiteral("--pdf: expected a file name")},
            {words("--pdf x.pdf --capacity"), QStringLiteral("--capacity: expected a value")},
            // The upper box, as the lower, stops at the capacity.
            {words("--pdf x.pdf --capacity 2 --max 3000"), QStringLiteral("--max: expected grams from 0 to the capacity, 2000")},
            {words("--pdf x.pdf --max 131071"), QStringLiteral("--max")},
            {words("--sheets 3"), QStringLiteral("no display: use --pdf FILE")},
            // The ladder takes the unit and language as given and gets as far as the window.
            {words("--practice --step-up --unit kg --lang en"), QStringLiteral("no display")},
            {words("--step-up --capacity 5"), QStringLiteral("--step-up: the ladder chooses the sheets; give no --capacity")},
            {words("--pdf --help"), QStringLiteral("--pdf")},
            {words("--seed -v --seed 3 --pdf x.pdf"), QStringLiteral("--seed")},
            {words("--unit --pdf=x.pdf --unit kg"), QStringLiteral("--unit")},
            // 1500 g to 1800 g in steps of 100 g: four weights, fewer than a sheet's six.
            {words("--pdf x.pdf --min 1500 --max 1800"), QStringLiteral("six")},
            {words("--results x.csv --pdf y.pdf"), QStringLiteral("--results: writes the class results alone; give no --pdf")},
            {words("--pdf x.pdf --data d.sqlite"), QStringLiteral("--data: names the results file for --results")},
            {words("--results x.csv --results"), QStringLiteral("--results: expected a value")},
            {words("--serve --pdf x.pdf"), QStringLiteral("--serve: serves a class alone; give no --pdf")},
            {words("--serve --seed 3"), QStringLiteral("--serve: serves a class alone; give no --seed")},
            {words("--port 8000"), QStringLiteral("--port: for --serve")},
            {words("--serve --port 65536"), QStringLiteral("--port")},
            // An export makes no results file where the name is wrong.
            {words("--results x.csv --data typo.sqlite"), QStringLiteral("typo.sqlite がありません")},
            {{QStringLiteral("--pdf"), QStringLiteral("x.pdf"), QStringLiteral("--unit"), noisy},
             QStringLiteral("\"kg\\n\\x1b[31mredxxx")},
        };
        for (const auto& [arguments, named] : cases) {
            const TRun run = Kestrum(arguments, dir.path());
            QVERIFY2(RefusedInOneLine(run, named) && run.Error.size() < 150,
                     qPrintable(arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") + run.Error));
        }
        // A display that is named but cannot be opened.
        QVERIFY(RefusedInOneLine(Kestrum({}, dir.path(), {{QStringLiteral("DISPLAY"), QStringLiteral(":1999")}}),
                                 QStringLiteral("no display")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList{});
    }

    // `--pdf -` sends the set down a pipe: the PDF on standard output, the same pages as
    // the file, and no file at all.
    void writesToStandardOutput()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext not found: install poppler-utils (scripts/setup.sh)");
        QTemporaryDir dir, files;
        const QStringList options{QStringLiteral("--seed"), QStringLiteral("4242"), QStringLiteral("--answers"),
                                  QStringLiteral("list")};
        const TRun piped = Kestrum(QStringList{QStringLiteral("--pdf"), QStringLiteral("-")} + options, dir.path());
        QCOMPARE(piped.Status, 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList{});
        QVERIFY(piped.Output.startsWith("%PDF-") && piped.Output.trimmed().endsWith("%%EOF"));
        QFile received(files.filePath(QStringLiteral("piped.pdf")));
        QVERIFY(received.open(QIODevice::WriteOnly) && received.write(piped.Output) == piped.Output.size());
        received.close();
        const QString file = files.filePath(QStringLiteral("file.pdf"));
        QCOMPARE(Kestrum(QStringList{QStringLiteral("--pdf"), file} + options).Status, 0);
        const QString text = Text(file);
        QVERIFY(text.contains(QStringLiteral("重量:2kg")));
        QCOMPARE(Text(received.fileName()), text);
    }

    // A script passes the file name as bytes, and they need not be UTF-8 (a Latin-1 folder,
    // say), nor free of invisible characters: the PDF gets exactly that name, and a file
    // named without them is left alone.
    void writesTheNameAsGiven()
    {
        const QStringList printed{QStringLiteral("Sch\\374ler.pdf"), QStringLiteral("\\357\\273\\277notes.pdf")};
        const std::set<QByteArray> written{"Sch\xfcler.pdf", "\xef\xbb\xbfnotes.pdf", "notes.pdf"};
        QTemporaryDir dir;
        QFile notes(dir.filePath(QStringLiteral("notes.pdf")));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("kept") == 4);
        notes.close();
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        shell.setProcessEnvironment(env);
        shell.setWorkingDirectory(dir.path());
        shell.start(QStringLiteral("/bin/sh"),
                    QStringList{QStringLiteral("-c"),
                                QStringLiteral("for name; do \"$0\" --pdf \"$(printf \"$name\")\" || exit; done"),
                                QStringLiteral(KESTRUM_BINARY)} + printed);
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 0);
        std::set<QByteArray> names;
        if (DIR* folder = ::opendir(QFile::encodeName(dir.path()).constData())) {
            while (const dirent* entry = ::readdir(folder))
                if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                    names.emplace(entry->d_name);
            ::closedir(folder);
        }
        QCOMPARE(names, written);
        QVERIFY(notes.open(QIODevice::ReadOnly));
        QCOMPARE(notes.readAll(), QByteArray("kept"));
    }

    // Where the worksheet's faces are missing its texts would come out as boxes: the run is
    // refused, naming the package that brings them, and writes nothing.
    void missingFontsAreRefused()
    {
        QTemporaryDir dir;
        QFile config(dir.filePath(QStringLiteral("fonts.conf")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
        config.close();
        const TRun run = Kestrum({QStringLiteral("--pdf"), QStringLiteral("x.pdf")}, dir.path(),
                                 {{QStringLiteral("FONTCONFIG_FILE"), config.fileName()}});
        QVERIFY2(RefusedInOneLine(run, QStringLiteral("fonts-ipafont-gothic")), qPrintable(run.Error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{QStringLiteral("fonts.conf")});
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
