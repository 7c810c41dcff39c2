// Random sequences of what a teacher can do with the window: clicks on every button
// and choice, typing anything into the range boxes, arrows and Enter, new sheets and
// resizes. After every action the sheet must be consistent with its settings.
// KESTRUM_STRESS_STEPS sets the length (short by default; make torture runs long).

#include "SheetPrinter.h"
#include "StressSeed.h"
#include "WorksheetDriver.h"

#include <QGroupBox>
#include <QPrinter>
#include <QTemporaryDir>

#include <random>
#include <set>

namespace {

// The program's own generator would seed from the clock; this one repeats by seed.
class TSeededRandom final : public TRandomSource {
public:
    explicit TSeededRandom(std::uint32_t seed) : FEngine(seed) {}
    void Seed() override {}
    int Next(int Count) override { return std::uniform_int_distribution<int>(0, Count - 1)(FEngine); }

private:
    std::mt19937 FEngine;
};

const char* const Groups[] = {"RadioGroupKind", "RadioGroupSparselyDensely", "RadioGroupPer200",
                              "RadioGroupShow", "RadioGroupUnit"};
const char* const StepButtons[] = {
    "RadioButtonDivision10g",  "RadioButtonDivision20g", "RadioButtonDivision50g",
    "RadioButtonDivision100g", "RadioButtonDivision200g", "RadioButtonDivision500g",
    "RadioButtonDivision1kg",  "RadioButtonDivision2kg", "RadioButtonDivision5kg",
    "RadioButtonDivision10kg"};
const char* const Capacities[] = {"1kg", "2kg", "5kg", "10kg", "20kg", "50kg", "100kg"};
constexpr std::uint32_t CapacityGrams[] = {1000, 2000, 5000, 10000, 20000, 50000, 100000};
constexpr TTypeValueMax CapacityTypes[] = {vm001kg, vm002kg, vm005kg, vm010kg, vm020kg, vm050kg, vm100kg};

// What the summary lines and blanks must say, written out independently of the window.
QString ExpectedBlank(int unit, std::uint32_t grams)
{
    const QString g = QStringLiteral("    　  g"), kg = QStringLiteral("    　 kg"),
                  kgg = QStringLiteral(" kg 　  g");
    switch (unit) {
    case 0: return g;
    case 1: return kg;
    default: return grams >= 1000 ? kgg : g;
    }
}

class TWindowStress {
public:
    TWindowStress(std::uint32_t seed, Sheet& sheet) : FRandom(seed), S(sheet) {}

    // One random action; returns what it was, for the failure message.
    QString Act()
    {
        switch (Pick(10)) {
        case 0: return Click("ButtonNew");
        case 1: return Click("ButtonStart");
        case 2: return Click("ButtonRadioGroupStartClose");
        case 3: case 4: {
            const char* group = Groups[Pick(std::size(Groups))];
            auto* radio = S.Find<TRadioGroup>(group);
            const int item = static_cast<int>(Pick(static_cast<std::uint32_t>(radio->ItemCount())));
            if (!radio->isVisible())
                return QStringLiteral("(hidden %1)").arg(group);
            Sheet::ClickRadio(radio->Button(item));
            return QStringLiteral("choose %1 #%2").arg(group).arg(item);
        }
        case 5: {
            const char* step = StepButtons[Pick(std::size(StepButtons))];
            auto* button = S.Find<TRadioButton>(step);
            if (!button->isVisible())
                return QStringLiteral("(hidden %1)").arg(step);
            Sheet::ClickRadio(button);
            return QStringLiteral("step %1").arg(step);
        }
        case 6: case 7: return TypeIntoBox();
        case 8: return Pick(8) == 0 ? Print() : QStringLiteral("(no print this time)");
        default: {
            const int w = 200 + static_cast<int>(Pick(1200)), h = 200 + static_cast<int>(Pick(900));
            S.Form->resize(w, h);
            return QStringLiteral("resize %1x%2").arg(w).arg(h);
        }
        }
    }

    bool Renewed = false;
    int Prints = 0;

private:
    std::uint32_t Pick(std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(FRandom); }

    QString Click(const char* name)
    {
        auto* button = S.Find<QPushButton>(name);
        if (!button->isVisible())
            return QStringLiteral("(hidden %1)").arg(name);
        QTest::mouseClick(button, Qt::LeftButton);
        Renewed = QByteArray(name) == "ButtonNew";
        return QStringLiteral("click %1").arg(name);
    }

public:
    // "印刷(&P)" into a PDF file: the print must leave the sheet exactly as it was.
    QString Print()
    {
        QPrinter& printer = S.Form->SheetPrinter().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FDir.filePath(QStringLiteral("sheet.pdf")));
        S.Form->SheetPrinter().SetErrorReporter([](QWidget*, const QString& message) {
            QFAIL(qPrintable(QStringLiteral("print failed: ") + message));
        });
        const bool panelOpen = S.Find<QGroupBox>("GroupBoxStart")->isVisible();
        QTest::mouseClick(S.Find<QPushButton>("ButtonPrintOut"), Qt::LeftButton);
        if (S.Find<QGroupBox>("GroupBoxStart")->isVisible() != panelOpen ||
            !S.Find<QWidget>("PanelButtons")->isVisible())
            return QStringLiteral("PRINT LOST THE PANELS");
        ++Prints;
        return QStringLiteral("print");
    }

private:
    QString TypeIntoBox()
    {
        const char* box = Pick(2) ? "SpinEditMin" : "SpinEditMax";
        auto* edit = S.Find<TSpinEdit>(box);
        if (!edit->isVisible())
            return QStringLiteral("(hidden %1)").arg(box);
        static const QString alphabet = QStringLiteral("0123456789-+ax０１９ .");
        QString text;
        const int length = static_cast<int>(Pick(12));
        for (int i = 0; i < length; ++i)
            text += alphabet[static_cast<int>(Pick(static_cast<std::uint32_t>(alphabet.size())))];
        edit->setFocus();
        if (Pick(2)) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        for (const QChar ch : text) {
            // Full-width digits are not Latin-1, which QTest::keyClicks cannot type.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(edit, &press);
            QCoreApplication::sendEvent(edit, &release);
        }
        static constexpr Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab};
        const Qt::Key key = keys[Pick(std::size(keys))];
        QTest::keyClick(edit, key);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &leave);
        return QStringLiteral("type '%1' + key %2 into %3").arg(text).arg(key).arg(box);
    }

    std::mt19937 FRandom;
    Sheet& S;
    QTemporaryDir FDir;
};

}  // namespace

class TestWindowStress : public QObject {
    Q_OBJECT
private slots:
    void randomActionsKeepTheSheetConsistent()
    {
        const std::uint32_t seed = StressSeed();
        const int actions = StressSteps(300);
        Sheet sheet;
        sheet.Form.reset();  // rebuilt below with a generator that repeats by seed
        sheet.Form = std::make_unique<TFormKestrum>(nullptr, std::make_unique<TSeededRandom>(seed));
        sheet.Form->show();
        TWindowStress stress(seed, sheet);
        bool per200Chosen = false;

        for (int action = 0; action < actions; ++action) {
            const int per200Before = sheet.Find<TRadioGroup>("RadioGroupPer200")->ItemIndex();
            stress.Renewed = false;
            const QString what = stress.Act();
            QCoreApplication::processEvents();  // let the window repaint what changed
            QVERIFY2(!what.startsWith(QStringLiteral("PRINT LOST")), qPrintable(what));
            const QByteArray where =
                QStringLiteral("seed %1, action %2: %3").arg(seed).arg(action).arg(what).toUtf8();
            const int per200 = sheet.Find<TRadioGroup>("RadioGroupPer200")->ItemIndex();
            per200Chosen = per200Chosen || per200 != per200Before;

            // Exactly one step button is checked, and it is one the capacity offers.
            const char* checked = nullptr;
            int checkedCount = 0;
            for (const char* name : StepButtons) {
                auto* button = sheet.Find<TRadioButton>(name);
                if (button->isChecked()) {
                    ++checkedCount;
                    checked = name;
                    QVERIFY2(button->isEnabled(), where.constData());
                }
            }
            QVERIFY2(checkedCount == 1, where.constData());

            const int kind = sheet.Find<TRadioGroup>("RadioGroupKind")->ItemIndex();
            QVERIFY2(kind >= 0 && kind < 7, where.constData());
            const std::uint32_t capacity = CapacityGrams[kind];
            const int unit = sheet.Find<TRadioGroup>("RadioGroupUnit")->ItemIndex();
            std::set<std::uint32_t> weights;
            for (int problem = 1; problem <= 6; ++problem) {
                const TPlatformScale* dial = sheet.Dial(problem);
                QVERIFY2(dial->TypeValueMax() == CapacityTypes[kind], where.constData());
                QVERIFY2(dial->ValueMax() == capacity, where.constData());
                QVERIFY2(dial->Value() <= capacity, where.constData());
                QCOMPARE(sheet.Blank(problem), ExpectedBlank(unit, dial->Value()));
                weights.insert(dial->Value());
                if (stress.Renewed) {
                    QVERIFY2(dial->Value() > 0 && dial->Value() < capacity, where.constData());
                    QVERIFY2(static_cast<std::int32_t>(dial->Value()) % sheet.Form->Division() == 0,
                             where.constData());
                }
            }
            if (stress.Renewed)
                QVERIFY2(weights.size() == 6, where.constData());

            const QString step = sheet.Find<TRadioButton>(checked)->text();
            const QString line1 =
                QStringLiteral("重量:%1, ").arg(Capacities[kind]) +
                (sheet.Find<TRadioGroup>("RadioGroupSparselyDensely")->ItemIndex() == 0
                     ? QStringLiteral("疎密:疎, ")
                     : QStringLiteral("疎密:密, ")) +
                (!per200Chosen ? QString()
                 : per200 == 0 ? QStringLiteral("1/200:非表示, ")
                               : QStringLiteral("1/200:表示, ")) +
                QStringLiteral("刻み:") + step;
            QCOMPARE(sheet.Text("LabelHyoudai1"), line1);

            static const QString units[] = {QStringLiteral("単位:g"), QStringLiteral("単位:kg"),
                                            QStringLiteral("単位:kg,g")};
            const QString line2 =
                QStringLiteral("範囲:%1g ～ %2kg, ")
                    .arg(sheet.Find<TSpinEdit>("SpinEditMin")->Value())
                    .arg(sheet.Find<TSpinEdit>("SpinEditMax")->Value() / 1000) +
                (sheet.Find<TRadioGroup>("RadioGroupShow")->ItemIndex() == 0
                     ? QStringLiteral("表示:全体, ")
                     : QStringLiteral("表示:部分, ")) +
                units[unit];
            QCOMPARE(sheet.Text("LabelHyoudai2"), line2);
        }
        // Whatever the draw, every run ends with one print of the sheet it reached.
        QCOMPARE(stress.Print(), QStringLiteral("print"));
        qInfo("seed %u: %d actions, %d prints, all consistent", seed, actions, stress.Prints);
    }
};

QTEST_MAIN(TestWindowStress)
#include "test_window_stress.moc"
