// The teacher ticks "答え(&E)": each dial's answer shows in red by its blank, in the
// blank's own form, on screen and on the printed page; unticked, nothing of it shows.

#include "PdfProbe.h"
#include "printing/SheetPrinter.h"
#include "WorksheetDriver.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// 5 kg at 50 g, with weights around the kilogram boundary and whole kilograms.
TSheet BoundarySheet()
{
    TSheet sheet;
    sheet.Settings.Capacity = 2;
    sheet.Settings.Step = 2;
    sheet.Settings.RangeMax = 5000;
    sheet.Weights = {999, 1000, 1250, 50, 2000, 4990};
    return sheet;
}

QStringList Keys(const Sheet& Driver)
{
    QStringList keys;
    for (int i = 1; i <= ProblemCount; ++i)
        keys << Driver.Text(QByteArray("LabelKey" + QByteArray::number(i)).constData());
    return keys;
}

}  // namespace

class TestAnswerKeys : public QObject {
    Q_OBJECT
private slots:
    void answersAreWrittenInTheBlanksForm()
    {
        const QString dot = QStringLiteral(".");
        QCOMPARE(AnswerText(auGrams, 1250, dot), QStringLiteral("1250g"));
        QCOMPARE(AnswerText(auKilograms, 1250, dot), QStringLiteral("1.25kg"));
        QCOMPARE(AnswerText(auKilograms, 1000, dot), QStringLiteral("1kg"));
        QCOMPARE(AnswerText(auKilograms, 50, dot), QStringLiteral("0.05kg"));
        QCOMPARE(AnswerText(auKilograms, 99500, QStringLiteral(",")), QStringLiteral("99,5kg"));
        QCOMPARE(AnswerText(auKilogramsAndGrams, 1250, dot), QStringLiteral("1kg 250g"));
        QCOMPARE(AnswerText(auKilogramsAndGrams, 2000, dot), QStringLiteral("2kg"));
        QCOMPARE(AnswerText(auKilogramsAndGrams, 999, dot), QStringLiteral("999g"));
        QCOMPARE(AnswerText(auKilogramsAndGrams, 1000, dot), QStringLiteral("1kg"));
    }

    void everyAcceleratorOfTheWindowIsItsOwn()
    {
        Sheet driver;
        QStringList letters;
        const QRegularExpression accelerator(QStringLiteral("&(\\w)"));
        for (const QWidget* w : driver.Form->findChildren<QWidget*>()) {
            QString text;
            if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                text = button->text();
            else if (const auto* group = qobject_cast<const QGroupBox*>(w))
                text = group->title();
            if (const auto match = accelerator.match(text); match.hasMatch())
                letters << match.captured(1).toUpper();
        }
        // "初期設定(&S)" is both the button and the panel it opens.
        letters.removeOne(QStringLiteral("S"));
        for (const char* added : {"E", "B", "L", "D", "O", "X"})
            QVERIFY(letters.contains(QString::fromLatin1(added)));
        QCOMPARE(letters.removeDuplicates(), 0);
    }

    void theWindowShowsTheAnswersInRedByTheirBlanks()
    {
        Sheet driver;
        auto* box = driver.Find<QCheckBox>("CheckBoxAnswers");
        QVERIFY(!box->isChecked());
        QVERIFY(driver.Find<QLabel>("LabelKey1")->isHidden());
        QVERIFY(driver.Find<QLabel>("LabelKeyTitle")->isHidden());

        driver.Form->ApplySheet(BoundarySheet());
        const QStringList blanks = {driver.Blank(1), driver.Blank(6)};
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(box->isChecked());
        QCOMPARE(Keys(driver), (QStringList{"999g", "1kg", "1kg 250g", "50g", "2kg", "4kg 990g"}));
        QCOMPARE((QStringList{driver.Blank(1), driver.Blank(6)}), blanks);
        driver.Choose("RadioGroupUnit", auKilograms);
        QCOMPARE(Keys(driver), (QStringList{"0.999kg", "1kg", "1.25kg", "0.05kg", "2kg", "4.99kg"}));
        driver.Choose("RadioGroupUnit", auGrams);
        QCOMPARE(Keys(driver), (QStringList{"999g", "1000g", "1250g", "50g", "2000g", "4990g"}));
        // The dials' numerals and the answers share the locale's decimal separator.
        QLocale::setDefault(QLocale(QLocale::German));
        driver.Choose("RadioGroupUnit", auKilograms);
        QCOMPARE(driver.Text("LabelKey3"), QStringLiteral("1,25kg"));
        QLocale::setDefault(QLocale::c());
        driver.Choose("RadioGroupUnit", auKilogramsAndGrams);

        // Red, left of its own blank on the blank's line, clear of every dial.
        for (int i = 1; i <= ProblemCount; ++i) {
            auto* key = driver.Find<QLabel>(QByteArray("LabelKey" + QByteArray::number(i)).constData());
            auto* blank = driver.Find<QLabel>(QByteArray("LabelAnswer" + QByteArray::number(i)).constData());
            QVERIFY(key->isVisible() || !key->isHidden());
            QCOMPARE(key->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(key->geometry().right() < blank->x());
            QVERIFY(key->geometry().intersects(QRect(0, blank->y(), 2000, blank->height())));
            for (int d = 1; d <= ProblemCount; ++d)
                QVERIFY(!key->geometry().intersects(driver.Dial(d)->geometry()));
        }
        // New weights, new answers.
        driver.Random->Queue({0, 0, 0, 0, 0, 0});
        driver.Click("ButtonNew");
        QCOMPARE(driver.Text("LabelKey1"), AnswerText(auKilogramsAndGrams, driver.Dial(1)->Value(), "."));
        QCOMPARE(driver.Text("LabelKey6"), AnswerText(auKilogramsAndGrams, driver.Dial(6)->Value(), "."));
        box->click();
        QVERIFY(driver.Find<QLabel>("LabelKey1")->isHidden());
    }

    void thePrintedPageShowsWhatTheWindowShows()
    {
        if (const QString missing = PdfProbe::MissingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        Sheet driver;
        driver.Form->show();
        driver.Form->ApplySheet(BoundarySheet());
        QTemporaryDir dir;
        const auto print = [&](const QString& name) {
            QPrinter& printer = driver.Form->SheetPrinter().Printer();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(name));
            driver.Click("ButtonPrintOut");
            return PdfProbe::Text(dir.filePath(name)).simplified();
        };
        const QString plain = print(QStringLiteral("plain.pdf"));
        QVERIFY(!plain.contains(QStringLiteral("1kg 250g")));
        QVERIFY(!plain.contains(QStringLiteral("解答")));

        driver.Find<QCheckBox>("CheckBoxAnswers")->setChecked(true);
        const QString key = print(QStringLiteral("key.pdf"));
        for (const char* answer : {"999g", "1kg", "1kg 250g", "50g", "2kg", "4kg 990g"})
            QVERIFY2(key.contains(QString::fromLatin1(answer)), answer);
        QVERIFY(key.contains(QStringLiteral("解答")));
        // The answers are red on paper too.
        const QImage page = PdfProbe::Rasterize(dir.filePath(QStringLiteral("key.pdf")), 50);
        QVERIFY(PdfProbe::Count(page, PdfProbe::IsHue(0)) > 100);
        QCOMPARE(PdfProbe::Count(PdfProbe::Rasterize(dir.filePath(QStringLiteral("plain.pdf")), 50),
                                 PdfProbe::IsHue(0)), 0);
    }
};

QTEST_MAIN(TestAnswerKeys)
#include "test_answer_keys.moc"
