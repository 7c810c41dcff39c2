// The settings panel's handlers. Each one changes the sheet's settings and ends by
// showing the sheet, so the summary lines always describe it. The capacity, the step
// and the range decide which weights a sheet may hold, so changing them draws a new
// sheet at once, as "更新(&N)" does; the density, 1/200, view and unit keep the weights.

#include "window/UnitKestrum.h"

#include "controls/RadioButton.h"
#include "controls/RadioGroup.h"
#include "controls/SpinEdit.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
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
        FSheet.Settings.Capacity = item;
        const TCapacityRow& row = CapacityRows()[item];
        // With equal bounds the upper box takes any number.
        SpinEditMax->SetMaxValue(row.Capacity);
        SpinEditMax->SetMinValue(row.Capacity);
        SpinEditMax->SetValue(row.Capacity);
        SpinEditMin->SetMaxValue(row.Capacity);
        SpinEditMin->SetValue(0);
        TakeRange();
        // A new capacity is densely graduated (below), so its steps are offered as
        // the dense marks allow.
        TSheetSettings dense = FSheet.Settings;
        dense.Dense = true;
        for (int i = 0; i < StepCount; ++i)
            RadioButtonDivision[i]->setEnabled(StepOffered(dense, i));
        // Runs the step's handler only if it was not checked already.
        RadioButtonDivision[StartingStep(dense)]->SetChecked(true);
        RadioGroupSparselyDensely->SetItemIndex(1);
        RadioGroupPer200->setVisible(row.Per200Offered);
    }
    RenewUnlessHeld(Sender);
}

void TFormKestrum::RadioButtonDivisionClick(QObject* Sender, int Index)
{
    TRadioButton* button = RadioButtonDivision[Index];
    if (!button->Checked()) {
        SetCaptions();
        return;
    }
    for (TRadioButton* other : RadioButtonDivision)
        if (other != button)
            other->SetChecked(false);
    FSheet.Settings.Step = Index;
    const std::int32_t step = StepRows()[Index].Step;
    SpinEditMin->SetIncrement(step);
    SpinEditMax->SetIncrement(step);
    if (SpinEditMin->Value() > step)
        SpinEditMin->SetValue(0);
    // Round both range boxes down (toward zero) to a multiple of the step.
    SpinEditMin->SetValue(SpinEditMin->Value() / step * step);
    SpinEditMax->SetValue(SpinEditMax->Value() / step * step);
    TakeRange();
    RenewUnlessHeld(Sender);
}

void TFormKestrum::OfferSteps()
{
    const int item = RadioGroupKind->ItemIndex();
    if (item < 0 || item >= CapacityCount)
        return;
    bool checkedOffered = false;
    for (int i = 0; i < StepCount; ++i) {
        const bool offered = StepOffered(FSheet.Settings, i);
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

void TFormKestrum::RadioGroupSparselyDenselyClick(QObject*)
{
    const bool sparse = RadioGroupSparselyDensely->ItemIndex() == 0;
    FSheet.Settings.Dense = !sparse;
    // The 1/200 graduation is drawn only on a densely graduated dial of a capacity
    // that has one. Hiding the choice keeps its selection and the sheet's 1/200
    // setting as it is.
    const int item = RadioGroupKind->ItemIndex();
    RadioGroupPer200->setVisible(!sparse && item >= 0 && item < CapacityCount
                                 && CapacityRows()[item].Per200Offered);
    // Sparse marks may no longer show the step's weights; a new step draws a sheet.
    OfferSteps();
    SetCaptions();
}

void TFormKestrum::RadioGroupPer200Click(QObject*)
{
    FSheet.Settings.Per200 = RadioGroupPer200->ItemIndex() == 0 ? pcHide : pcShow;
    OfferSteps();
    SetCaptions();
}

void TFormKestrum::RadioGroupShowClick(QObject*)
{
    // Only the zoom is set here: each dial enlarges the part of its board around its
    // own needle.
    FSheet.Settings.Enlarged = RadioGroupShow->ItemIndex() != 0;
    SetCaptions();
}

void TFormKestrum::RadioGroupUnitClick(QObject*)
{
    const int item = RadioGroupUnit->ItemIndex();
    if (item >= auGrams && item <= auKilogramsAndGrams)
        FSheet.Settings.Unit = static_cast<TAnswerUnit>(item);
    SetCaptions();
}

void TFormKestrum::RadioGroupExerciseClick(QObject* Sender)
{
    const bool draw = RadioGroupExercise->ItemIndex() == exDraw;
    if (draw == (FSheet.Settings.Exercise == exDraw)) {
        SetCaptions();
        return;
    }
    {
        const QScopedValueRollback hold(FRenewHeld, true);
        // The enlarged part shows where the needle stands, which would give a draw
        // sheet's answer away.
        if (draw)
            FReadingShowIndex = RadioGroupShow->ItemIndex();
        FSheet.Settings.Exercise = draw ? exDraw : exRead;
        RadioGroupShow->Button(1)->setEnabled(!draw);
        RadioGroupShow->SetItemIndex(draw ? 0 : FReadingShowIndex);
    }
    RenewUnlessHeld(Sender);
}

void TFormKestrum::TakeRange()
{
    FSheet.Settings.RangeMin = SpinEditMin->Value();
    FSheet.Settings.RangeMax = SpinEditMax->Value();
}

// Every keystroke shows the range in the summary line; the sheet is drawn only when
// the edit is finished, not from the half-typed numbers on the way.
void TFormKestrum::SpinEditMinChange(QObject*)
{
    TakeRange();
    SetCaptions();
}

void TFormKestrum::SpinEditMaxChange(QObject*)
{
    TakeRange();
    SetCaptions();
}

void TFormKestrum::SpinEditMinEditingDone(QObject* Sender) { RenewUnlessHeld(Sender); }
void TFormKestrum::SpinEditMaxEditingDone(QObject* Sender) { RenewUnlessHeld(Sender); }
