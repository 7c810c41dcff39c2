// render_dial draws exactly the dial asked for, or refuses with its usage: a number
// out of its range is never narrowed to another one.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestRenderDial : public QObject {
    Q_OBJECT
private slots:
    void drawsWhatWasAskedOrRefusesWithItsUsage()
    {
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("dial.png"));
        const auto run = [&](const QStringList& Arguments) {
            QProcess tool;
            tool.start(QStringLiteral(RENDER_DIAL), QStringList{png} + Arguments);
            QVERIFY(tool.waitForFinished(60000));
            QVERIFY(tool.exitStatus() == QProcess::NormalExit);
            Exit = tool.exitCode();
            Errors = QString::fromLocal8Bit(tool.readAllStandardError());
        };

        run({"100", "99000", "200", "0", "1", "101", "1"});
        QCOMPARE(Exit, 0);
        QCOMPARE(QImage(png).size(), QSize(101, 101));
        QFile::remove(png);

        const QList<QStringList> refused{
            {"2", "0", "100", "1", "0", "70000"},  // past the largest diameter
            {"2", "0", "100", "1", "0", "0"},      // no dial at all
            {"2", "0", "300"},                     // zoom beyond 200 %
            {"2", "0", "99"},                      // zoom below 100 %
            {"2", "abc"},                          // not a number
            {"2", "12x"},                          // not a whole number
            {"2", "-5"},                           // no negative weights
            {"2", "2001"},                         // beyond the capacity
            {"3"},                                 // no 3 kg scales
            {"2", "0", "100", "2"},                // density is 0 or 1
            {"2", "0", "100", "1", "0", "285", "0", "3"},       // numerals are 0, 1 or 2
            {"2", "0", "100", "1", "0", "285", "0", "1", "0"},  // one argument too many
        };
        for (const QStringList& arguments : refused) {
            run(arguments);
            QVERIFY2(Exit != 0, qPrintable(arguments.join(' ')));
            QVERIFY2(Errors.contains(QStringLiteral("usage:")), qPrintable(arguments.join(' ')));
            QVERIFY2(!QFile::exists(png), qPrintable(arguments.join(' ')));
        }
    }

private:
    int Exit = -1;
    QString Errors;
};

QTEST_GUILESS_MAIN(TestRenderDial)
#include "test_render_dial.moc"
