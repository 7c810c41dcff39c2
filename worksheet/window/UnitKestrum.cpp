#include "window/UnitKestrum.h"

#include "view/Fonts.h"
#include "controls/Label.h"
#include "controls/RadioButton.h"
#include "controls/RadioGroup.h"
#include "view/SheetPalette.h"
#include "practice/PracticeOverlay.h"
#include "printing/SheetPrinter.h"
#include "controls/SpinEdit.h"
#include "Texts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTableWidget>

TFormKestrum::TFormKestrum(QWidget* Parent, std::unique_ptr<TRandomSource> Random)
    : QWidget(Parent),
      FRandom(Random ? std::move(Random) : std::make_unique<TClockRandom>()),
      FSheetPrinter(std::make_unique<TSheetPrinter>())
{
    setObjectName(QStringLiteral("FormKestrum"));
    setWindowTitle(Texts::WindowCaption);
    setFont(GothicFont(12));
    setPalette(SheetPalette());
    setAutoFillBackground(true);
    move(2, 2);
    // The sheet is laid out for this size; a smaller window scrolls it (TMainWindow).
    setMinimumSize(SheetDesignSize);
    resize(SheetDesignSize);

    CreateSheet();
    CreateButtonPanel();
    CreateSettingsPanel();
    CreateHiddenControls();
    CreateSheetExtras();
    CreatePractice();
    SetTabOrder();
    // Handlers are attached only once the layout holds its values, so that the
    // layout's own selections (the 1/200 choice) run no handler.
    WireEvents();
    WireSheetExtras();
    WirePractice();
    FormCreate(this);
}

TFormKestrum::~TFormKestrum() = default;

void TFormKestrum::WireEvents()
{
    const auto on = [this](void (TFormKestrum::*Handler)(QObject*)) {
        return [this, Handler](QObject* Sender) { (this->*Handler)(Sender); };
    };
    const auto onClicked = [this](QPushButton* Button, void (TFormKestrum::*Handler)(QObject*)) {
        connect(Button, &QPushButton::clicked, this, [this, Button, Handler] {
            (this->*Handler)(Button);
        });
    };
    onClicked(ButtonNew, &TFormKestrum::Renew);
    onClicked(ButtonPrintOut, &TFormKestrum::ButtonPrintOutClick);
    onClicked(ButtonPrinterSetup, &TFormKestrum::ButtonPrinterSetupClick);
    onClicked(ButtonStart, &TFormKestrum::ButtonStartClick);
    onClicked(ButtonRadioGroupStartClose, &TFormKestrum::ButtonRadioGroupStartCloseClick);
    // Escape closes the open settings panel as its close button does; the shortcut
    // lives on the panel, so a closed panel leaves Escape alone.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), GroupBoxStart);
    connect(escape, &QShortcut::activated, this, [this] {
        ButtonRadioGroupStartCloseClick(ButtonRadioGroupStartClose);
        ButtonStart->setFocus(Qt::ShortcutFocusReason);
    });

    RadioGroupKind->SetOnClick(on(&TFormKestrum::RadioGroupKindClick));
    RadioGroupSparselyDensely->SetOnClick(on(&TFormKestrum::RadioGroupSparselyDenselyClick));
    RadioGroupPer200->SetOnClick(on(&TFormKestrum::RadioGroupPer200Click));
    RadioGroupShow->SetOnClick(on(&TFormKestrum::RadioGroupShowClick));
    RadioGroupUnit->SetOnClick(on(&TFormKestrum::RadioGroupUnitClick));
    RadioGroupExercise->SetOnClick(on(&TFormKestrum::RadioGroupExerciseClick));

    for (int i = 0; i < StepCount; ++i)
        RadioButtonDivision[i]->SetOnClick([this, i](QObject* Sender) { RadioButtonDivisionClick(Sender, i); });

    SpinEditMin->SetOnChange(on(&TFormKestrum::SpinEditMinChange));
    SpinEditMax->SetOnChange(on(&TFormKestrum::SpinEditMaxChange));
    SpinEditMin->SetOnEditingDone(on(&TFormKestrum::SpinEditMinEditingDone));
    SpinEditMax->SetOnEditingDone(on(&TFormKestrum::SpinEditMaxEditingDone));
}

void TFormKestrum::FormCreate(QObject* Sender)
{
    {
        // Each selection below runs its handler inside it; the capacity's handler in
        // turn checks 20 g and selects the dense graduation, and the later 100 g
        // overrides it. The one sheet is drawn at the end.
        const QScopedValueRollback hold(FRenewHeld, true);
        RadioGroupKind->SetItemIndex(1);
        RadioButtonDivision[3]->SetChecked(true);
        RadioGroupUnit->SetItemIndex(auKilogramsAndGrams);
        RadioGroupShow->SetItemIndex(0);
        RadioGroupExercise->SetItemIndex(exRead);
    }

    StringGrid1->item(0, 0)->setText(Texts::TableRandom);
    for (int c = 1; c <= ProblemCount; ++c)
        StringGrid1->item(0, c)->setText(Texts::TableProblem + QString::number(c));
    StringGrid1->item(1, 0)->setText(Texts::TableWeight);

    ButtonStart->hide();
    StringGrid1->hide();
    ListBoxWeight->hide();
    // Printing always fits the sheet to the page; there is nothing to choose here.
    Renew(Sender);
}

void TFormKestrum::Renew(QObject* Sender)
{
    // A sheet brought back from an older code may stand at a step the panel offers no
    // more; new weights must stand on the marks, so they move to the step it starts with.
    if (!StepOffered(FSheet.Settings, FSheet.Settings.Step)) {
        const QScopedValueRollback hold(FRenewHeld, true);
        RadioButtonDivision[StartingStep(FSheet.Settings)]->SetChecked(true);
    }
    FRandom->Seed();
    SetProblems();
    // In practice, "更新" is the next sheet: the pupil starts on it at once.
    if (Sender == ButtonNew && Practising())
        PracticeOverlay->FocusFirstBox();
}

void TFormKestrum::SetProblems()
{
    // The upper range box's largest value is the capacity the candidates stay below.
    FRandom->Seed();
    TCandidates candidates;
    const std::optional<TWeights> weights =
        DrawWeights(FSheet.Settings, SpinEditMax->MaxValue(), *FRandom, candidates);
    // The weights not drawn, as the hidden weight list shows them.
    ListBoxWeight->clear();
    for (const std::uint32_t weight : candidates)
        ListBoxWeight->addItem(QString::number(weight));
    // Too few candidates for a sheet: the dials keep the weights they have, and the
    // teacher is told beside the range boxes.
    LabelRangeWarning->setVisible(!weights);
    if (weights) {
        FSheet.Seed = FRandom->SeedValue();
        ShowWeights(*weights);
    }
    SetCaptions();
}

void TFormKestrum::SetCaptions()
{
    // Start-up's handlers run before the view's sheet has settings to show.
    if (SheetView)
        SheetView->SetSheet(FSheet);
    if (Practising())
        PracticeOverlay->ShowSheet(FSheet);
}

void TFormKestrum::ButtonPrinterSetupClick(QObject*) { SheetPrinter().RunSetupDialog(this); }

void TFormKestrum::ButtonPrintOutClick(QObject*)
{
    // The sheet value, drawn afresh for the page: nothing of the window's present size,
    // theme or practice reaches the paper.
    SheetPrinter().PrintOut(FSheet, CheckBoxAnswers->isChecked(), this, Texts::WindowCaption);
}
