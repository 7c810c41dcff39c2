// The sheet as a value on the window: reading it from the controls, showing a given
// sheet, the answers in red by their blanks, the sheet's code at its foot, and the
// buttons that recall a sheet by its code and print a class set.

#include "window/UnitKestrum.h"

#include "controls/Label.h"
#include "controls/RadioButton.h"
#include "controls/RadioGroup.h"
#include "sheet/SheetCode.h"
#include "controls/SpinEdit.h"
#include "Texts.h"
#include "window/DialogPrintSet.h"
#include "window/DialogRecall.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

void TFormKestrum::CreateSheetExtras()
{
    // The button panel is full; its second part sits between the heading and the
    // name line, above the settings panel, where it covers nothing of the sheet.
    PanelSheetButtons = new QFrame(this);
    PanelSheetButtons->setObjectName(QStringLiteral("PanelSheetButtons"));
    // From the end of the heading to the name line's first (blank) character.
    PanelSheetButtons->setGeometry(268, 1, 304, 28);
    PanelSheetButtons->setFrameShape(QFrame::NoFrame);
    PanelSheetButtons->setAutoFillBackground(true);
    PanelSheetButtons->stackUnder(GroupBoxStart);
    CheckBoxAnswers = new QCheckBox(Texts::CheckBoxAnswers, PanelSheetButtons);
    CheckBoxAnswers->setObjectName(QStringLiteral("CheckBoxAnswers"));
    CheckBoxAnswers->setGeometry(2, 4, 62, 19);
    CheckBoxAnswers->setToolTip(Texts::HintAnswers);
    ButtonPrintSet = new QPushButton(Texts::ButtonPrintSet, PanelSheetButtons);
    ButtonPrintSet->setObjectName(QStringLiteral("ButtonPrintSet"));
    ButtonPrintSet->setGeometry(134, 1, 100, 25);
    ButtonPrintSet->setToolTip(Texts::HintPrintSet);
    ButtonRecall = new QPushButton(Texts::ButtonRecall, PanelSheetButtons);
    ButtonRecall->setObjectName(QStringLiteral("ButtonRecall"));
    ButtonRecall->setGeometry(234, 1, 70, 25);
    ButtonRecall->setToolTip(Texts::HintRecall);
}

void TFormKestrum::WireSheetExtras()
{
    connect(CheckBoxAnswers, &QCheckBox::toggled, this, [this] { CheckBoxAnswersClick(CheckBoxAnswers); });
    connect(ButtonPrintSet, &QPushButton::clicked, this, [this] { ButtonPrintSetClick(ButtonPrintSet); });
    connect(ButtonRecall, &QPushButton::clicked, this, [this] { ButtonRecallClick(ButtonRecall); });
}

void TFormKestrum::ShowWeights(const TWeights& Weights)
{
    for (int c = 1; c <= ProblemCount; ++c)
        StringGrid1->item(1, c)->setText(QString::number(Weights[c - 1]));
    FSheet.Weights = Weights;
}

void TFormKestrum::ApplySheet(const TSheet& Sheet)
{
    // A draw sheet keeps the teacher's view for reading sheets, to come back after it.
    if (Sheet.Settings.Exercise == exDraw && FSheet.Settings.Exercise != exDraw)
        FReadingEnlarged = FSheet.Settings.Enlarged;
    FSheet = Sheet;
    ShowSettings();
    ShowWeights(Sheet.Weights);
    LabelRangeWarning->hide();
    SetCaptions();
}

void TFormKestrum::CheckBoxAnswersClick(QObject*) { SheetView->SetAnswersShown(CheckBoxAnswers->isChecked()); }

QString TFormKestrum::RecallSheet(const QString& Code)
{
    const TSheetCodeReading reading = ReadSheetCode(Code);
    if (!reading.Sheet)
        return SheetCodeErrorText(reading);
    ApplySheet(*reading.Sheet);
    return {};
}

void TFormKestrum::ButtonRecallClick(QObject*)
{
    TDialogRecall dialog([this](const QString& Code) { return RecallSheet(Code); }, this);
    dialog.exec();
}

void TFormKestrum::ButtonPrintSetClick(QObject*)
{
    // One dialog for the window's life: it keeps the teacher's last choices.
    auto* dialog = findChild<TDialogPrintSet*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog)
        dialog = new TDialogPrintSet(FSheet, SheetPrinter(), this);
    dialog->exec();
}
