// The event rules the window's handlers rely on: choices run their handler when the
// selection really changes, from code or by a click; number boxes limit and read
// their text as the settings panel expects.

#include "controls/RadioButton.h"
#include "controls/RadioGroup.h"
#include "controls/SpinEdit.h"

#include <QToolButton>
#include <QWidget>
#include <QtTest>

#include <limits>

namespace {
void ClickRadio(QAbstractButton* Button)
{
    QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(6, Button->height() / 2));
}
}  // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void radioGroupRunsItsHandlerOnlyOnARealChange()
    {
        TRadioGroup group;
        group.resize(100, 80);
        group.SetItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QList<int> seen;
        group.SetOnClick([&](QObject* Sender) {
            QCOMPARE(Sender, &group);
            seen.append(group.ItemIndex());
        });
        group.SetItemIndex(1);
        group.SetItemIndex(1);
        ClickRadio(group.Button(2));
        ClickRadio(group.Button(2));
        QCOMPARE(seen, (QList<int>{1, 2}));
        QVERIFY(group.Button(2)->isChecked() && !group.Button(1)->isChecked());

        group.SetItemIndex(-1);
        QCOMPARE(seen.last(), -1);
        for (int i = 0; i < group.ItemCount(); ++i)
            QVERIFY(!group.Button(i)->isChecked());
        group.SetItemIndex(7);  // no such item: stays without a selection
        QCOMPARE(seen.size(), 3);
    }

    void radioButtonRunsItsHandlerWhenItBecomesChecked()
    {
        QWidget parent;
        auto* first = new TRadioButton(&parent);
        auto* second = new TRadioButton(&parent);
        first->resize(60, 17);
        second->resize(60, 17);
        QList<QObject*> clicked;
        for (TRadioButton* b : {first, second})
            b->SetOnClick([&](QObject* Sender) { clicked.append(Sender); });
        first->SetChecked(true);
        first->SetChecked(true);
        ClickRadio(second);
        QCOMPARE(clicked, (QList<QObject*>{first, second}));
        QVERIFY(!first->Checked());
        second->SetChecked(false);  // the last checked one can be unchecked too, silently
        QVERIFY(!second->Checked());
        QCOMPARE(clicked.size(), 2);
    }

    void spinEditLimitsUnlessTheBoundsAreEqual()
    {
        TSpinEdit edit;
        edit.SetMinValue(0);
        edit.SetMaxValue(2000);
        edit.SetValue(2500);
        QCOMPARE(edit.Value(), 2000);
        edit.SetValue(-5);
        QCOMPARE(edit.text(), QStringLiteral("0"));
        edit.SetMinValue(2000);
        edit.SetValue(30000);
        QCOMPARE(edit.Value(), 30000);
    }

    void spinEditReadsUnreadableTextAsItsMinimumAndShowsItOnLeaving()
    {
        TSpinEdit edit;
        edit.SetMinValue(10);
        edit.SetMaxValue(100);
        edit.SetValue(50);
        int changes = 0;
        edit.SetOnChange([&](QObject*) { ++changes; });
        QTest::keyClicks(&edit, QStringLiteral("x7"));  // letters are refused
        QCOMPARE(edit.text(), QStringLiteral("507"));
        QCOMPARE(changes, 1);
        QCOMPARE(edit.Value(), 507);  // limited only when the box is left
        edit.setText(QStringLiteral("-"));
        QCOMPARE(edit.Value(), 10);
        QFocusEvent leave(QEvent::FocusOut);
        QCoreApplication::sendEvent(&edit, &leave);
        QCOMPARE(edit.text(), QStringLiteral("10"));
        edit.setText(QStringLiteral("507"));
        QCoreApplication::sendEvent(&edit, &leave);
        QCOMPARE(edit.text(), QStringLiteral("100"));
        // A number too long for any box is limited as any other number past a bound.
        edit.setText(QStringLiteral("99999999999"));
        QCOMPARE(edit.Value(), std::numeric_limits<std::int32_t>::max());
        QCoreApplication::sendEvent(&edit, &leave);
        QCOMPARE(edit.text(), QStringLiteral("100"));
        edit.setText(QStringLiteral("99999999999999999999"));
        QCoreApplication::sendEvent(&edit, &leave);
        QCOMPARE(edit.text(), QStringLiteral("100"));
    }

    void spinEditTakesFullWidthDigitsFromAJapaneseInputMethod()
    {
        TSpinEdit edit;
        edit.SetMinValue(0);
        edit.SetMaxValue(2000);
        QVERIFY(edit.inputMethodHints() & Qt::ImhDigitsOnly);
        edit.selectAll();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("１５００"));
        QCoreApplication::sendEvent(&edit, &commit);
        QCOMPARE(edit.text(), QStringLiteral("1500"));
        QCOMPARE(edit.Value(), 1500);
        QInputMethodEvent letters;
        letters.setCommitString(QStringLiteral("ｘ"));
        QCoreApplication::sendEvent(&edit, &letters);
        QCOMPARE(edit.text(), QStringLiteral("1500"));
    }

    void spinEditArrowsStepByTheIncrementWithoutWrapping()
    {
        TSpinEdit edit;
        edit.resize(80, 21);
        edit.SetIncrement(100);
        edit.SetValue(std::numeric_limits<std::int32_t>::max() - 50);
        QTest::mouseClick(edit.findChild<QToolButton*>(QStringLiteral("Up")), Qt::LeftButton);
        QCOMPARE(edit.Value(), std::numeric_limits<std::int32_t>::max());
        edit.SetValue(300);
        QTest::mouseClick(edit.findChild<QToolButton*>(QStringLiteral("Down")), Qt::LeftButton);
        QTest::keyClick(&edit, Qt::Key_Down);
        QCOMPARE(edit.Value(), 100);
    }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
