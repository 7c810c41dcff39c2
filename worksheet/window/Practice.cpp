// Practice on screen: the pupil types the answers into boxes over the blanks and the
// sheet is marked at once. The strip's check box turns it on and off. While it is on, the
// sheet is fitted to the window on a stage of its own, with the practice controls beside
// it, and the answers cannot be shown. "大きく表示" shows the same fitted sheet without
// the boxes, for a projector. The sheet itself stays as printed: the stage draws it.

#include "window/UnitKestrum.h"

#include "practice/Ladder.h"
#include "practice/PracticeOverlay.h"
#include "practice/PracticeStage.h"
#include "window/ClassPanel.h"
#include "Texts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

void TFormKestrum::CreatePractice()
{
    CheckBoxPractice = new QCheckBox(Texts::CheckBoxPractice, PanelSheetButtons);
    CheckBoxPractice->setObjectName(QStringLiteral("CheckBoxPractice"));
    CheckBoxPractice->setGeometry(PracticeSwitchPlace);
    // In the white between the first dial and the next, right of the button panel,
    // where the settings panel lies while it is open: it shows with "初期設定".
    CheckBoxFitView = new QCheckBox(Texts::CheckBoxFitView, this);
    CheckBoxFitView->setObjectName(QStringLiteral("CheckBoxFitView"));
    CheckBoxFitView->setGeometry(FitViewSwitchPlace);
    CheckBoxFitView->setAutoFillBackground(true);
    CheckBoxFitView->stackUnder(GroupBoxStart);
    // Over everything while it shows.
    PracticeStage = new TPracticeStage(*SheetView, this);
    PracticeStage->hide();
    PracticeOverlay = &PracticeStage->Overlay();
    ButtonMark = new QPushButton(Texts::ButtonMark);
    ButtonMark->setObjectName(QStringLiteral("ButtonMark"));
    PracticeStage->AddToStrip(ButtonMark);
    ButtonNextSheet = new QPushButton(Texts::ButtonNextSheet);
    ButtonNextSheet->setObjectName(QStringLiteral("ButtonNextSheet"));
    PracticeStage->AddToStrip(ButtonNextSheet);
    CheckBoxStepUp = new QCheckBox(Texts::CheckBoxStepUp);
    CheckBoxStepUp->setObjectName(QStringLiteral("CheckBoxStepUp"));
    PracticeStage->AddToStrip(CheckBoxStepUp);
    FLadder = std::make_unique<TPracticeLadder>();
}

void TFormKestrum::WirePractice()
{
    connect(CheckBoxPractice, &QCheckBox::toggled, this, [this] { CheckBoxPracticeClick(CheckBoxPractice); });
    connect(CheckBoxFitView, &QCheckBox::toggled, this, [this] { CheckBoxFitViewClick(CheckBoxFitView); });
    connect(ButtonMark, &QPushButton::clicked, this, [this] { ButtonMarkClick(ButtonMark); });
    connect(ButtonNextSheet, &QPushButton::clicked, this, [this] { ButtonNextSheetClick(ButtonNextSheet); });
    connect(CheckBoxStepUp, &QCheckBox::toggled, this, [this] { CheckBoxStepUpClick(CheckBoxStepUp); });
}

bool TFormKestrum::Practising() const { return CheckBoxPractice && CheckBoxPractice->isChecked(); }

void TFormKestrum::StartPractice() { CheckBoxPractice->setChecked(true); }

void TFormKestrum::StartStepUp()
{
    StartPractice();
    CheckBoxStepUp->setChecked(true);
}

bool TFormKestrum::SteppingUp() const { return Practising() && CheckBoxStepUp->isChecked(); }

void TFormKestrum::ShowStage(QCheckBox* Switch, bool On)
{
    if (On) {
        // One stage at a time: practice and the projector's view share it.
        QCheckBox* other = Switch == CheckBoxPractice ? CheckBoxFitView : CheckBoxPractice;
        other->setChecked(false);
        if (!GroupBoxStart->isHidden())
            ButtonRadioGroupStartCloseClick(Switch);
        PracticeStage->PutSwitch(Switch);
        // The window's own buttons lie under the stage: their keys must not reach them.
        PanelButtons->setEnabled(false);
        PanelSheetButtons->setEnabled(false);
        ButtonClass->setEnabled(false);
        PanelClass->setEnabled(false);
        // The stage fits the sheet to whatever room the window has: no scrolling.
        setMinimumSize(0, 0);
        PracticeStage->setGeometry(rect());
        PracticeStage->SetPractising(Switch == CheckBoxPractice);
        PracticeStage->show();
        PracticeStage->raise();
        PracticeStage->SheetChanged();
        return;
    }
    if (Switch->parentWidget() != PracticeStage->Strip())
        return;
    Switch->setParent(Switch == CheckBoxPractice ? static_cast<QWidget*>(PanelSheetButtons) : this);
    Switch->setGeometry(Switch == CheckBoxPractice ? PracticeSwitchPlace : FitViewSwitchPlace);
    Switch->setFont(font());
    Switch->show();
    if (Switch == CheckBoxFitView) {
        Switch->setAutoFillBackground(true);
        Switch->stackUnder(GroupBoxStart);
    }
    PracticeStage->hide();
    PanelButtons->setEnabled(true);
    PanelSheetButtons->setEnabled(true);
    ButtonClass->setEnabled(true);
    PanelClass->setEnabled(true);
    setMinimumSize(SheetDesignSize);
    Switch->setFocus(Qt::OtherFocusReason);
}

void TFormKestrum::CheckBoxPracticeClick(QObject*)
{
    const bool on = Practising();
    // The answers would give the practice away.
    if (on)
        CheckBoxAnswers->setChecked(false);
    CheckBoxAnswers->setEnabled(!on);
    // The teacher's settings come back with the window's own view.
    if (!on)
        CheckBoxStepUp->setChecked(false);
    ShowStage(CheckBoxPractice, on);
    if (on) {
        PracticeOverlay->ShowSheet(FShown);
        PracticeOverlay->FocusFirstBox();
    }
}

void TFormKestrum::CheckBoxFitViewClick(QObject*) { ShowStage(CheckBoxFitView, CheckBoxFitView->isChecked()); }

void TFormKestrum::ButtonMarkClick(QObject*) { PracticeOverlay->Mark(); }

void TFormKestrum::ButtonNextSheetClick(QObject* Sender)
{
    if (SteppingUp()) {
        if (const std::optional<int> score = PracticeOverlay->FirstScore())
            FLadder->Record(*score);
        ShowLadderSheet(Sender);
    } else {
        Renew(Sender);
    }
    PracticeOverlay->FocusFirstBox();
}

void TFormKestrum::CheckBoxStepUpClick(QObject* Sender)
{
    const bool on = CheckBoxStepUp->isChecked();
    PracticeStage->SetLevel(on ? FLadder->LevelText() : QString());
    if (on) {
        FTeacherSettings = FSheet.Settings;
        ShowLadderSheet(Sender);
    } else {
        FSheet.Settings = FTeacherSettings;
        Renew(Sender);
    }
    if (Practising())
        PracticeOverlay->FocusFirstBox();
}

void TFormKestrum::ShowLadderSheet(QObject* Sender)
{
    FSheet.Settings = FLadder->NextSettings(FTeacherSettings.Unit);
    Renew(Sender);
    PracticeStage->SetLevel(FLadder->LevelText());
}

void TFormKestrum::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    if (PracticeStage)
        PracticeStage->setGeometry(rect());
}
