// The settings panel's handlers. Each one that changes a setting ends in SetCaptions,
// so the summary lines always describe the sheet. The capacity, the step and the
// range decide which weights a sheet may hold, so changing them draws a new sheet at
// once, as "更新(&N)" does; the density, 1/200, view and unit keep the weights.

#include "UnitKestrum.h"

#include "Label.h"
#include "PlatformScale.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "SpinEdit.h"
#include "Texts.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScopedValueRollback>

void TFormKestrum::ButtonStartClick(QObject*)
{
    if (!GroupBoxStart->isHidden())
        return;
    ButtonStart->hide();
    ButtonRadioGroupStartClose->show();
    GroupBoxStart->show();
}

void TFormKestrum::ButtonRadioGroupStartCloseClick(QObject*)
{
    ButtonRadioGroupStartClose->hide();
    GroupBoxStart->hide();
    ButtonStart->show();
}

void TFormKestrum::RadioGroupKindClick(QObject* Sender)
{
    const int item = RadioGroupKind->ItemIndex();
    if (item < 0 || item >= CapacityCount) {
        SetCaptions();
        return;
    }
    {
        // The step and density handlers run inside; this handler draws the one sheet.
        const QScopedValueRollback hold(FRenewHeld, true);
        const TCapacityRow& row = CapacityRows()[item];
        for (TPlatformScale* dial : PlatformScale)
            dial->SetTypeValueMax(row.Type);
        for (TPlatformScale* dial : PlatformScale)
            dial->SetValueMax(static_cast<std::uint32_t>(row.Capacity));
        // With equal bounds the upper box takes any number.
        SpinEditMax->SetMaxValue(row.Capacity);
        SpinEditMax->SetMinValue(row.Capacity);
        SpinEditMax->SetValue(row.Capacity);
        SpinEditMin->SetMaxValue(row.Capacity);
        SpinEditMin->SetValue(0);
        // A new capacity is densely graduated (below), so its steps are offered as
        // the dense marks allow.
        const std::int32_t finest =
            FinestGraduation(row.Type, bsDensely, PlatformScale[0]->TypeShowScalePer200());
        for (int i = 0; i < StepCount; ++i)
            RadioButtonDivision[i]->setEnabled(StepOffered(row, i, finest));
        // Runs the step's handler only if it was not checked already.
        RadioButtonDivision[StartingStep(row, finest)]->SetChecked(true);
        RadioGroupSparselyDensely->SetItemIndex(1);
        RadioGroupPer200->setVisible(row.Per200Offered);
        FSummary.StrKind = row.StrKind;
    }
    RenewUnlessHeld(Sender);
}

void TFormKestrum::DivisionClick(QObject* Sender, int Index)
{
    TRadioButton* button = RadioButtonDivision[Index];
    if (!button->Checked()) {
        SetCaptions();
        return;
    }
    for (TRadioButton* other : RadioButtonDivision)
        if (other != button)
            other->SetChecked(false);
    const TStepRow& row = StepRows()[Index];
    const std::int32_t step = row.Step;
    FDivision = step;
    FSummary.StrDivision = row.StrDivision;
    SpinEditMin->SetIncrement(step);
    SpinEditMax->SetIncrement(step);
    if (SpinEditMin->Value() > step)
        SpinEditMin->SetValue(0);
    // Round both range boxes down (toward zero) to a multiple of the step.
    SpinEditMin->SetValue(SpinEditMin->Value() / step * step);
    SpinEditMax->SetValue(SpinEditMax->Value() / step * step);
    RenewUnlessHeld(Sender);
}

void TFormKestrum::OfferSteps()
{
    const int item = RadioGroupKind->ItemIndex();
    if (item < 0 || item >= CapacityCount)
        return;
    const TCapacityRow& row = CapacityRows()[item];
    const TPlatformScale& dial = *PlatformScale[0];
    const std::int32_t finest =
        FinestGraduation(dial.TypeValueMax(), dial.TypeBoardScale(), dial.TypeShowScalePer200());
    bool checkedOffered = false;
    for (int i = 0; i < StepCount; ++i) {
        const bool offered = StepOffered(row, i, finest);
        RadioButtonDivision[i]->setEnabled(offered);
        checkedOffered = checkedOffered || (offered && RadioButtonDivision[i]->Checked());
    }
    if (checkedOffered)
        return;
    // The buttons run from the finest step to the coarsest.
    for (TRadioButton* button : RadioButtonDivision)
        if (button->isEnabled()) {
            button->SetChecked(true);
            return;
        }
}

void TFormKestrum::RenewUnlessHeld(QObject* Sender)
{
    if (FRenewHeld)
        SetCaptions();
    else
        Renew(Sender);
}

void TFormKestrum::RadioButtonDivision10gClick(QObject* Sender) { DivisionClick(Sender, 0); }
void TFormKestrum::RadioButtonDivision20gClick(QObject* Sender) { DivisionClick(Sender, 1); }
void TFormKestrum::RadioButtonDivision50gClick(QObject* Sender) { DivisionClick(Sender, 2); }
void TFormKestrum::RadioButtonDivision100gClick(QObject* Sender) { DivisionClick(Sender, 3); }
void TFormKestrum::RadioButtonDivision200gClick(QObject* Sender) { DivisionClick(Sender, 4); }
void TFormKestrum::RadioButtonDivision500gClick(QObject* Sender) { DivisionClick(Sender, 5); }
void TFormKestrum::RadioButtonDivision1kgClick(QObject* Sender) { DivisionClick(Sender, 6); }
void TFormKestrum::RadioButtonDivision2kgClick(QObject* Sender) { DivisionClick(Sender, 7); }
void TFormKestrum::RadioButtonDivision5kgClick(QObject* Sender) { DivisionClick(Sender, 8); }
void TFormKestrum::RadioButtonDivision10kgClick(QObject* Sender) { DivisionClick(Sender, 9); }

void TFormKestrum::RadioGroupSparselyDenselyClick(QObject*)
{
    const bool sparse = RadioGroupSparselyDensely->ItemIndex() == 0;
    for (TPlatformScale* dial : PlatformScale)
        dial->SetTypeBoardScale(sparse ? bsSparsely : bsDensely);
    // The 1/200 graduation is drawn only on a densely graduated dial of a capacity
    // that has one. Hiding the choice keeps its selection and leaves the dials' 1/200
    // setting as it is.
    const int item = RadioGroupKind->ItemIndex();
    RadioGroupPer200->setVisible(!sparse && item >= 0 && item < CapacityCount
                                 && CapacityRows()[item].Per200Offered);
    FSummary.StrSparselyDensely = sparse ? Texts::SparselySummary : Texts::DenselySummary;
    // Sparse marks may no longer show the step's weights; a new step draws a sheet.
    OfferSteps();
    SetCaptions();
}

void TFormKestrum::RadioGroupPer200Click(QObject*)
{
    const bool hide = RadioGroupPer200->ItemIndex() == 0;
    for (TPlatformScale* dial : PlatformScale)
        dial->SetTypeShowScalePer200(hide ? ssHide : ssShow);
    FSummary.StrPer200 = hide ? Texts::Per200HideSummary : Texts::Per200ShowSummary;
    OfferSteps();
    SetCaptions();
}

void TFormKestrum::RadioGroupShowClick(QObject*)
{
    // Only the zoom is set here: each dial enlarges the part of its board around its
    // own needle.
    const bool whole = RadioGroupShow->ItemIndex() == 0;
    for (TPlatformScale* dial : PlatformScale)
        dial->SetStretchRatePercent(whole ? 100 : 150);
    FSummary.StrShow = whole ? Texts::WholeSummary : Texts::EnlargedSummary;
    SetCaptions();
}

void TFormKestrum::RadioGroupUnitClick(QObject*)
{
    switch (RadioGroupUnit->ItemIndex()) {
    case auGrams:
        FSummary.StrUnit = Texts::UnitGramsSummary;
        break;
    case auKilograms:
        FSummary.StrUnit = Texts::UnitKilogramsSummary;
        break;
    case auKilogramsAndGrams:
        FSummary.StrUnit = Texts::UnitKilogramsAndGramsSummary;
        break;
    default:
        break;
    }
    SetCaptions();
}

// Every keystroke shows the range in the summary line; the sheet is drawn only when
// the edit is finished, not from the half-typed numbers on the way.
void TFormKestrum::SpinEditMinChange(QObject*) { SetCaptions(); }
void TFormKestrum::SpinEditMaxChange(QObject*) { SetCaptions(); }
void TFormKestrum::SpinEditMinEditingDone(QObject* Sender) { RenewUnlessHeld(Sender); }
void TFormKestrum::SpinEditMaxEditingDone(QObject* Sender) { RenewUnlessHeld(Sender); }
