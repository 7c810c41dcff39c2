#pragma once
// Runs a test on one offscreen screen of a netbook's 1024 × 600, the smallest screen the
// window and the preview must serve.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

template <typename TTest> int RunOnNetbookScreen(int argc, char** argv)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "netbook", "x": 0, "y": 0, "width": 1024,
                       "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96,
                       "dpr": 1.0}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", QFile::encodeName(QStringLiteral("offscreen:configfile=") + config));
    QApplication app(argc, argv);
    TTest test;
    return QTest::qExec(&test, argc, argv);
}
