// The settings panel's handlers. Each one that changes a setting ends in SetCaptions,
// so the summary lines always describe the sheet; none draws new weights.

#include "UnitKestrum.h"

#include "Label.h"
#include "PlatformScale.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "SpinEdit.h"
#include "Texts.h"

#include <QGroupBox>
#include <QPushButton>

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

void TFormKestrum::RadioGroupKindClick(QObject*)
{
    const int item = RadioGroupKind->ItemIndex();
    if (item >= 0 && item < CapacityCount) {
        const TCapacityRow& row = CapacityRows()[item];
        for (TPlatformScale* dial : PlatformScale)
            dial->SetTypeValueMax(row.Type);
        // Limits each dial's weight to the new capacity; the weights stay otherwise.
        for (TPlatformScale* dial : PlatformScale)
            dial->SetValueMax(static_cast<std::uint32_t>(row.Capacity));
        // With equal bounds the upper box takes any number: it only labels the sheet.
        SpinEditMax->SetMaxValue(row.Capacity);
        SpinEditMax->SetMinValue(row.Capacity);
        SpinEditMax->SetValue(row.Capacity);
        SpinEditMin->SetMaxValue(row.Capacity);
        SpinEditMin->SetValue(0);
        for (int i = 0; i < StepCount; ++i)
            RadioButtonDivision[i]->setEnabled(row.FirstStep <= i && i <= row.LastStep);
        // Runs the step's handler only if it was not checked already.
        RadioButtonDivision[row.DefaultStep]->SetChecked(true);
        RadioGroupSparselyDensely->SetItemIndex(1);
        // The 1/200 choice is offered where 1/200 of the capacity is a round weight,
        // whatever the density handler has just decided.
        RadioGroupPer200->setVisible(row.Per200Offered);
        FSummary.StrKind = row.StrKind;
    }
    SetCaptions();
}

void TFormKestrum::DivisionClick(int Index)
{
    TRadioButton* button = RadioButtonDivision[Index];
    if (button->Checked()) {
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
    }
    SetCaptions();
}

void TFormKestrum::RadioButtonDivision10gClick(QObject*) { DivisionClick(0); }
void TFormKestrum::RadioButtonDivision20gClick(QObject*) { DivisionClick(1); }
void TFormKestrum::RadioButtonDivision50gClick(QObject*) { DivisionClick(2); }
void TFormKestrum::RadioButtonDivision100gClick(QObject*) { DivisionClick(3); }
void TFormKestrum::RadioButtonDivision200gClick(QObject*) { DivisionClick(4); }
void TFormKestrum::RadioButtonDivision500gClick(QObject*) { DivisionClick(5); }
void TFormKestrum::RadioButtonDivision1kgClick(QObject*) { DivisionClick(6); }
void TFormKestrum::RadioButtonDivision2kgClick(QObject*) { DivisionClick(7); }
void TFormKestrum::RadioButtonDivision5kgClick(QObject*) { DivisionClick(8); }
void TFormKestrum::RadioButtonDivision10kgClick(QObject*) { DivisionClick(9); }

void TFormKestrum::RadioGroupSparselyDenselyClick(QObject*)
{
    const bool sparse = RadioGroupSparselyDensely->ItemIndex() == 0;
    for (TPlatformScale* dial : PlatformScale)
        dial->SetTypeBoardScale(sparse ? bsSparsely : bsDensely);
    // The finest graduation only makes sense on a densely graduated dial. Hiding the
    // choice keeps its selection and leaves the dials' 1/200 setting as it is.
    RadioGroupPer200->setVisible(!sparse);
    FSummary.StrSparselyDensely = sparse ? Texts::SparselySummary : Texts::DenselySummary;
    SetCaptions();
}

void TFormKestrum::RadioGroupPer200Click(QObject*)
{
    const bool hide = RadioGroupPer200->ItemIndex() == 0;
    for (TPlatformScale* dial : PlatformScale)
        dial->SetTypeShowScalePer200(hide ? ssHide : ssShow);
    FSummary.StrPer200 = hide ? Texts::Per200HideSummary : Texts::Per200ShowSummary;
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

void TFormKestrum::SpinEditMinChange(QObject*) { SetCaptions(); }
void TFormKestrum::SpinEditMaxChange(QObject*) { SetCaptions(); }
