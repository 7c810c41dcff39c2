// The class panel as a teacher drives it: "クラス" starts a class whose address shows as
// text and as a QR code that reads back to it; the class follows the settings panel to
// draw sheets; pupils join and mark over HTTP as tablets do and the board shows each of
// them, sorted by a header click; "終了" ends the class for the pupils; the answers go
// to a CSV file; and an earlier class shows again from the results file.

#include "CommandLine.h"
#include "controls/RadioGroup.h"
#include "window/MainWindow.h"
#include "window/UnitKestrum.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <httplib.h>

#include <future>

class TestClassPanel : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    std::unique_ptr<TMainWindow> FWindow;
    QString FAddress;
    int FPort = 0;
    QString FPupil;  // the key of the last pupil who joined

    template <typename T> T* Find(const char* Name) { return FWindow->findChild<T*>(QLatin1String(Name)); }

    // A tablet's request. The window answers on this thread, which runs its events
    // while the request waits on another.
    std::pair<int, QJsonObject> Call(const char* Method, const char* Path, const QJsonObject& Body = {})
    {
        std::future<std::pair<int, QJsonObject>> reply = std::async(std::launch::async, [=, this] {
            httplib::Client client("127.0.0.1", FPort);
            httplib::Headers headers{{"Authorization", "Bearer " + FPupil.toStdString()}};
            const std::string body = QJsonDocument(Body).toJson().toStdString();
            const httplib::Result result = std::string(Method) == "GET" ? client.Get(Path, headers)
                                                                        : client.Post(Path, headers, body, "application/json");
            return result ? std::pair(result->status, QJsonDocument::fromJson(QByteArray::fromStdString(result->body)).object())
                          : std::pair(0, QJsonObject());
        });
        while (reply.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
            QCoreApplication::processEvents();
        return reply.get();
    }

    // The board's rows as the teacher reads them, a row's cells joined by " | ".
    QStringList Board()
    {
        auto* table = Find<QTableWidget>("TableBoard");
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columnCount(); ++c)
                cells << table->item(r, c)->text();
            rows << cells.join(QStringLiteral(" | "));
        }
        return rows;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        FWindow = std::make_unique<TMainWindow>();
        StartWindow(ParseCommandLine({QStringLiteral("kestrum"), QStringLiteral("--data"), FDir.filePath(QStringLiteral("c.sqlite"))}),
                    *FWindow);
        QTest::mouseClick(Find<QPushButton>("ButtonClass"), Qt::LeftButton);
        QVERIFY(Find<QWidget>("PanelClass")->isVisible());
        FAddress = Find<QLabel>("LabelClassAddress")->text();
        const QRegularExpressionMatch address =
            QRegularExpression(QStringLiteral("^http://[0-9.]+:(\\d+)/\\?class=([2-9A-Z]{5})$")).match(FAddress);
        QVERIFY2(address.hasMatch(), qPrintable(FAddress));
        FPort = address.captured(1).toInt();
        QCOMPARE(Find<QLabel>("LabelClassCode")->text(), address.captured(2));
        // Pupils who join from now on draw the needles.
        Find<TRadioGroup>("RadioGroupExercise")->Button(1)->click();
    }

    void qrCodeReadsAsTheAddress()
    {
        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbarimg.isEmpty())
            QSKIP("zbarimg (zbar-tools) is not installed");
        const QString image = FDir.filePath(QStringLiteral("qr.png"));
        QVERIFY(Find<QWidget>("QrCodeClass")->grab().save(image));
        QProcess reader;
        reader.start(zbarimg, {QStringLiteral("--raw"), QStringLiteral("-q"), image});
        QVERIFY(reader.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()).trimmed(), FAddress);
    }

    // Each pupil marks a draw sheet with some needles one mark (10 g) off their weights,
    // and may mark it again with fewer: the sheet counts once, with its last marking.
    void boardShowsEachPupil_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("wrongs");  // needles off at each marking
        QTest::addColumn<QString>("row");
        QTest::newRow("all right") << QStringLiteral("あおい") << QList<int>{0}
                                   << QStringLiteral("あおい | 1 | 6 / 6 |  | ");
        QTest::newRow("two off") << QStringLiteral("<b>はると</b>") << QList<int>{2}
                                 << QStringLiteral("<b>はると</b> | 1 | 4 / 6 |  | 目もり1つずれ 2");
        QTest::newRow("marked again") << QStringLiteral("ゆい") << QList<int>{3, 1}
                                      << QStringLiteral("ゆい | 1 | 5 / 6 |  | 目もり1つずれ 1");
    }

    void boardShowsEachPupil()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, wrongs);
        QFETCH(QString, row);
        const QString code = Find<QLabel>("LabelClassCode")->text();
        FPupil = Call("POST", "/api/join", {{"class", code}, {"name", name}}).second[QStringLiteral("pupil")].toString();
        const QJsonObject sheet = Call("GET", "/api/sheet").second;
        QCOMPARE(sheet[QStringLiteral("kind")].toString(), QStringLiteral("draw"));
        for (const int wrong : wrongs) {
            QJsonArray needles;
            for (int i = 0; i < 6; ++i) {
                const int weight = sheet[QStringLiteral("dials")][i][QStringLiteral("weight")].toInt();
                needles << QString::number(i >= wrong ? weight : weight < 1000 ? weight + 10 : weight - 10);
            }
            QCOMPARE(Call("POST", "/api/mark", {{"answers", needles}}).first, 200);
        }
        QTRY_VERIFY_WITH_TIMEOUT(Board().contains(row), 2000);
    }

    void boardSortsByAnyColumn()
    {
        QTRY_COMPARE(Find<QLabel>("LabelClassMistakes")->text(),
                     QStringLiteral("クラスのまちがい: 目もり1つずれ 3、kgとg 0、1目もりの大きさ 0、近くの数字 0、反対からかぞえる 0"));
        QHeaderView* header = Find<QTableWidget>("TableBoard")->horizontalHeader();
        const int right = 2;
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(right) + 5, 5));
            QCOMPARE(header->sortIndicatorSection(), right);
            const bool ascending = header->sortIndicatorOrder() == Qt::AscendingOrder;
            QVERIFY2(Board().first().contains(ascending ? QStringLiteral("4 / 6") : QStringLiteral("6 / 6")),
                     qPrintable(Board().join(QLatin1Char('\n'))));
        }
    }

    void endedClassRefusesPupils()
    {
        QTest::mouseClick(Find<QPushButton>("ButtonClassEnd"), Qt::LeftButton);
        QCOMPARE(Call("GET", "/api/sheet").first, 410);
        QCOMPARE(Call("POST", "/api/mark", {{"answers", QJsonArray{"1", "2", "3", "4", "5", "6"}}}).first, 410);
    }

    void answersGoToCsv()
    {
        const QString csv = FDir.filePath(QStringLiteral("class.csv"));
        QTimer::singleShot(0, this, [csv] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                    dialog->selectFile(csv);
                    static_cast<QDialog*>(dialog)->accept();
                }
        });
        QTest::mouseClick(Find<QPushButton>("ButtonClassCsv"), Qt::LeftButton);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // A heading, then six answers for each of the four markings.
        QCOMPARE(file.readAll().count('\n'), 1 + 4 * 6);
    }

    // A new class starts; the one before shows again from the results file, each
    // pupil's sheets counted once.
    void earlierClassShowsAgain()
    {
        const QStringList ended = Board();
        QTest::mouseClick(Find<QPushButton>("ButtonClass"), Qt::LeftButton);
        QVERIFY(Board().isEmpty());
        auto* classes = Find<QComboBox>("ComboClasses");
        QCOMPARE(classes->count(), 2);
        classes->setCurrentIndex(1);
        QCOMPARE(Board(), ended);
    }
};

QTEST_MAIN(TestClassPanel)
#include "test_class_panel.moc"
