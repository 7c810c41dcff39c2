#include "window/UnitKestrum.h"

#include "view/Fonts.h"
#include "controls/Label.h"
#include "controls/RadioButton.h"
#include "controls/RadioGroup.h"
#include "view/SheetPalette.h"
#include "practice/Ladder.h"
#include "practice/PracticeOverlay.h"
#include "practice/PracticeStage.h"
#include "printing/SheetPrinter.h"
#include "sheet/Settling.h"
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
    CreateClassPanel();
    SetTabOrder();
    // Handlers are attached only once the layout holds its values, so that the
    // layout's own selections (the 1/200 choice) run no handler.
    WireEvents();
    WireSheetExtras();
    WirePractice();
    WireClassPanel();
    FormCreate(this);
}

TFormKestrum::~TFormKestrum() = default;

void TFormKestrum::WireEvents()
{
    // While the window shows its settings in the controls their handlers are held.
    const auto on = [this](void (TFormKestrum::*Handler)(QObject*)) {
        return [this, Handler](QObject* Sender) {
            if (!FHandlersHeld)
                (this->*Handler)(Sender);
        };
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
    RadioGroupNumerals->SetOnClick(on(&TFormKestrum::RadioGroupNumeralsClick));
    connect(CheckBoxMixed, &QCheckBox::toggled, this, [this] {
        if (!FHandlersHeld)
            CheckBoxMixedClick(CheckBoxMixed);
    });

    for (int i = 0; i < StepCount; ++i)
        RadioButtonDivision[i]->SetOnClick([this, i](QObject* Sender) {
            if (!FHandlersHeld)
                RadioButtonDivisionClick(Sender, i);
        });

    SpinEditMin->SetOnChange(on(&TFormKestrum::SpinEditMinChange));
    SpinEditMax->SetOnChange(on(&TFormKestrum::SpinEditMaxChange));
    SpinEditMin->SetOnEditingDone(on(&TFormKestrum::SpinEditMinEditingDone));
    SpinEditMax->SetOnEditingDone(on(&TFormKestrum::SpinEditMaxEditingDone));
}

void TFormKestrum::FormCreate(QObject* Sender)
{
    // Start-up's settings: 2 kg in steps of 100 g, densely graduated, the whole dial,
    // kilograms and grams, a reading sheet.
    FSheet.Settings = Settled(TSheetSettings{});
    ShowSettings();

    StringGrid1->item(0, 0)->setText(Texts::TableRandom);
    for (int c = 1; c <= ProblemCount; ++c)
        StringGrid1->item(0, c)->setText(Texts::TableProblem + QString::number(c));
    StringGrid1->item(1, 0)->setText(Texts::TableWeight);

    ButtonStart->hide();
    CheckBoxFitView->hide();
    StringGrid1->hide();
    ListBoxWeight->hide();
    // Printing always fits the sheet to the page; there is nothing to choose here.
    Renew(Sender);
}

void TFormKestrum::Renew(QObject* Sender)
{
    // A sheet brought back from an older code may stand at a step the panel offers no
    // more; new weights must stand on the marks, so the settings settle first.
    FSheet.Settings = Settled(FSheet.Settings, FSheet.Settings);
    ShowSettings();
    FRandom->Seed();
    SetProblems();
    if (Sender != ButtonNew)
        return;
    if (!CanDraw())
        SheetPrinter().ReportError(this, Texts::SetCannotFill.arg(1));
}

void TFormKestrum::SetProblems()
{
    TCandidates candidates;
    TDialCapacities capacities{};
    const std::optional<TWeights> weights = DrawWeights(FSheet.Settings, *FRandom, candidates, capacities);
    // The weights not drawn, as the hidden weight list shows them.
    ListBoxWeight->clear();
    for (const std::uint32_t weight : candidates)
        ListBoxWeight->addItem(QString::number(weight));
    // Too few candidates for a sheet: the sheet shown stays as it is, its summary and
    // code with it, and the teacher is told beside the range boxes.
    LabelRangeWarning->setVisible(!weights);
    if (weights) {
        FSheet.Seed = FRandom->SeedValue();
        FSheet.Capacities = capacities;
        ShowWeights(*weights);
    }
    SetCaptions();
}

bool TFormKestrum::CanDraw() const { return DrawSheet(FSheet.Settings, FSheet.Seed).has_value(); }

void TFormKestrum::SetCaptions()
{
    // While the settings cannot draw six weights the sheet shown stays as it was drawn,
    // so its summary lines and code describe it.
    if (CanDraw())
        FShown = FSheet;
    SheetView->SetSheet(FShown);
    ClassFollowsSettings();
    if (Practising())
        PracticeOverlay->ShowSheet(FShown);
    PracticeStage->SheetChanged();
}

void TFormKestrum::ButtonPrinterSetupClick(QObject*) { SheetPrinter().RunSetupDialog(this); }

void TFormKestrum::ButtonPrintOutClick(QObject*)
{
    // Settings that cannot draw six weights have no sheet to print: the one on the
    // window is another's.
    if (!CanDraw()) {
        SheetPrinter().ReportError(this, Texts::SetCannotFill.arg(1));
        return;
    }
    // The sheet value, drawn afresh for the page: nothing of the window's present size,
    // theme or practice reaches the paper.
    SheetPrinter().PrintOut(FShown, CheckBoxAnswers->isChecked(), this, Texts::WindowCaption);
}
