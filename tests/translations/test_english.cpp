// Kestrum in English: the window with its settings panel open and the class set dialog,
// and the pages the program writes, hold no Japanese character and read in English;
// Japanese stays where the desktop names no language. And the rule choosing between them.

#include "../common/WorksheetDriver.h"
#include "../printing/PdfProbe.h"
#include "Texts.h"
#include "Translations.h"
#include "window/DialogPrintSet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <vector>

namespace {

// Kana, kanji, CJK punctuation and the full-width forms: what an untranslated text shows.
bool IsCjk(char32_t C)
{
    return (C >= 0x3000 && C <= 0x30FF) || (C >= 0x3400 && C <= 0x9FFF) || (C >= 0xF900 && C <= 0xFAFF) ||
           (C >= 0xFF00 && C <= 0xFFEF);
}

QString CjkIn(const QString& Text)
{
    for (const char32_t c : Text.toUcs4())
        if (IsCjk(c))
            return Text;
    return {};
}

// Every text a user can read on the widget and its visible children.
QStringList ShownTexts(QWidget& Top)
{
    QStringList texts{Top.windowTitle()};
    QList<QWidget*> widgets = Top.findChildren<QWidget*>();
    widgets.prepend(&Top);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(&Top) && w != &Top)
            continue;
        texts << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << group->title();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
    }
    texts.removeAll(QString());
    return texts;
}

// The program itself, run from a shell with the locale variables given.
QString RunKestrum(const QStringList& Locale, const QStringList& Arguments, const QString& Pdf)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE", "DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    for (const QString& setting : Locale)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess kestrum;
    kestrum.setProcessEnvironment(env);
    kestrum.start(QStringLiteral(KESTRUM_BINARY),
                  QStringList{QStringLiteral("--pdf"), Pdf, QStringLiteral("--sheets"), QStringLiteral("2"),
                              QStringLiteral("--seed"), QStringLiteral("7")} + Arguments);
    if (!kestrum.waitForFinished(120000) || kestrum.exitCode() != 0)
        return QStringLiteral("kestrum failed: ") + QString::fromUtf8(kestrum.readAllStandardError());
    return PdfProbe::Text(Pdf);
}

}  // namespace

class TestEnglish : public QObject {
    Q_OBJECT

private slots:
    void languageRule_data()
    {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("requested");
        QTest::addColumn<bool>("english");
        QTest::newRow("Japanese desktop") << "" << "" << "ja_JP.UTF-8" << "" << "" << false;
        QTest::newRow("English desktop") << "" << "" << "en_US.UTF-8" << "" << "" << true;
        QTest::newRow("French desktop") << "" << "" << "fr_FR.UTF-8" << "" << "" << true;
        QTest::newRow("German, no region") << "" << "" << "de" << "" << "" << true;
        QTest::newRow("nothing set") << "" << "" << "" << "" << "" << false;
        QTest::newRow("C") << "" << "" << "C" << "" << "" << false;
        QTest::newRow("C.UTF-8") << "" << "" << "C.UTF-8" << "" << "" << false;
        QTest::newRow("POSIX") << "" << "" << "POSIX" << "" << "" << false;
        QTest::newRow("LC_ALL before LANG") << "en_GB.UTF-8" << "" << "ja_JP.UTF-8" << "" << "" << true;
        QTest::newRow("LC_ALL=C before LANG") << "C" << "" << "en_US.UTF-8" << "" << "" << false;
        QTest::newRow("LC_MESSAGES before LANG") << "" << "ja_JP.UTF-8" << "de_DE.UTF-8" << "" << "" << false;
        QTest::newRow("LANGUAGE's first") << "" << "" << "en_US.UTF-8" << "ja:en" << "" << false;
        QTest::newRow("LANGUAGE under C") << "" << "" << "C.UTF-8" << "en" << "" << false;
        QTest::newRow("--lang en on Japanese") << "" << "" << "ja_JP.UTF-8" << "" << "en" << true;
        QTest::newRow("--lang ja on English") << "en_US.UTF-8" << "" << "" << "" << "ja" << false;
    }

    void languageRule()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, language);
        QFETCH(QString, requested);
        QFETCH(bool, english);
        const TLanguage chosen = ChosenLanguage(LanguageNamed(requested), {lcAll, lcMessages, lang, language});
        QCOMPARE(chosen == lgEnglish, english);
    }

    void englishWindow()
    {
        QVERIFY(InstallTranslations(*qApp, lgEnglish));
        // Counts take the plural forms.
        QCOMPARE(Texts::PracticeTally.Counting(1).arg(5).arg(6), QStringLiteral("So far: 1 sheet, 5/6 right"));
        QCOMPARE(Texts::PracticeTally.Counting(3).arg(16).arg(18), QStringLiteral("So far: 3 sheets, 16/18 right"));
        Sheet sheet;
        sheet.Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet.Form.get()));
        QTest::mouseClick(sheet.Find<QPushButton>("ButtonStart"), Qt::LeftButton);
        QVERIFY(sheet.Find<QGroupBox>("GroupBoxStart")->isVisible());
        // The panel's title is translated apart from the button that opens it.
        QCOMPARE(sheet.Find<QGroupBox>("GroupBoxStart")->title(), QStringLiteral("Settin&gs"));
        TDialogPrintSet dialog(sheet.Form->Sheet(), sheet.Form->SheetPrinter(), sheet.Form.get());
        dialog.show();

        const QStringList window = ShownTexts(*sheet.Form), set = ShownTexts(dialog);
        for (const QString& text : window + set)
            QVERIFY2(CjkIn(text).isEmpty(), qPrintable(QStringLiteral("untranslated: ") + text));
        QCOMPARE(sheet.Text("LabelMondai"), QStringLiteral("How heavy is it?"));
        QVERIFY(sheet.Text("LabelGappiNamae").contains(QStringLiteral("Date")));
        QVERIFY(sheet.Text("LabelGappiNamae").contains(QStringLiteral("Name")));
        QCOMPARE(sheet.Text("LabelHyoudai1"), QStringLiteral("Capacity: 2kg, Marks: dense, Step: 100g"));
        QCOMPARE(sheet.Text("LabelHyoudai2"), QStringLiteral("Range: 0g – 2kg, View: whole, Unit: kg, g"));
        // The two summary lines stand apart as the Japanese ones do, and the panel names the
        // density with the summary's word.
        const auto* line1 = sheet.Find<QWidget>("LabelHyoudai1");
        const int space = line1->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        QVERIFY(sheet.Find<QWidget>("LabelHyoudai2")->x() >= line1->x() + line1->width() + 3 * space);
        QVERIFY(ShownTexts(*sheet.Form).contains(QStringLiteral("Dense")));

        // Every button has its accelerator, and no key stands for two controls.
        std::map<int, QString> keys;
        for (QWidget* top : {static_cast<QWidget*>(sheet.Form.get()), static_cast<QWidget*>(&dialog)}) {
            keys.clear();
            for (QWidget* w : top->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(top) || w->window() != top)
                    continue;
                QString text;
                if (auto* button = qobject_cast<QAbstractButton*>(w); button && !qobject_cast<QRadioButton*>(w))
                    text = button->text();
                else if (auto* group = qobject_cast<QGroupBox*>(w))
                    text = group->title();
                const int key = QKeySequence::mnemonic(text)[0].toCombined();
                if (qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w))
                    QVERIFY2(key != 0 || text == QStringLiteral("Close"), qPrintable(text));
                if (key == 0)
                    continue;
                QVERIFY2(keys.emplace(key, text).second, qPrintable(text + QStringLiteral(" and ") + keys[key]));
            }
        }
    }

    void englishPages()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("set.pdf"));
        const QString fromDesktop =
            RunKestrum({QStringLiteral("LANG=en_US.UTF-8")}, {QStringLiteral("--answers"), QStringLiteral("each")}, pdf);
        const QString fromOption = RunKestrum({QStringLiteral("LC_ALL=C")},
                                              {QStringLiteral("--lang"), QStringLiteral("en"),
                                               QStringLiteral("--answers"), QStringLiteral("list"),
                                               QStringLiteral("--kind"), QStringLiteral("draw")},
                                              pdf);
        for (const QString& text : {fromDesktop, fromOption}) {
            QVERIFY2(CjkIn(text).isEmpty(), qPrintable(text));
            for (const char* words : {"Date", "Name", "Capacity: 2kg", "Marks: dense", "Step: 100g", "Range: 0g",
                                      "View: whole", "Unit: kg, g"})
                QVERIFY2(text.contains(QLatin1String(words)), words);
        }
        QVERIFY(fromDesktop.contains(QStringLiteral("How heavy is it?")));
        QCOMPARE(fromDesktop.count(QStringLiteral("Answers")), 2);
        for (const char* words : {"Draw the needles", "Exercise: draw", "Answer list", "No.", "Code", "Q1", "Q6"})
            QVERIFY2(fromOption.contains(QLatin1String(words)), words);

        // The longest foot, every choice named, on a set's page: its words, the sheet's
        // number and the code stand apart, none under another.
        RunKestrum({QStringLiteral("LC_ALL=C")},
                   {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--kind"), QStringLiteral("draw"),
                    QStringLiteral("--mix"), QStringLiteral("--capacity"), QStringLiteral("10"),
                    QStringLiteral("--numerals"), QStringLiteral("large")},
                   pdf);
        const QString boxes = QString::fromUtf8(PdfProbe::Run(QStringLiteral("pdftotext"),
                                                              {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                               QStringLiteral("1"), QStringLiteral("-bbox"), pdf,
                                                               QStringLiteral("-")})
                                                    .value_or(QByteArray()));
        static const QRegularExpression word(QStringLiteral(
            R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)<)re"));
        std::vector<std::pair<double, double>> foot;
        for (const QRegularExpressionMatch& m : word.globalMatch(boxes))
            if (m.captured(2).toDouble() > 560)  // the foot's line, in points from the top
                foot.emplace_back(m.captured(1).toDouble(), m.captured(3).toDouble());
        std::ranges::sort(foot);
        QVERIFY2(foot.size() > 20, qPrintable(boxes));
        for (std::size_t i = 1; i < foot.size(); ++i)
            QVERIFY2(foot[i - 1].second < foot[i].first, qPrintable(QString::number(foot[i].first)));

        // A Japanese desktop (whose font list names the faces in Japanese), and one that
        // names no language, keep their Japanese sheets.
        for (const QStringList& locale : {QStringList{QStringLiteral("LANG=ja_JP.UTF-8")},
                                          QStringList{QStringLiteral("LC_ALL=C"), QStringLiteral("LANG=en_US.UTF-8")}}) {
            const QString japanese = RunKestrum(locale, {}, pdf);
            QVERIFY2(japanese.contains(QStringLiteral("重さはいくらでしょう")), qPrintable(japanese));
            QVERIFY(!japanese.contains(QStringLiteral("How heavy")));
        }
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
