// The second exercise on the window: "はりをかく" gives whole dials without needles and
// the weights to draw, keeps "部分" out of reach until "目もりをよむ" gives the teacher's
// view back, shows the red needles as answers, and its code brings it back.

#include "sheet/SheetCode.h"
#include "WorksheetDriver.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>

class TestDrawExercise : public QObject {
    Q_OBJECT
private slots:
    void drawingTheNeedleOnTheWindow()
    {
        Sheet sheet;
        auto* show = sheet.Find<TRadioGroup>("RadioGroupShow");
        sheet.Choose("RadioGroupShow", 1);
        const int seeds = sheet.Random->Seeds;
        // Candidates 100 g to 1900 g: the twelfth is 1200 g, then the first ones left.
        sheet.Random->Queue({11});
        sheet.Choose("RadioGroupExercise", 1);

        QVERIFY(sheet.Random->Seeds > seeds);  // new weights, as a capacity change draws
        QCOMPARE(sheet.TableWeight(1), QStringLiteral("1200"));
        QCOMPARE(show->ItemIndex(), 0);
        QVERIFY(!show->Button(1)->isEnabled());
        QCOMPARE(sheet.Text("LabelMondai"), QStringLiteral("はりをかきましょう。"));
        QVERIFY(sheet.Find<QLabel>("LabelHurigana")->isHidden());
        QVERIFY(sheet.Text("LabelHyoudai1").endsWith(QStringLiteral("刻み:100g, 問題:はりをかく")));
        QVERIFY(sheet.Text("LabelHyoudai2").contains(QStringLiteral("表示:全体")));
        QCOMPARE(sheet.Blank(1), QStringLiteral("1kg 200g"));
        QCOMPARE(sheet.Blank(2), QStringLiteral("100g"));
        for (int i = 1; i <= ProblemCount; ++i)
            QVERIFY(!sheet.Dial(i)->HandVisible());

        // The answers: red needles, and no red texts by the weights.
        sheet.Find<QCheckBox>("CheckBoxAnswers")->setChecked(true);
        QVERIFY(sheet.Dial(1)->HandVisible());
        QCOMPARE(sheet.Dial(1)->HandColor(), clRed);
        QVERIFY(sheet.Find<QLabel>("LabelKey1")->isHidden());
        QVERIFY(!sheet.Find<QLabel>("LabelKeyTitle")->isHidden());

        // Reading again: the enlarged view the teacher had, and today's sheet.
        sheet.Find<QCheckBox>("CheckBoxAnswers")->setChecked(false);
        sheet.Choose("RadioGroupExercise", 0);
        QCOMPARE(show->ItemIndex(), 1);
        QVERIFY(show->Button(1)->isEnabled());
        QCOMPARE(sheet.Text("LabelMondai"), QStringLiteral("重さはいくらでしょう。"));
        QVERIFY(!sheet.Find<QLabel>("LabelHurigana")->isHidden());
        QVERIFY(sheet.Text("LabelHyoudai1").endsWith(QStringLiteral("刻み:100g")));
        QVERIFY(sheet.Dial(1)->HandVisible());
        QCOMPARE(sheet.Dial(1)->HandColor(), clBlack);

        // A draw sheet's code brings it back through "呼出し(&L)", here into the
        // reading window with its enlarged view.
        Sheet seeded;
        seeded.Form = std::make_unique<TFormKestrum>(nullptr, std::make_unique<TSheetSeedRandom>(9));
        seeded.Choose("RadioGroupExercise", 1);
        const TSheet drawn = seeded.Form->Sheet();
        const QString code = seeded.Text("LabelSheetCode");
        QVERIFY(!code.isEmpty());
        QTimer::singleShot(0, [&] {
            auto* dialog = sheet.Form->findChild<QDialog*>(QStringLiteral("DialogRecall"));
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("LineEditCode")), code);
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonRecallOk")), Qt::LeftButton);
        });
        sheet.Click("ButtonRecall");
        QCOMPARE(sheet.Form->Sheet(), drawn);
        QCOMPARE(sheet.Find<TRadioGroup>("RadioGroupExercise")->ItemIndex(), 1);
        QVERIFY(!show->Button(1)->isEnabled());
        QCOMPARE(sheet.Text("LabelMondai"), QStringLiteral("はりをかきましょう。"));
        QVERIFY(!sheet.Dial(1)->HandVisible());
    }
};

QTEST_MAIN(TestDrawExercise)
#include "test_draw_exercise.moc"
