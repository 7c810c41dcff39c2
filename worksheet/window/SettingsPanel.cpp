// The settings panel's handlers. Each one changes the sheet's settings and hands them
// to TakeSettings, which settles them through the one rule, draws or keeps the weights,
// and shows the settings in the controls with their handlers held. The capacity, the
// step and the range decide which weights a sheet may hold, so changing them draws a
// new sheet at once, as "更新(&N)" does; the density, 1/200, view and unit keep the weights.

#include "window/UnitKestrum.h"

#include "controls/RadioButton.h"
#include "controls/RadioGroup.h"
#include "controls/SpinEdit.h"
#include "sheet/Settling.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

void TFormKestrum::ButtonStartClick(QObject*)
{
    if (!GroupBoxStart->isHidden())
        return;
    ButtonStart->hide();
    // It stands where the open panel lies.
    CheckBoxFitView->hide();
    ButtonRadioGroupStartClose->show();
    GroupBoxStart->show();
}

void TFormKestrum::ButtonRadioGroupStartCloseClick(QObject*)
{
    ButtonRadioGroupStartClose->hide();
    GroupBoxStart->hide();
    ButtonStart->show();
    CheckBoxFitView->show();
}

void TFormKestrum::RadioGroupKindClick(QObject* Sender)
{
    const int item = RadioGroupKind->ItemIndex();
    if (item < 0 || item >= CapacityCount) {
        SetCaptions();
        return;
    }
    TSheetSettings settings = FSheet.Settings;
    settings.Capacity = item;
    TakeSettings(settings, Sender);
}

void TFormKestrum::RadioButtonDivisionClick(QObject* Sender, int Index)
{
    if (!RadioButtonDivision[Index]->Checked()) {
        SetCaptions();
        return;
    }
    TSheetSettings settings = FSheet.Settings;
    settings.Step = Index;
    TakeSettings(settings, Sender);
}

void TFormKestrum::RadioGroupSparselyDenselyClick(QObject* Sender)
{
    TSheetSettings settings = FSheet.Settings;
    settings.Dense = RadioGroupSparselyDensely->ItemIndex() != 0;
    TakeSettings(settings, Sender);
}

void TFormKestrum::RadioGroupPer200Click(QObject* Sender)
{
    TSheetSettings settings = FSheet.Settings;
    settings.Per200 = Per200Choice(RadioGroupPer200->ItemIndex());
    TakeSettings(settings, Sender);
}

void TFormKestrum::RadioGroupShowClick(QObject* Sender)
{
    // Only the zoom is set here: each dial enlarges the part of its board around its
    // own needle.
    TSheetSettings settings = FSheet.Settings;
    settings.Enlarged = RadioGroupShow->ItemIndex() != 0;
    TakeSettings(settings, Sender);
}

void TFormKestrum::RadioGroupUnitClick(QObject* Sender)
{
    const int item = RadioGroupUnit->ItemIndex();
    TSheetSettings settings = FSheet.Settings;
    if (item >= auGrams && item <= auKilogramsAndGrams)
        settings.Unit = static_cast<TAnswerUnit>(item);
    TakeSettings(settings, Sender);
}

void TFormKestrum::RadioGroupExerciseClick(QObject* Sender)
{
    const bool draw = RadioGroupExercise->ItemIndex() == exDraw;
    if (draw == (FSheet.Settings.Exercise == exDraw)) {
        SetCaptions();
        return;
    }
    TSheetSettings settings = FSheet.Settings;
    // A draw sheet is always whole; the teacher's view for reading sheets comes back after.
    if (draw)
        FReadingEnlarged = settings.Enlarged;
    else
        settings.Enlarged = FReadingEnlarged;
    settings.Exercise = draw ? exDraw : exRead;
    TakeSettings(settings, Sender);
}

void TFormKestrum::RadioGroupNumeralsClick(QObject* Sender)
{
    const int item = RadioGroupNumerals->ItemIndex();
    TSheetSettings settings = FSheet.Settings;
    if (item >= snAll && item <= snEnds)
        settings.Numerals = static_cast<TTypeShowNumerals>(item);
    TakeSettings(settings, Sender);
}

void TFormKestrum::CheckBoxMixedClick(QObject* Sender)
{
    TSheetSettings settings = FSheet.Settings;
    settings.Mixed = CheckBoxMixed->isChecked();
    TakeSettings(settings, Sender);
}

void TFormKestrum::TakeSettings(const TSheetSettings& Settings, QObject* Sender)
{
    const TSheetSettings before = FSheet.Settings;
    FSheet.Settings = Settled(Settings, before);
    ShowSettings();
    const TSheetSettings& s = FSheet.Settings;
    // A mixed sheet's steps follow from its capacity, density and 1/200 choice.
    const bool mixedMarks = s.Mixed && (s.Dense != before.Dense || s.Per200 != before.Per200);
    if (s.Capacity != before.Capacity || s.Step != before.Step || s.Exercise != before.Exercise ||
        s.Mixed != before.Mixed || mixedMarks)
        Renew(Sender);
    else
        SetCaptions();
}

void TFormKestrum::ShowSettings()
{
    const QScopedValueRollback hold(FHandlersHeld, true);
    const TSheetSettings& s = FSheet.Settings;
    const TSettingsOffer offer = Offered(s);
    RadioGroupKind->SetItemIndex(s.Capacity);
    for (int i = 0; i < StepCount; ++i)
        RadioButtonDivision[i]->setEnabled(offer.Steps[i]);
    RadioButtonDivision[s.Step]->SetChecked(true);
    for (TRadioButton* other : RadioButtonDivision)
        if (other != RadioButtonDivision[s.Step])
            other->SetChecked(false);
    // With equal bounds the upper box takes any number.
    SpinEditMin->SetMaxValue(offer.RangeBound);
    SpinEditMax->SetMaxValue(offer.RangeBound);
    SpinEditMax->SetMinValue(offer.RangeBound);
    for (TSpinEdit* box : {SpinEditMin, SpinEditMax})
        box->SetIncrement(s.StepGrams());
    if (SpinEditMin->Value() != s.RangeMin)
        SpinEditMin->SetValue(s.RangeMin);
    if (SpinEditMax->Value() != s.RangeMax)
        SpinEditMax->SetValue(s.RangeMax);
    RadioGroupSparselyDensely->SetItemIndex(s.Dense ? 1 : 0);
    // Hiding the 1/200 choice keeps its item; a sheet with none picked keeps whatever shows.
    RadioGroupPer200->setVisible(offer.Per200);
    if (s.Per200 != pcUnchosen)
        RadioGroupPer200->SetItemIndex(Per200Rows[s.Per200].Item);
    RadioGroupShow->Button(1)->setEnabled(offer.Enlarged);
    RadioGroupShow->SetItemIndex(s.Enlarged ? 1 : 0);
    RadioGroupUnit->SetItemIndex(s.Unit);
    RadioGroupExercise->SetItemIndex(s.Exercise);
    RadioGroupNumerals->SetItemIndex(s.Numerals);
    CheckBoxMixed->setEnabled(offer.Mixed);
    CheckBoxMixed->setChecked(s.Mixed);
    GroupBoxRange->setEnabled(offer.Range);
}

// Every keystroke shows the range in the summary line, over the sheet shown; the range
// is taken and the sheet drawn only when the edit is finished, not from the half-typed
// numbers on the way.
void TFormKestrum::SpinEditMinChange(QObject*) { ShowTypedRange(); }
void TFormKestrum::SpinEditMaxChange(QObject*) { ShowTypedRange(); }

void TFormKestrum::ShowTypedRange()
{
    TSheet typed = FShown;
    typed.Settings.RangeMin = SpinEditMin->Value();
    typed.Settings.RangeMax = SpinEditMax->Value();
    SheetView->SetSheet(typed);
}

void TFormKestrum::SpinEditMinEditingDone(QObject* Sender) { TakeRange(Sender); }
void TFormKestrum::SpinEditMaxEditingDone(QObject* Sender) { TakeRange(Sender); }

void TFormKestrum::TakeRange(QObject* Sender)
{
    FSheet.Settings.RangeMin = SpinEditMin->Value();
    FSheet.Settings.RangeMax = SpinEditMax->Value();
    Renew(Sender);
}
