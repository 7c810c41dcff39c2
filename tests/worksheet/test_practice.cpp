// A pupil practises on screen: the answers typed into the boxes over the blanks, Enter
// from box to box in reading order and marking after the last one, the marks, the
// score and the tally, and a new sheet with empty boxes; in each unit.

#include "WorksheetDriver.h"

#include "view/SheetView.h"

#include "CommandLine.h"
#include "practice/Marking.h"
#include "practice/PracticeDial.h"
#include "window/MainWindow.h"

#include <QCheckBox>
#include <QLineEdit>

#include <cmath>
#include <numbers>

namespace {

// One problem as the pupil answers it: the boxes typed into, in order.
struct TTyped {
    const char* Box;
    QString Keys;
};

// Typed keys; full-width text arrives as an input method commits it.
void Enter(QWidget* Box, const QString& Keys)
{
    if (Keys.toLatin1() == Keys.toUtf8()) {
        QTest::keyClicks(Box, Keys);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(Keys);
    QCoreApplication::sendEvent(Box, &commit);
}

// Where a weight stands on a dial, 100 pixels out from the board's centre.
QPoint PointOf(TPlatformScale& Dial, double Grams)
{
    const TRect& board = Dial.Layout().Board;
    const double angle = Grams / Dial.ValueMax() * 2 * std::numbers::pi;
    return QPoint(static_cast<int>(std::lround((board.Left + board.Right) / 2.0 + 100 * std::sin(angle))),
                  static_cast<int>(std::lround((board.Top + board.Bottom) / 2.0 - 100 * std::cos(angle))));
}

// The pixels of a dial painted in the teacher's red.
int RedPixels(QWidget& Dial)
{
    const QImage image = Dial.grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 90 && c.blue() < 90 ? 1 : 0;
        }
    return red;
}

}  // namespace

class TestPractice : public QObject {
    Q_OBJECT

private slots:
    void aPupilAnswersMarksAndGoesOn()
    {
        Sheet driver;
        driver.Form->show();
        QVERIFY(QTest::qWaitForWindowActive(driver.Form.get()));
        auto* practice = driver.Find<QCheckBox>("CheckBoxPractice");
        driver.Click("ButtonStart");
        QTest::mouseClick(practice, Qt::LeftButton);
        // The settings panel closes and the answers cannot be looked up.
        QVERIFY(driver.Find<QWidget>("GroupBoxStart")->isHidden());
        QVERIFY(!driver.Find<QCheckBox>("CheckBoxAnswers")->isEnabled());

        // Problems are numbered down the columns (1, 3, 5 on top); the pupil reads
        // along the top row first. Problem 2 stays below a kilogram.
        const TWeights weights = {1250, 600, 1800, 300, 1000, 1950};
        struct TUnitPlay {
            TAnswerUnit Unit;
            QList<TTyped> Typed;  // in the order the boxes are reached
            int Wrong;            // the problem answered wrong
            QString RightAnswer;  // its mark after "×"
        };
        const QList<TUnitPlay> plays = {
            // Letters are not taken; full-width digits from an input method are.
            {auGrams,
             {{"EditAnswer1", "12x50"}, {"EditAnswer3", "１８００"}, {"EditAnswer5", "1000"},
              {"EditAnswer2", "600"}, {"EditAnswer4", "310"}, {"EditAnswer6", "1950"}},
             4, "×300g"},
            {auKilograms,
             {{"EditKilograms1", "1.250"}, {"EditKilograms3", "１．８"}, {"EditKilograms5", "1"},
              {"EditKilograms2", "0.6"}, {"EditKilograms4", ".3"}, {"EditKilograms6", "1.9"}},
             6, "×1.95kg"},
            {auKilogramsAndGrams,
             {{"EditKilograms1", "1"}, {"EditGrams1", "205"}, {"EditKilograms3", "1"}, {"EditGrams3", "800"},
              {"EditKilograms5", "1"}, {"EditGrams5", "0"}, {"EditAnswer2", "600"}, {"EditAnswer4", "300"},
              {"EditKilograms6", "1"}, {"EditGrams6", "950"}},
             1, "×1kg 250g"},
        };
        // 310 g for 300 g is one mark off, 1.9 kg for 1.95 kg the numeral, 1 kg 205 g for
        // 1 kg 250 g each mark taken as 1 g: one of each, and the first of them is named.
        const QString most = QStringLiteral(" (多いまちがい: 目もり1つずれ 1)");
        const QStringList tallies = {"これまで 1枚 5/6問" + most, "これまで 2枚 10/12問" + most,
                                     "これまで 3枚 15/18問" + most};

        for (qsizetype play = 0; play < plays.size(); ++play) {
            const TUnitPlay& p = plays[play];
            TSheet sheet = driver.Form->Sheet();
            sheet.Settings.Unit = p.Unit;
            sheet.Weights = weights;
            driver.Form->ApplySheet(sheet);
            QTest::mouseClick(driver.Find<QLineEdit>(p.Typed.front().Box), Qt::LeftButton);

            for (const TTyped& typed : p.Typed) {
                // The first box has the focus, and each Enter brings the pupil to the next.
                QWidget* box = QApplication::focusWidget();
                QVERIFY(box);
                QCOMPARE(box->objectName(), QString::fromLatin1(typed.Box));
                Enter(box, typed.Keys);
                QTest::keyClick(box, Qt::Key_Return);
            }
            if (p.Unit == auGrams)
                QCOMPARE(driver.Find<QLineEdit>("EditAnswer1")->text(), QStringLiteral("1250"));
            // The first marking names no right answer; the second shows it.
            QCOMPARE(driver.Text(QByteArray("LabelMark" + QByteArray::number(p.Wrong)).constData()), QStringLiteral("×"));
            driver.Click("ButtonMark");
            for (int i = 1; i <= ProblemCount; ++i) {
                const QByteArray mark = "LabelMark" + QByteArray::number(i);
                QCOMPARE(driver.Text(mark.constData()), i == p.Wrong ? p.RightAnswer : QStringLiteral("○"));
                // Beside the blank, not over a box.
                auto* label = driver.Find<QLabel>(mark.constData());
                for (QLineEdit* box : driver.Find<QWidget>("PracticeOverlay")->findChildren<QLineEdit*>())
                    if (box->isVisible())
                        QVERIFY(!label->geometry().intersects(box->geometry()));
            }
            QCOMPARE(driver.Text("LabelScore"), QStringLiteral("6問中5問正解"));
            QCOMPARE(driver.Text("LabelTally"), tallies[play]);

            if (play == 0) {
                // Put right and marked again: the sheet counts once, with its first marking.
                auto* wrong = driver.Find<QLineEdit>("EditAnswer4");
                wrong->clear();
                QTest::keyClicks(wrong, "300");
                driver.Click("ButtonMark");
                QCOMPARE(driver.Text("LabelMark4"), QStringLiteral("○"));
                QCOMPARE(driver.Text("LabelScore"), QStringLiteral("6問中5問正解"));
                QCOMPARE(driver.Text("LabelTally"), tallies[0]);
                // Away from practice and back: the answers stay, and the sheet counts once.
                QTest::mouseClick(practice, Qt::LeftButton);
                QTest::mouseClick(practice, Qt::LeftButton);
                QCOMPARE(wrong->text(), QStringLiteral("300"));
                QCOMPARE(driver.Text("LabelTally"), tallies[0]);
            }

            driver.Click("ButtonNextSheet");
            QVERIFY(driver.Form->Sheet().Weights != weights);
            QCOMPARE(driver.Form->Sheet().Settings.Unit, p.Unit);
            for (QLineEdit* box : driver.Find<QWidget>("PracticeOverlay")->findChildren<QLineEdit*>())
                QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
            QVERIFY(driver.Find<QLabel>("LabelMark1")->isHidden());
            QCOMPARE(driver.Text("LabelScore"), QString());
            QCOMPARE(driver.Text("LabelTally"), tallies[play]);
        }

        // The boxes and marks are not part of the sheet that prints.
        for (QWidget* box : driver.Find<QWidget>("PracticeOverlay")->findChildren<QLineEdit*>())
            QVERIFY(!driver.Form->View().isAncestorOf(box));
        QTest::mouseClick(practice, Qt::LeftButton);
        QVERIFY(!driver.Find<QWidget>("EditAnswer1")->isVisible());
        QVERIFY(driver.Find<QCheckBox>("CheckBoxAnswers")->isEnabled());
    }

    void aPupilSetsTheNeedles()
    {
        Sheet driver;
        driver.Form->show();
        QVERIFY(QTest::qWaitForWindowActive(driver.Form.get()));
        TSheet sheet = driver.Form->Sheet();  // 2 kg, densely graduated: marks every 10 g
        sheet.Settings.Exercise = exDraw;
        sheet.Weights = {1250, 600, 1800, 300, 1000, 1950};
        driver.Form->ApplySheet(sheet);
        QTest::mouseClick(driver.Find<QCheckBox>("CheckBoxPractice"), Qt::LeftButton);

        // In reading order: 1, 3, 5 along the top, then 2, 4, 6. Problem 2 is set one
        // mark too far; problem 4 by the arrow keys alone.
        const QList<int> order = {1, 3, 5, 2, 4, 6};
        for (const int problem : order) {
            auto* dial = qobject_cast<TPracticeDial*>(QApplication::focusWidget());
            QVERIFY(dial);
            QCOMPARE(dial->objectName(), QStringLiteral("PracticeScale%1").arg(problem));
            QCOMPARE(dial->Value(), 0u);
            const double weight = sheet.Weights[problem - 1];
            if (problem == 4) {
                for (int k = 0; k < 31; ++k)
                    QTest::keyClick(dial, Qt::Key_Right);
                QTest::keyClick(dial, Qt::Key_Left);
            } else {
                // Dragged in from the top, let go a few grams past the mark.
                QTest::mousePress(dial, Qt::LeftButton, {}, PointOf(*dial, 0));
                const QPoint end = PointOf(*dial, weight + 3);
                QMouseEvent move(QEvent::MouseMove, end, dial->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                                 Qt::NoModifier);
                QCoreApplication::sendEvent(dial, &move);
                QTest::mouseRelease(dial, Qt::LeftButton, {}, end);
                if (problem == 2)
                    QTest::keyClick(dial, Qt::Key_Up);
            }
            QTest::keyClick(dial, Qt::Key_Return);
        }

        driver.Click("ButtonMark");
        for (int i = 1; i <= ProblemCount; ++i) {
            auto* dial = driver.Find<TPracticeDial>(QByteArray("PracticeScale" + QByteArray::number(i)).constData());
            QCOMPARE(driver.Text(QByteArray("LabelMark" + QByteArray::number(i)).constData()),
                     i == 2 ? QStringLiteral("×") : QStringLiteral("○"));
            // The right needle in red over the pupil's, on the wrong dial only.
            QCOMPARE(RedPixels(*dial) > 100, i == 2);
            // The sheet under it, which prints, keeps its empty dial at the weight.
            QVERIFY(!driver.Dial(i)->HandVisible());
            QCOMPARE(driver.Dial(i)->Value(), sheet.Weights[i - 1]);
        }
        QCOMPARE(driver.Find<TPracticeDial>("PracticeScale2")->Value(), 610u);
        QCOMPARE(driver.Text("LabelScore"), QStringLiteral("6問中5問正解"));
        QCOMPARE(driver.Text("LabelTally"), QStringLiteral("これまで 1枚 5/6問 (多いまちがい: 目もり1つずれ 1)"));

        driver.Click("ButtonNextSheet");
        QCOMPARE(driver.Form->Sheet().Settings.Exercise, exDraw);
        auto* first = driver.Find<TPracticeDial>("PracticeScale1");
        QCOMPARE(first->Value(), 0u);
        QCOMPARE(RedPixels(*driver.Find<TPracticeDial>("PracticeScale2")), 0);
        QVERIFY(driver.Find<QLabel>("LabelMark2")->isHidden());
    }

    // A 5 kg dial densely graduated: a mark every 20 g, a numeral every 200 g.
    void mistakesAreNamedAndTheLadderFollows()
    {
        Sheet driver;
        driver.Form->show();
        QVERIFY(QTest::qWaitForWindowActive(driver.Form.get()));
        TSheet sheet = driver.Form->Sheet();
        sheet.Settings.Capacity = 2;
        sheet.Weights = {3860, 1260, 2660, 4340, 1720, 3000};
        driver.Form->ApplySheet(sheet);
        QTest::mouseClick(driver.Find<QCheckBox>("CheckBoxPractice"), Qt::LeftButton);
        struct TRow {
            const char* Kilograms;
            const char* Grams;
            QString Words;
        };
        const TRow rows[ProblemCount] = {
            {"3", "840", "目もり1つ分ずれています。"},
            {"1", "26", "kgとgのかきかたをまちがえています。"},
            {"2", "630", "小さい1目もりは20gです。"},  // three marks of 10 g
            {"4", "400", "近くの数字をよんでいます。はりの先を見ましょう。"},
            {"1", "680", "目もりを反対からかぞえています。"},
            {"3", "", ""},  // a whole kilogram needs no grams
        };
        // A kg-g blank's kilograms are whole.
        QTest::keyClicks(driver.Find<QLineEdit>("EditKilograms6"), ".");
        QCOMPARE(driver.Find<QLineEdit>("EditKilograms6")->text(), QString());
        for (int i = 0; i < ProblemCount; ++i) {
            const QByteArray n = QByteArray::number(i + 1);
            QTest::keyClicks(driver.Find<QLineEdit>(("EditKilograms" + n).constData()), rows[i].Kilograms);
            QTest::keyClicks(driver.Find<QLineEdit>(("EditGrams" + n).constData()), rows[i].Grams);
        }
        const auto label = [&](const char* Name, int Problem) {
            return driver.Find<QLabel>(QByteArray(Name + QByteArray::number(Problem)).constData());
        };
        driver.Click("ButtonMark");
        for (int i = 1; i <= ProblemCount; ++i) {
            QCOMPARE(label("LabelMistake", i)->text(), rows[i - 1].Words);
            QCOMPARE(label("LabelMark", i)->text(), i == 6 ? QStringLiteral("○") : QStringLiteral("×"));
            QCOMPARE(label("LabelReading", i)->text(), QString());
            // Under the blank, clear of every dial and box of the fitted sheet.
            for (QWidget* other : driver.Find<QWidget>("PracticeOverlay")->findChildren<QWidget*>())
                if (other->isVisible() && (qobject_cast<QLineEdit*>(other) || other->objectName().startsWith("Label")))
                    QVERIFY(other == label("LabelMistake", i) || !other->geometry().intersects(label("LabelMistake", i)->geometry()));
        }
        QCOMPARE(driver.Text("LabelScore"), QStringLiteral("6問中1問正解"));

        // The second try shows the right answers and the way to them; the first try's score stays.
        driver.Click("ButtonMark");
        QCOMPARE(label("LabelMark", 1)->text(), QStringLiteral("×3kg 860g"));
        QCOMPARE(label("LabelReading", 1)->text(), QStringLiteral("3.8kg から 小さい目もり3つ (1つ20g) → 3kg 860g"));
        QVERIFY(driver.Find<QWidget>("ReadingAid1")->isVisible());
        QVERIFY(!driver.Find<QWidget>("ReadingAid6")->isVisible());
        QCOMPARE(driver.Text("LabelScore"), QStringLiteral("6問中1問正解"));

        // A new sheet is a new page: the boxes forget the last sheet's answers.
        driver.Click("ButtonNextSheet");
        auto* first = driver.Find<QLineEdit>("EditKilograms1");
        QTest::keyClick(first, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(first->text(), QString());
        QCOMPARE(label("LabelMistake", 1)->text(), QString());

        // On the ladder: two sheets all right move up a level, one poor sheet down again.
        QTest::mouseClick(driver.Find<QCheckBox>("CheckBoxStepUp"), Qt::LeftButton);
        QCOMPARE(driver.Text("LabelLevel"), QStringLiteral("レベル 1/15"));
        const std::pair<bool, const char*> ladder[] = {{true, "レベル 1/15"}, {true, "レベル 2/15"}, {false, "レベル 1/15"}};
        for (const auto& [good, level] : ladder) {
            const TSheet& shown = driver.Form->Sheet();
            for (int i = 0; good && i < ProblemCount; ++i) {
                const QByteArray n = QByteArray::number(i + 1);
                const std::uint32_t w = shown.Weights[i];
                if (shown.Settings.Exercise == exDraw) {
                    auto* dial = driver.Find<TPracticeDial>(("PracticeScale" + n).constData());
                    QCOMPARE(dial->TypeBoardScale(), driver.Dial(i + 1)->TypeBoardScale());
                    dial->SetValue(w);
                } else if (BlankForm(shown.Settings.Unit, w) == bfGrams) {
                    QTest::keyClicks(driver.Find<QLineEdit>(("EditAnswer" + n).constData()), QString::number(w));
                } else {
                    QTest::keyClicks(driver.Find<QLineEdit>(("EditKilograms" + n).constData()), QString::number(w / 1000));
                    QTest::keyClicks(driver.Find<QLineEdit>(("EditGrams" + n).constData()), QString::number(w % 1000));
                }
            }
            driver.Click("ButtonMark");
            driver.Click("ButtonNextSheet");
            QCOMPARE(driver.Text("LabelLevel"), QString::fromUtf8(level));
        }

        // The teacher's fitted view shows the sheet alone, and gives the window back.
        QTest::mouseClick(driver.Find<QCheckBox>("CheckBoxPractice"), Qt::LeftButton);
        QCOMPARE(driver.Form->Sheet().Settings, sheet.Settings);
        auto* fit = driver.Find<QCheckBox>("CheckBoxFitView");
        QTest::mouseClick(fit, Qt::LeftButton);
        QVERIFY(driver.Find<QWidget>("FittedSheet")->isVisible());
        QVERIFY(!driver.Find<QWidget>("EditKilograms1")->isVisible());
        QTest::mouseClick(fit, Qt::LeftButton);
        QVERIFY(!driver.Find<QWidget>("FittedSheet")->isVisible());
    }

    void theCommandLineStartsPractice()
    {
        QVERIFY(!ParseCommandLine({"kestrum", "--practice", "--pdf", "x.pdf"}).Error.isEmpty());
        const TCommandLine line = ParseCommandLine({"kestrum", "--practice", "--capacity", "5", "--unit", "kg"});
        QVERIFY(line.Error.isEmpty());
        RegisterFontSubstitutions();
        TMainWindow window;
        StartWindow(line, window);
        TFormKestrum& form = window.Form();
        QVERIFY(form.Practising());
        QVERIFY(form.findChild<QWidget*>("GroupBoxStart")->isHidden());
        QCOMPARE(form.Sheet().Settings.CapacityGrams(), 5000);
        QVERIFY(form.findChild<QLineEdit*>("EditKilograms1")->isVisible());

        // On the ladder, from its first level.
        TMainWindow ladder;
        StartWindow(ParseCommandLine({"kestrum", "--step-up"}), ladder);
        QVERIFY(ladder.Form().Practising());
        QCOMPARE(ladder.Form().findChild<QLabel*>("LabelLevel")->text(), QStringLiteral("レベル 1/15"));
    }
};

QTEST_MAIN(TestPractice)
#include "test_practice.moc"
