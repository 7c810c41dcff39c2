// Practice on screen: the pupil types the answers into boxes over the blanks and the
// sheet is marked at once. The strip's check box turns it on and off; while it is on,
// the strip's set and recall buttons give way to marking and the next sheet, and the
// answers cannot be shown. The sheet itself stays as printed: the overlay lies over it.

#include "window/UnitKestrum.h"

#include "practice/PracticeOverlay.h"
#include "Texts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

void TFormKestrum::CreatePractice()
{
    CheckBoxPractice = new QCheckBox(Texts::CheckBoxPractice, PanelSheetButtons);
    CheckBoxPractice->setObjectName(QStringLiteral("CheckBoxPractice"));
    CheckBoxPractice->setGeometry(64, 4, 70, 19);
    // In the set and recall buttons' place, which practice hides.
    ButtonMark = new QPushButton(Texts::ButtonMark, PanelSheetButtons);
    ButtonMark->setObjectName(QStringLiteral("ButtonMark"));
    ButtonMark->setGeometry(134, 1, 85, 25);
    ButtonMark->hide();
    ButtonNextSheet = new QPushButton(Texts::ButtonNextSheet, PanelSheetButtons);
    ButtonNextSheet->setObjectName(QStringLiteral("ButtonNextSheet"));
    ButtonNextSheet->setGeometry(219, 1, 85, 25);
    ButtonNextSheet->hide();
    // Over the sheet, under every panel: an open settings panel hides the boxes too.
    PracticeOverlay = new TPracticeOverlay(*SheetView, this);
    PracticeOverlay->stackUnder(PanelButtons);
    PracticeOverlay->hide();
}

void TFormKestrum::WirePractice()
{
    connect(CheckBoxPractice, &QCheckBox::toggled, this, [this] { CheckBoxPracticeClick(CheckBoxPractice); });
    connect(ButtonMark, &QPushButton::clicked, this, [this] { ButtonMarkClick(ButtonMark); });
    connect(ButtonNextSheet, &QPushButton::clicked, this, [this] { ButtonNextSheetClick(ButtonNextSheet); });
}

bool TFormKestrum::Practising() const { return CheckBoxPractice && CheckBoxPractice->isChecked(); }

void TFormKestrum::StartPractice() { CheckBoxPractice->setChecked(true); }

void TFormKestrum::CheckBoxPracticeClick(QObject*)
{
    const bool on = Practising();
    if (on) {
        // The answers would give the practice away.
        CheckBoxAnswers->setChecked(false);
        if (!GroupBoxStart->isHidden())
            ButtonRadioGroupStartCloseClick(CheckBoxPractice);
    }
    CheckBoxAnswers->setEnabled(!on);
    ButtonPrintSet->setVisible(!on);
    ButtonRecall->setVisible(!on);
    ButtonMark->setVisible(on);
    ButtonNextSheet->setVisible(on);
    PracticeOverlay->setVisible(on);
    if (on) {
        PracticeOverlay->ShowSheet(FShown);
        PracticeOverlay->FocusFirstBox();
    }
}

void TFormKestrum::ButtonMarkClick(QObject*) { PracticeOverlay->Mark(); }

void TFormKestrum::ButtonNextSheetClick(QObject* Sender)
{
    Renew(Sender);
    PracticeOverlay->FocusFirstBox();
}
