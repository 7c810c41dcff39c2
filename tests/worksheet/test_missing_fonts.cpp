// On a machine without the worksheet's faces the window still opens, and says once, in
// Japanese, which package brings them. The faces are hidden from this process by a
// fontconfig setup that lists no fonts at all.

#include "CommandLine.h"
#include "window/MainWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

class TestMissingFonts : public QObject {
    Q_OBJECT
private slots:
    void theWindowWarnsOnceAtStartUp()
    {
        TMainWindow window;
        StartWindow(ParseCommandLine({QStringLiteral("kestrum")}), window);
        QVERIFY(window.isVisible());
        const QList<QMessageBox*> boxes = window.findChildren<QMessageBox*>();
        QCOMPARE(boxes.size(), 1);
        const QMessageBox& box = *boxes.first();
        QVERIFY(box.isVisible());
        QCOMPARE(box.icon(), QMessageBox::Warning);
        QVERIFY2(box.text().contains(QStringLiteral("fonts-ipafont-gothic")) &&
                     box.text().contains(QStringLiteral("フォント")),
                 qPrintable(box.text()));
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("fonts.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write("<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n") < 0)
        return 1;
    file.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(config));
    QApplication app(argc, argv);
    TestMissingFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_missing_fonts.moc"
