// Random sequences of what a teacher can do with the window: clicks on every button
// and choice, typing anything into the range boxes, arrows and Enter, new sheets,
// resizes and prints. After every action the sheet must be consistent with its
// settings. KESTRUM_STRESS_STEPS sets the length (short by default; make torture
// runs long); a failure is reported with its seed and a shrunk reproducer.

#include "printing/SheetPrinter.h"
#include "Shrink.h"
#include "StressSeed.h"
#include "WorksheetDriver.h"

#include <QGroupBox>
#include <QPrinter>
#include <QTemporaryDir>

#include <random>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

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
const char* const PushButtons[] = {"ButtonNew", "ButtonStart", "ButtonRadioGroupStartClose"};
const char* const Capacities[] = {"1kg", "2kg", "5kg", "10kg", "20kg", "50kg", "100kg"};
constexpr std::uint32_t CapacityGrams[] = {1000, 2000, 5000, 10000, 20000, 50000, 100000};
constexpr TTypeValueMax CapacityTypes[] = {vm001kg, vm002kg, vm005kg, vm010kg, vm020kg, vm050kg, vm100kg};
// The finest marks drawn: dense with the 1/200 graduation shown, dense without, sparse.
constexpr std::int32_t FinestShown[] = {5, 10, 20, 50, 100, 200, 500};
constexpr std::int32_t FinestDense[] = {10, 10, 20, 100, 100, 200, 1000};
constexpr std::int32_t FinestSparse[] = {50, 50, 100, 500, 500, 1000, 5000};
constexpr bool HasPer200[] = {true, false, false, true, false, false, true};
constexpr Qt::Key BoxKeys[] = {Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab};

enum TKind { kButton, kChoice, kStep, kType, kResize, kPrint };

struct TWindowAction {
    TKind Kind;
    int Index = 0;   // which button, group, step button or box
    int Item = 0;    // the group's item; for typing, whether the old text is cleared first
    int Key = 0;     // for typing: the key pressed after the text
    QString Text;    // typed
    int Width = 0, Height = 0;

    QString Describe() const
    {
        switch (Kind) {
        case kButton: return QStringLiteral("click %1").arg(QLatin1String(PushButtons[Index]));
        case kChoice: return QStringLiteral("choose item %1 of %2").arg(Item).arg(QLatin1String(Groups[Index]));
        case kStep: return QStringLiteral("check %1").arg(QLatin1String(StepButtons[Index]));
        case kType:
            return QStringLiteral("%1type '%2' then key %3 into %4")
                .arg(Item ? QStringLiteral("clear, ") : QString(), Text)
                .arg(BoxKeys[Key])
                .arg(Index ? QStringLiteral("SpinEditMax") : QStringLiteral("SpinEditMin"));
        case kResize: return QStringLiteral("resize the window to %1x%2").arg(Width).arg(Height);
        case kPrint: return QStringLiteral("click ButtonPrintOut (PDF)");
        }
        return {};
    }
};

// Picks, at each step, one of the actions the window offers in its present state: a
// visible button, another item of a visible choice, an enabled step that is not the
// checked one, a range box while the panel is open, a resize or a print.
class TWindowActions {
public:
    explicit TWindowActions(std::uint32_t seed) : FRandom(seed) {}

    TWindowAction Next(const Sheet& S)
    {
        TWindowAction a{kResize, 0, 0, 0, {}, 0, 0};
        const bool open = S.Find<QGroupBox>("GroupBoxStart")->isVisible();
        switch (open ? Pick(10) : 4 + Pick(6)) {
        case 0: case 1: {
            std::vector<std::pair<int, int>> offered;  // group, item
            for (int g = 0; g < static_cast<int>(std::size(Groups)); ++g) {
                const auto* group = S.Find<TRadioGroup>(Groups[g]);
                if (group->isVisible())
                    for (int item = 0; item < group->ItemCount(); ++item)
                        if (item != group->ItemIndex())
                            offered.emplace_back(g, item);
            }
            a.Kind = kChoice;
            std::tie(a.Index, a.Item) = offered[Pick(offered.size())];
            break;
        }
        case 2: {
            std::vector<int> offered;
            for (int b = 0; b < static_cast<int>(std::size(StepButtons)); ++b) {
                const auto* button = S.Find<TRadioButton>(StepButtons[b]);
                if (button->isEnabled() && !button->isChecked())
                    offered.push_back(b);
            }
            if (offered.empty())  // the only step offered is the checked one
                return Resize(a);
            a.Kind = kStep;
            a.Index = offered[Pick(offered.size())];
            break;
        }
        case 3: case 4: case 5: {
            if (!open) {  // "更新(&N)" or "初期設定(&S)"
                a.Kind = kButton;
                a.Index = Pick(2);
                break;
            }
            a.Kind = kType;
            a.Index = Pick(2);
            a.Item = Pick(2);
            a.Key = Pick(std::size(BoxKeys));
            static const QString alphabet = QStringLiteral("0123456789-+ax０１９ .");
            const int length = Pick(12);
            for (int i = 0; i < length; ++i)
                a.Text += alphabet[Pick(static_cast<int>(alphabet.size()))];
            break;
        }
        case 6: case 7:  // "更新(&N)" or "閉じる(&C)" while open
            a.Kind = kButton;
            a.Index = open ? 2 * Pick(2) : 0;
            break;
        case 8:
            if (Pick(8) == 0) {
                a.Kind = kPrint;
                break;
            }
            [[fallthrough]];
        default: return Resize(a);
        }
        return a;
    }

private:
    TWindowAction Resize(TWindowAction a)
    {
        a.Kind = kResize;
        a.Width = 200 + Pick(1200);
        a.Height = 200 + Pick(900);
        return a;
    }

    int Pick(std::size_t n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(FRandom); }
    std::mt19937 FRandom;
};

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

// A fresh window driven by actions, checked after each against what its settings say.
class TWindowUnderTest {
public:
    explicit TWindowUnderTest(std::uint32_t seed)
    {
        S.Form.reset();
        S.Form = std::make_unique<TFormKestrum>(nullptr, std::make_unique<TSeededRandom>(seed));
        S.Form->SheetPrinter().SetErrorReporter([this](QWidget*, const QString& m) { PrintErrors << m; });
        S.Form->show();
    }

    // Applies one action; the broken rule, or an empty text.
    QString Step(const TWindowAction& action)
    {
        QString failure;
        switch (action.Kind) {
        case kButton: Click(PushButtons[action.Index]); break;
        case kChoice: {
            auto* group = S.Find<TRadioGroup>(Groups[action.Index]);
            if (group->isVisible() && action.Item < group->ItemCount() && action.Item != group->ItemIndex())
                Sheet::ClickRadio(group->Button(action.Item));
            else
                ++Idle;
            break;
        }
        case kStep: {
            auto* button = S.Find<TRadioButton>(StepButtons[action.Index]);
            if (button->isVisible() && button->isEnabled() && !button->isChecked())
                Sheet::ClickRadio(button);
            else
                ++Idle;
            break;
        }
        case kType:
            if (!S.Find<TSpinEdit>(action.Index ? "SpinEditMax" : "SpinEditMin")->isVisible())
                ++Idle;
            Type(action);
            break;
        case kResize: S.Form->resize(action.Width, action.Height); break;
        case kPrint: failure = Print(); break;
        }
        QCoreApplication::processEvents();  // let the window repaint what changed
        return failure.isEmpty() ? Check() : failure;
    }

    // "印刷(&P)" into a PDF file: the print must succeed and leave the panels as they were.
    QString Print()
    {
        QPrinter& printer = S.Form->SheetPrinter().Printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(FDir.filePath(QStringLiteral("sheet.pdf")));
        const bool panelOpen = S.Find<QGroupBox>("GroupBoxStart")->isVisible();
        // "更新" says so too while the range is too narrow; then "印刷" prints nothing and says so.
        PrintErrors.clear();
        const bool narrow = !S.Find<QLabel>("LabelRangeWarning")->isHidden();
        QTest::mouseClick(S.Find<QPushButton>("ButtonPrintOut"), Qt::LeftButton);
        ++Prints;
        if (narrow && PrintErrors.size() == 1)
            PrintErrors.clear();
        else if (!PrintErrors.isEmpty())
            return QStringLiteral("print failed: ") + PrintErrors.join(QStringLiteral("; "));
        if (S.Find<QGroupBox>("GroupBoxStart")->isVisible() != panelOpen ||
            !S.Find<QWidget>("PanelButtons")->isVisible())
            return QStringLiteral("the print did not restore the panels");
        return {};
    }

    const Sheet& Window() const { return S; }

    int Prints = 0;
    int Idle = 0;  // actions the window did not offer when they came

private:
    void Click(const char* name)
    {
        auto* button = S.Find<QPushButton>(name);
        if (!button->isVisible()) {
            ++Idle;
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void Type(const TWindowAction& action)
    {
        auto* edit = S.Find<TSpinEdit>(action.Index ? "SpinEditMax" : "SpinEditMin");
        if (!edit->isVisible())
            return;
        edit->setFocus();
        if (action.Item) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        for (const QChar ch : action.Text) {
            // Full-width digits are not Latin-1, which QTest::keyClicks cannot type.
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(edit, &press);
            QCoreApplication::sendEvent(edit, &release);
        }
        QTest::keyClick(edit, BoxKeys[action.Key]);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &leave);
    }

    QString Check() const
    {
        const char* checked = nullptr;
        int checkedCount = 0;
        for (const char* name : StepButtons) {
            auto* button = S.Find<TRadioButton>(name);
            if (!button->isChecked())
                continue;
            ++checkedCount;
            checked = name;
            if (!button->isEnabled())
                return QStringLiteral("the checked step %1 is disabled").arg(QLatin1String(name));
        }
        if (checkedCount != 1)
            return QStringLiteral("%1 step buttons checked").arg(checkedCount);

        const int kind = S.Find<TRadioGroup>("RadioGroupKind")->ItemIndex();
        if (kind < 0 || kind >= 7)
            return QStringLiteral("no capacity selected");
        const std::uint32_t capacity = CapacityGrams[kind];
        const int unit = S.Find<TRadioGroup>("RadioGroupUnit")->ItemIndex();
        const bool dense = S.Find<TRadioGroup>("RadioGroupSparselyDensely")->ItemIndex() != 0;
        const bool per200Drawn = dense && HasPer200[kind] && S.Dial(1)->TypeShowScalePer200() == ssShow;
        const std::int32_t finest = !dense ? FinestSparse[kind] : per200Drawn ? FinestShown[kind] : FinestDense[kind];
        const std::int32_t division = S.Form->Division();
        if (division % finest != 0)
            return QStringLiteral("step %1 g on marks %2 g apart").arg(division).arg(finest);
        if (S.Find<TRadioGroup>("RadioGroupPer200")->isHidden() == (dense && HasPer200[kind]))
            return QStringLiteral("the 1/200 choice is %1").arg(dense && HasPer200[kind] ? "hidden" : "offered");

        // Unless the panel says the range is too narrow, the sheet holds six distinct
        // multiples of the step inside the capacity and the range.
        const std::int32_t lower = S.Find<TSpinEdit>("SpinEditMin")->Value();
        const std::int32_t upper = S.Find<TSpinEdit>("SpinEditMax")->Value();
        int inRange = 0;
        for (std::int64_t w = division; w < capacity; w += division)
            inRange += lower <= w && w <= upper;
        const bool warned = !S.Find<QLabel>("LabelRangeWarning")->isHidden();
        if (warned != (inRange < 6))
            return QStringLiteral("%1 weights in range, warning %2").arg(inRange).arg(warned ? "shown" : "hidden");
        std::set<std::uint32_t> weights;
        for (int problem = 1; problem <= 6; ++problem) {
            const TPlatformScale* dial = S.Dial(problem);
            const std::uint32_t v = dial->Value();
            if (dial->TypeValueMax() != CapacityTypes[kind] || dial->ValueMax() != capacity)
                return QStringLiteral("dial %1 is not a %2 dial").arg(problem).arg(QLatin1String(Capacities[kind]));
            if (v > capacity)
                return QStringLiteral("dial %1 stands at %2 g beyond its capacity").arg(problem).arg(v);
            if (!warned && S.Blank(problem) != ExpectedBlank(unit, v))
                return QStringLiteral("blank %1 is '%2' for %3 g").arg(problem).arg(S.Blank(problem)).arg(v);
            const auto w = static_cast<std::int64_t>(v);
            if (!warned && (v == 0 || v >= capacity || w % division != 0 || w < lower || w > upper))
                return QStringLiteral("dial %1 stands at %2 g with step %3 and range %4 to %5")
                    .arg(problem).arg(v).arg(division).arg(lower).arg(upper);
            weights.insert(v);
        }
        if (weights.size() != 6)
            return QStringLiteral("a weight repeats on a sheet");

        const QString line1 =
            QStringLiteral("重量:%1, ").arg(QLatin1String(Capacities[kind])) +
            (dense ? QStringLiteral("疎密:密, ") : QStringLiteral("疎密:疎, ")) +
            (per200Drawn ? QStringLiteral("1/200:表示, ") : QString()) +
            QStringLiteral("刻み:") + S.Find<TRadioButton>(checked)->text();
        // While the range is too narrow the sheet shown keeps its own summary lines.
        if (!warned && S.Text("LabelHyoudai1") != line1)
            return QStringLiteral("first summary line '%1', expected '%2'").arg(S.Text("LabelHyoudai1"), line1);
        const QWidget* first = S.Find<QWidget>("LabelHyoudai1");
        if (S.Find<QWidget>("LabelHyoudai2")->geometry().intersects(first->geometry()))
            return QStringLiteral("the summary lines overlap");

        static const QString units[] = {QStringLiteral("単位:g"), QStringLiteral("単位:kg"), QStringLiteral("単位:kg,g")};
        const QString line2 =
            QStringLiteral("範囲:%1g ～ %2, ")
                .arg(lower)
                .arg(upper % 1000 == 0 ? QStringLiteral("%1kg").arg(upper / 1000) : QStringLiteral("%1g").arg(upper)) +
            (S.Find<TRadioGroup>("RadioGroupShow")->ItemIndex() == 0 ? QStringLiteral("表示:全体, ")
                                                                     : QStringLiteral("表示:部分, ")) +
            units[unit];
        if (!warned && S.Text("LabelHyoudai2") != line2)
            return QStringLiteral("second summary line '%1', expected '%2'").arg(S.Text("LabelHyoudai2"), line2);
        return {};
    }

    Sheet S;
    QTemporaryDir FDir;
    QStringList PrintErrors;
};

}  // namespace

class TestWindowStress : public QObject {
    Q_OBJECT
private slots:
    void randomActionsKeepTheSheetConsistent()
    {
        const std::uint32_t seed = StressSeed();
        const int steps = StressSteps(300);
        TWindowUnderTest subject(seed);
        TWindowActions generate(seed);
        std::vector<TWindowAction> done;
        auto fails = [seed](const std::vector<TWindowAction>& actions) {
            TWindowUnderTest replay(seed);
            for (const TWindowAction& action : actions)
                if (!replay.Step(action).isEmpty())
                    return true;
            return !replay.Print().isEmpty();
        };
        for (int step = 0; step < steps; ++step) {
            done.push_back(generate.Next(subject.Window()));
            const QString failure = subject.Step(done.back());
            if (!failure.isEmpty())
                QFAIL(qPrintable(Reproducer(seed, failure, Shrink<TWindowAction>(done, fails))));
        }
        // Whatever the draw, every run ends with one print of the sheet it reached.
        done.push_back(TWindowAction{kPrint, 0, 0, 0, {}, 0, 0});
        const QString failure = subject.Step(done.back());
        if (!failure.isEmpty())
            QFAIL(qPrintable(Reproducer(seed, failure, Shrink<TWindowAction>(done, fails))));
        // Every step was one a teacher could have taken: none fell on a hidden panel,
        // a disabled step or the item already chosen.
        QCOMPARE(subject.Idle, 0);
        qInfo("seed %u: %d actions, %d prints, all consistent", seed, steps + 1, subject.Prints);
    }
};

QTEST_MAIN(TestWindowStress)
#include "test_window_stress.moc"
