// Sheet codes: a teacher reads the code off yesterday's sheet, types it in, and gets
// exactly that sheet back; a mistyped code is refused and never gives another sheet;
// and codes printed today keep working with every later build.

#include "sheet/SheetCode.h"
#include "sheet/SheetRandom.h"
#include "sheet/Settling.h"
#include "WorksheetDriver.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QRandomGenerator>

namespace {

// A window whose draws come from the sheet generator from a known seed.
std::unique_ptr<TFormKestrum> SeededWindow(std::uint32_t Seed)
{
    RegisterFontSubstitutions();
    return std::make_unique<TFormKestrum>(nullptr, std::make_unique<TSheetSeedRandom>(Seed));
}

// What the sheet shows besides its dials.
QStringList SheetTexts(const TFormKestrum& Form)
{
    QStringList texts;
    for (const char* name : {"LabelHyoudai1", "LabelHyoudai2", "LabelSheetCode", "LabelAnswer1",
                             "LabelAnswer2", "LabelAnswer3", "LabelAnswer4", "LabelAnswer5",
                             "LabelAnswer6", "LabelKey1", "LabelKey6"})
        texts << Form.findChild<QLabel*>(QString::fromLatin1(name))->text();
    return texts;
}

QString Plain(QString Code) { return Code.remove(QLatin1Char('-')).remove(QLatin1Char(' ')); }

}  // namespace

class TestSheetCodes : public QObject {
    Q_OBJECT
private slots:
    void theGeneratorIsSplitmix64()
    {
        // The published reference outputs of splitmix64: a change of the generator
        // would change the sheet of every code ever printed.
        TSheetRandom zero(0);
        QCOMPARE(zero.NextBits(), 0xE220A8397B1DCDAFULL);
        QCOMPARE(zero.NextBits(), 0x6E789E6AA1B965F4ULL);
        TSheetRandom other(1234567);
        QCOMPARE(other.NextBits(), 6457827717110365317ULL);
        QCOMPARE(other.NextBits(), 3203168211198807973ULL);
        QCOMPARE(other.NextBits(), 9817491932198370423ULL);
        // Bounded draws stay in range and reach every value.
        TSheetRandom draws(7);
        std::array<int, 19> seen{};
        for (int i = 0; i < 2000; ++i)
            ++seen.at(draws.Below(19));
        QVERIFY(std::all_of(seen.begin(), seen.end(), [](int n) { return n > 60; }));
    }

    void pinnedCodesKeepTheirSheets()
    {
        struct TPin {
            const char* Code;
            TSheetSettings Settings;
            TWeights Weights;
            const char* Reissued = nullptr;  // the brought-back sheet's code, where it differs
        };
        const TPin pins[] = {
            {"5PHTQ-J3YJ2-222B", TSheetSettings{}, {1700, 100, 1100, 1500, 900, 400}},
            {"2ELV6-N2W62-E3TL", {0, 0, true, pcShow, true, auGrams, 100, 900},
             {810, 880, 540, 650, 340, 450}},
            {"G9VKK-H3P2R-RKK8", {6, 9, false, pcHide, false, auKilograms, 0, 100000},
             {50000, 20000, 40000, 60000, 90000, 10000}},
            // An upper bound the code could not hold comes back as the capacity.
            {"7VBUQ-HZZZE-YBLQ", {2, 5, true, pcUnchosen, true, auKilogramsAndGrams, 1000, 5000},
             {2500, 3000, 1500, 2000, 4500, 4000}, "7VBUQ-E6WAE-YBLK"},
        };
        for (const TPin& pin : pins) {
            const TSheetCodeReading reading = ReadSheetCode(QString::fromLatin1(pin.Code));
            QVERIFY2(reading.Sheet, pin.Code);
            QCOMPARE(reading.Sheet->Settings, pin.Settings);
            QCOMPARE(reading.Sheet->Weights, pin.Weights);
            QCOMPARE(SheetCode(*reading.Sheet), QString::fromLatin1(pin.Reissued ? pin.Reissued : pin.Code));
        }
        // Typed as a person might: small letters, full-width, spaces, no separators.
        QVERIFY(ReadSheetCode(QStringLiteral(" 5phtq j3yj2222b ")).Sheet);
        QVERIFY(ReadSheetCode(QStringLiteral("５ＰＨＴＱ－Ｊ３ＹＪ２－２２２Ｂ")).Sheet);
        // Between the groups, whatever an input method or a font gives for the hyphen:
        // the long-vowel mark, its half-width form, the minus sign, the hyphens, the dashes
        // and the horizontal bar.
        for (const char16_t dash : {u'ー', u'ｰ', u'−', u'‐', u'\u2011', u'\u2012', u'–', u'—', u'―', u'－'}) {
            const QString typed = QStringLiteral("５ＰＨＴＱ") + QChar(dash) + QStringLiteral("Ｊ３ＹＪ２") +
                                  QChar(dash) + QStringLiteral("２２２Ｂ");
            const TSheetCodeReading reading = ReadSheetCode(typed);
            QVERIFY2(reading.Sheet, qPrintable(typed + u' ' + SheetCodeErrorText(reading)));
            QCOMPARE(reading.Sheet->Weights, pins[0].Weights);
        }
    }

    void aSheetComesBackWhole()
    {
        // Random settings chosen in the panel, then "更新(&N)"; the code on the foot
        // brings the same sheet into another window: settings, weights, seed, blanks,
        // summary lines and answers.
        QRandomGenerator random(20261208);
        for (int round = 0; round < 12; ++round) {
            auto form = SeededWindow(random.bounded(SheetSeedLimit));
            Sheet driver{};
            driver.Form = std::move(form);
            driver.Choose("RadioGroupKind", random.bounded(CapacityCount));
            driver.Choose("RadioGroupSparselyDensely", random.bounded(2));
            if (round % 3 != 0)
                Sheet::ClickRadio(driver.Find<TRadioGroup>("RadioGroupPer200")->Button(random.bounded(2)));
            QList<TRadioButton*> steps;
            for (const TStepRow& row : StepRows())
                if (auto* b = driver.Find<TRadioButton>(row.ButtonName); b->isEnabled())
                    steps << b;
            Sheet::ClickRadio(steps[random.bounded(int(steps.size()))]);
            driver.Choose("RadioGroupShow", random.bounded(2));
            driver.Choose("RadioGroupUnit", random.bounded(3));
            driver.Type("SpinEditMin", QString::number(random.bounded(1000)));
            driver.Type("SpinEditMax", QString::number(random.bounded(200000)));
            driver.Click("ButtonNew");
            driver.Find<QCheckBox>("CheckBoxAnswers")->setChecked(true);

            const TSheet original = driver.Form->Sheet();
            const QString code = driver.Text("LabelSheetCode");
            QCOMPARE(code, SheetCode(original));
            QVERIFY(code.size() <= 16);

            // The other window has been used: 1 kg with the 1/200 graduation shown.
            Sheet other{};
            other.Form = SeededWindow(random.bounded(SheetSeedLimit));
            other.Choose("RadioGroupKind", 0);
            other.Choose("RadioGroupPer200", 1);
            other.Find<QCheckBox>("CheckBoxAnswers")->setChecked(true);
            TFormKestrum* restored = other.Form.get();
            QCOMPARE(restored->RecallSheet(code.toLower()), QString());
            // A bound above what a code holds comes back as the capacity.
            TSheet expected = original;
            if (expected.Settings.RangeMax >= SheetCodeRangeLimit)
                expected.Settings.RangeMax = expected.Settings.CapacityGrams();
            QCOMPARE(restored->Sheet(), expected);
            if (original.Settings.RangeMax < SheetCodeRangeLimit)
                QCOMPARE(SheetTexts(*restored), SheetTexts(*driver.Form));
            else
                QVERIFY(other.Text("LabelHyoudai2")
                            .startsWith(QStringLiteral("範囲:%1g ～ %2kg, ")
                                            .arg(expected.Settings.RangeMin)
                                            .arg(expected.Settings.CapacityGrams() / 1000)));
        }
    }

    void aCodePrintedBeforeTheStepRuleBringsItsSheetBack()
    {
        // 5 kg, dense, in steps of 50 g: printed while a step had only to be as coarse
        // as the 20 g marks. 3850 g lies between two marks and 50 g is offered no more,
        // but last week's papers are marked with this code.
        TSheet printed;
        printed.Settings = {2, 2, true, pcUnchosen, false, auKilogramsAndGrams, 0, 5000};
        printed.Weights = {3850, 3050, 4450, 1550, 3450, 3750};
        printed.Seed = 4;
        const QString code = SheetCode(printed);
        QCOMPARE(code, QStringLiteral("6JYQZ-J6WA2-226B"));

        Sheet driver;
        driver.Find<QCheckBox>("CheckBoxAnswers")->setChecked(true);
        QTimer::singleShot(0, [&] {
            auto* dialog = driver.Form->findChild<QDialog*>(QStringLiteral("DialogRecall"));
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("LineEditCode")), code);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonRecallOk")),
                              Qt::LeftButton);
            if (dialog->isVisible())
                dialog->reject();
        });
        driver.Click("ButtonRecall");
        QCOMPARE(driver.Form->Sheet(), printed);
        auto* step50g = driver.Find<TRadioButton>("RadioButtonDivision50g");
        QVERIFY(step50g->Checked());
        QVERIFY(!step50g->isEnabled());
        QCOMPARE(driver.Text("LabelHyoudai1"), QStringLiteral("重量:5kg, 疎密:密, 刻み:50g"));
        QCOMPARE(driver.Text("LabelKey1"), QStringLiteral("3kg 850g"));
        QCOMPARE(driver.Text("LabelSheetCode"), code);
        // New weights stand on the marks: 更新 moves to the step 5 kg dense starts with.
        driver.Click("ButtonNew");
        QVERIFY(driver.Find<TRadioButton>("RadioButtonDivision100g")->Checked());
        QVERIFY(!step50g->Checked());
        for (const std::uint32_t weight : driver.Form->Sheet().Weights)
            QCOMPARE(weight % 100, 0u);
        // A change afterwards follows the rule: sparse marks offer 100 g at the finest.
        driver.Choose("RadioGroupSparselyDensely", 0);
        QVERIFY(driver.Find<TRadioButton>("RadioButtonDivision100g")->Checked());
        QVERIFY(!step50g->Checked());
    }

    void aSheetKeepsItsCodeWhileTheRangeIsTooNarrow()
    {
        // A range too narrow for six weights keeps the sheet shown, and with it the code
        // that brings it back, never a code of settings it was not drawn with.
        Sheet driver{};
        driver.Form = SeededWindow(12);
        const QString code = driver.Text("LabelSheetCode");
        QVERIFY(!code.isEmpty());
        driver.Type("SpinEditMin", QStringLiteral("1500"));
        driver.Type("SpinEditMax", QStringLiteral("1800"));
        QCOMPARE(driver.Text("LabelSheetCode"), code);
        driver.Type("SpinEditMin", QStringLiteral("1000"));
        QCOMPARE(driver.Form->Sheet().Settings.RangeMin, 1000);
        QCOMPARE(driver.Text("LabelSheetCode"), SheetCode(driver.Form->Sheet()));
    }

    // A sheet with fewer numerals or mixed capacities has a long code: one character for
    // them, then the thirteen of the same sheet's short code, then the check over all.
    void aLongCodeCarriesNumeralsAndMixing()
    {
        const QString alphabet = QStringLiteral("23456789ABCDEFGHJKLMNPQRSTUVWXYZ");
        const struct {
            TTypeShowNumerals Numerals;
            bool Mixed;
            int Capacity;
            QChar First;
        } rows[] = {{snLarge, false, 3, u'4'}, {snEnds, false, 0, u'6'}, {snAll, true, 1, u'3'}, {snEnds, true, 6, u'7'}};
        for (const auto& row : rows) {
            TSheetSettings s = Settled(TSheetSettings{row.Capacity, 0, true, pcUnchosen, false, auGrams, 0, 0, exRead,
                                                      row.Numerals, row.Mixed},
                                       TSheetSettings{});
            const std::optional<TSheet> sheet = DrawSheet(s, 12345);
            QVERIFY(sheet);
            const QString code = SheetCode(*sheet);
            QCOMPARE(code.size(), 17);
            QCOMPARE(code[0], row.First);
            const TSheetCodeReading reading = ReadSheetCode(code);
            QVERIFY2(reading.Sheet, qPrintable(code));
            QCOMPARE(*reading.Sheet, *sheet);
            // The same sheet with every numeral and one capacity keeps its short code.
            s.Numerals = snAll;
            s.Mixed = false;
            const QString shortCode = Plain(SheetCode(*DrawSheet(s, 12345)));
            QCOMPARE(Plain(code).mid(1, 13), shortCode.left(13));
            // Left without its first character it is no short code, and so is a short
            // code with a character put before it.
            QVERIFY(!ReadSheetCode(Plain(code).mid(1)).Sheet);
            for (const QChar c : alphabet)
                QVERIFY(!ReadSheetCode(c + shortCode).Sheet);
        }
    }

    void aMistypedCodeIsRefused()
    {
        const QString code = Plain(QStringLiteral("G9VKK-H3P2R-RKK8"));
        const QString alphabet = QStringLiteral("23456789ABCDEFGHJKLMNPQRSTUVWXYZ");
        // Every single wrong character and every swap of two neighbours.
        for (int i = 0; i < code.size(); ++i) {
            for (const QChar c : alphabet) {
                QString typo = code;
                typo[i] = c;
                if (typo != code)
                    QVERIFY2(!ReadSheetCode(typo).Sheet, qPrintable(typo));
            }
            if (i + 1 < code.size() && code[i] != code[i + 1]) {
                QString swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                QVERIFY2(!ReadSheetCode(swapped).Sheet, qPrintable(swapped));
            }
        }

        // In the window: the dialog says why and stays open, the sheet stays as it was.
        Sheet driver;
        const TSheet before = driver.Form->Sheet();
        QString message;
        bool stillOpen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = driver.Form->findChild<QDialog*>(QStringLiteral("DialogRecall"));
            QVERIFY(dialog);
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("LineEditCode"));
            QTest::keyClicks(edit, QStringLiteral("G9VKK-H3P2R-RKK9"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonRecallOk")),
                              Qt::LeftButton);
            message = dialog->findChild<QLabel*>(QStringLiteral("LabelCodeMessage"))->text();
            stillOpen = dialog->isVisible();
            edit->setText(QStringLiteral("G9VKK-H3P2R-RKK0"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonRecallOk")),
                              Qt::LeftButton);
            QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("LabelCodeMessage"))->text().contains(QStringLiteral("「0」")));
            dialog->reject();
        });
        driver.Click("ButtonRecall");
        QVERIFY(stillOpen);
        QVERIFY(message.contains(QStringLiteral("打ち間違い")));
        QCOMPARE(driver.Form->Sheet(), before);
        QVERIFY(ReadSheetCode(QStringLiteral("G9VKK-H3P2R")).Error == ceLength);
    }

    void theReaderTakesOnlyCodesItIssues()
    {
        // Random strings, and issued codes with characters changed, dropped, added or
        // swapped: the reader never fails, and whatever it accepts is exactly the code
        // the program issues for the sheet it read.
        QRandomGenerator random(4242);
        const QString alphabet = QStringLiteral("23456789ABCDEFGHJKLMNPQRSTUVWXYZ01IO-? ｇ");
        const int rounds = qEnvironmentVariableIntValue("KESTRUM_STRESS_STEPS") > 0
                               ? qEnvironmentVariableIntValue("KESTRUM_STRESS_STEPS") * 100
                               : 60000;
        int accepted = 0;
        for (int round = 0; round < rounds; ++round) {
            QString text;
            if (round % 2 == 0) {
                const int length = random.bounded(20);
                for (int i = 0; i < length; ++i)
                    text += alphabet[random.bounded(int(alphabet.size()))];
            } else {
                TSheetSettings s;
                s.Capacity = random.bounded(CapacityCount);
                s.Step = CapacityRows()[s.Capacity].DefaultStep;
                s.RangeMax = s.CapacityGrams();
                s.Unit = static_cast<TAnswerUnit>(random.bounded(3));
                text = Plain(SheetCode(*DrawSheet(s, random.bounded(SheetSeedLimit))));
                const int at = random.bounded(int(text.size()));
                switch (random.bounded(4)) {
                case 0: text[at] = alphabet[random.bounded(int(alphabet.size()))]; break;
                case 1: text.remove(at, 1); break;
                case 2: text.insert(at, alphabet[random.bounded(int(alphabet.size()))]); break;
                default: if (at + 1 < text.size()) std::swap(text[at], text[at + 1]);
                }
            }
            const TSheetCodeReading reading = ReadSheetCode(text);
            if (reading.Sheet) {
                ++accepted;
                QCOMPARE(Plain(SheetCode(*reading.Sheet)),
                         Plain(text.normalized(QString::NormalizationForm_KC).toUpper()));
                QCOMPARE(*DrawSheet(reading.Sheet->Settings, reading.Sheet->Seed), *reading.Sheet);
            } else {
                QVERIFY(!SheetCodeErrorText(reading).isEmpty());
            }
        }
        qInfo("%d of %d strings were codes", accepted, rounds);
    }
};

QTEST_MAIN(TestSheetCodes)
#include "test_sheet_codes.moc"
