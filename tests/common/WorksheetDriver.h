#pragma once
// Drives the worksheet window as a teacher would: finds controls by their names,
// clicks them, types into them, and reads what the sheet shows. The weights come
// from FixedRandom, so every sheet of a test is known in advance.

#include "view/Fonts.h"
#include "dial/PlatformScale.h"
#include "controls/RadioButton.h"
#include "controls/RadioGroup.h"
#include "sheet/RandomSource.h"
#include "controls/SpinEdit.h"
#include "window/UnitKestrum.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include <deque>
#include <memory>

// Hands out the queued draws in order, then 0 forever; remembers each count asked for.
// A draw that does not fit the count asked for stops the test at once: handed on, it
// would index past the end of the program's list of candidates.
class FixedRandom final : public TRandomSource {
public:
    explicit FixedRandom(std::deque<int> Draws = {}) : FDraws(std::move(Draws)) {}
    void Seed() override { ++Seeds; }
    int Next(int Count) override
    {
        Counts.push_back(Count);
        int k = 0;
        if (!FDraws.empty()) {
            k = FDraws.front();
            FDraws.pop_front();
        }
        if (k < 0 || k >= Count)
            qFatal("FixedRandom: draw %d asked for from 0 to %d, after %zu draws; the test "
                   "queued draws for other counts than the program asks for",
                   k, Count - 1, Counts.size() - 1);
        return k;
    }
    void Queue(std::initializer_list<int> Draws) { FDraws.insert(FDraws.end(), Draws); }

    int Seeds = 0;
    std::vector<int> Counts;

private:
    std::deque<int> FDraws;
};

struct Sheet {
    FixedRandom* Random;  // owned by the window
    std::unique_ptr<TFormKestrum> Form;

    explicit Sheet(std::deque<int> StartDraws = {})
    {
        RegisterFontSubstitutions();
        auto random = std::make_unique<FixedRandom>(std::move(StartDraws));
        Random = random.get();
        Form = std::make_unique<TFormKestrum>(nullptr, std::move(random));
    }

    template <typename T> T* Find(const char* Name) const
    {
        auto* control = Form->findChild<T*>(QString::fromLatin1(Name));
        if (!control)
            qFatal("no control %s", Name);
        return control;
    }
    TPlatformScale* Dial(int Problem) const
    {
        return Find<TPlatformScale>(QByteArray("PlatformScale" + QByteArray::number(Problem)).constData());
    }
    QString Text(const char* Label) const { return Find<QLabel>(Label)->text(); }
    QString Blank(int Problem) const
    {
        return Text(QByteArray("LabelAnswer" + QByteArray::number(Problem)).constData());
    }
    QString TableWeight(int Problem) const
    {
        return Find<QTableWidget>("StringGrid1")->item(1, Problem)->text();
    }

    void Click(const char* Button) const { QTest::mouseClick(Find<QPushButton>(Button), Qt::LeftButton); }
    // Clicks on the round indicator, which is where a radio button takes clicks.
    static void ClickRadio(QAbstractButton* Button)
    {
        QTest::mouseClick(Button, Qt::LeftButton, {}, QPoint(6, Button->height() / 2));
    }
    void Choose(const char* Group, int Item) const { ClickRadio(Find<TRadioGroup>(Group)->Button(Item)); }
    void Step(const char* Button) const { ClickRadio(Find<TRadioButton>(Button)); }
    // Replaces the box's text as typed, then leaves the box.
    void Type(const char* Box, const QString& Text) const
    {
        auto* edit = Find<TSpinEdit>(Box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, Text);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &leave);
    }
};
