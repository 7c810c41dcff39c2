#pragma once
// TFormKestrum: the worksheet window. Six dials at random weights under a heading,
// an answer blank under each, a date-and-name line and two summary lines; above them
// a button panel and the settings panel, which are not part of the printed page.
// The window holds the sheet it shows as a value; its TSheetView draws it. The
// settings panel's handlers settle the panel's settings through one rule, draw or keep
// the weights, and end in SetCaptions, which shows the sheet.

#include "sheet/Problems.h"
#include "sheet/SettingsTables.h"
#include "sheet/Sheet.h"
#include "view/SheetView.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QListWidget;
class QPushButton;
class QTableWidget;
class TLabel;
class TPracticeOverlay;
class TPracticeStage;
class TPracticeLadder;
class TClassPanel;
class TRadioButton;
class TRadioGroup;
class TRandomSource;
class TSheetPrinter;
class TSpinEdit;

class TFormKestrum : public QWidget {
    Q_OBJECT

public:
    // Random: where the weights come from; the clock-seeded generator when null.
    explicit TFormKestrum(QWidget* Parent = nullptr,
                          std::unique_ptr<TRandomSource> Random = nullptr);
    ~TFormKestrum() override;

    TSheetPrinter& SheetPrinter() { return *FSheetPrinter; }

    // The step of the random weights, in grams.
    std::int32_t Division() const { return FSheet.Settings.StepGrams(); }
    // The sheet area of the window, at its origin: what the one-sheet print puts on paper.
    TSheetView& View() const { return *SheetView; }

    // Start-up: establishes the default settings through the settings controls, so
    // their handlers run inside it, and draws the first sheet.
    void FormCreate(QObject* Sender);

    // "更新(&N)": draws six new weights.
    void Renew(QObject* Sender);
    void SetProblems();
    // Shows the sheet: both summary lines, the six answer blanks, the answers and the code.
    void SetCaptions();

    void ButtonPrinterSetupClick(QObject* Sender);
    void ButtonPrintOutClick(QObject* Sender);

    // The settings panel.
    void ButtonStartClick(QObject* Sender);
    void ButtonRadioGroupStartCloseClick(QObject* Sender);
    void RadioGroupKindClick(QObject* Sender);
    void RadioGroupSparselyDenselyClick(QObject* Sender);
    void RadioGroupPer200Click(QObject* Sender);
    void RadioGroupShowClick(QObject* Sender);
    void RadioGroupUnitClick(QObject* Sender);
    // "はりをかく" draws new weights on whole dials and keeps "部分" out of reach until
    // "目もりをよむ" gives the teacher's view back.
    void RadioGroupExerciseClick(QObject* Sender);
    // "数字(&G)": which numerals the dials print; the weights stay.
    void RadioGroupNumeralsClick(QObject* Sender);
    // "いろいろな重さ(&W)": each dial its own capacity up to the chosen one, drawn at once.
    void CheckBoxMixedClick(QObject* Sender);
    // The step buttons, Index into StepRows(): each button keeps its own name.
    void RadioButtonDivisionClick(QObject* Sender, int Index);
    void SpinEditMinChange(QObject* Sender);
    void SpinEditMaxChange(QObject* Sender);
    // An edit of a range box is finished: the range bounds the next sheet.
    void SpinEditMinEditingDone(QObject* Sender);
    void SpinEditMaxEditingDone(QObject* Sender);

    // The sheet on the window: its settings, its weights and the seed they were drawn from.
    const TSheet& Sheet() const { return FShown; }
    // Shows Sheet as it is, its settings in the panel.
    void ApplySheet(const TSheet& Sheet);

    // "答え(&E)": the answers in red by their blanks, on screen and in print.
    void CheckBoxAnswersClick(QObject* Sender);
    // "まとめて印刷(&B)": the class set dialog.
    void ButtonPrintSetClick(QObject* Sender);
    // "呼出し(&L)": asks for a sheet code and brings its sheet back.
    void ButtonRecallClick(QObject* Sender);
    // Brings back the sheet of Code; returns what is wrong with the code, or nothing.
    QString RecallSheet(const QString& Code);

    // Practice on screen ("練習(&D)"): the pupil answers in boxes over the blanks, and
    // the sheet is marked at once. The answers cannot be shown meanwhile.
    bool Practising() const;
    // Turns practice on as the check box does; the settings panel closes.
    void StartPractice();
    void CheckBoxPracticeClick(QObject* Sender);
    // "答え合わせ(&O)": marks the sheet.
    void ButtonMarkClick(QObject* Sender);
    // "つぎの問題(&X)": a new sheet with the same settings, boxes empty.
    void ButtonNextSheetClick(QObject* Sender);
    // "大きく表示(&Z)": the sheet fitted to the window, for a projector.
    void CheckBoxFitViewClick(QObject* Sender);
    // "ステップアップ(&Y)": the ladder chooses the practice sheets; off, the teacher's
    // settings come back.
    void CheckBoxStepUpClick(QObject* Sender);
    // Turns practice on the ladder on, as the two check boxes do.
    void StartStepUp();

    // "クラス(&J)": opens the class panel, starting a class with the sheet's settings.
    void ButtonClassClick(QObject* Sender);
    // The results file the class panel keeps its classes in; the program's own unless set.
    void SetClassDataPath(const QString& Path);

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    // The stored layout, in creation order (which is also the stacking order).
    void CreateSheet();
    void CreateButtonPanel();
    void CreateSettingsPanel();
    void CreateHiddenControls();
    void SetTabOrder();
    void WireEvents();
    // The controls of answer keys, sheet codes and class sets.
    void CreateSheetExtras();
    void WireSheetExtras();
    // The practice controls in the strip and the overlay over the sheet.
    void CreatePractice();
    void WirePractice();
    // The class panel and its button.
    void CreateClassPanel();
    void WireClassPanel();
    void ClosePanelClass();
    // The settings a running class draws its pupils' sheets with: the teacher's.
    void ClassFollowsSettings();
    // Shows or hides the fitted sheet, with Switch (practice or the projector's view) in
    // its strip, where it turns the stage off again.
    void ShowStage(QCheckBox* Switch, bool On);
    static constexpr QRect PracticeSwitchPlace{64, 4, 70, 19};
    static constexpr QRect FitViewSwitchPlace{326, 36, 120, 19};
    // In the white above the second dial, right of the open settings panel; the class
    // panel below it, beside the settings panel, and the button stays in sight.
    static constexpr QRect ClassButtonPlace{492, 33, 75, 25};
    static constexpr QRect ClassPanelPlace{490, 60, 534, 676};
    bool SteppingUp() const;
    // The ladder's next sheet, in the teacher's unit of the answers.
    void ShowLadderSheet(QObject* Sender);
    // Puts the weights in the sheet and mirrors them in the problem table.
    void ShowWeights(const TWeights& Weights);
    // A change in the panel: settles Settings through the one rule, draws a new sheet
    // when it decides other weights, and shows the settings in the controls.
    void TakeSettings(const TSheetSettings& Settings, QObject* Sender);
    // The panel's settings in its controls, their handlers held.
    void ShowSettings();
    // A range box's text as it is typed, in the summary line of the sheet shown.
    void ShowTypedRange();
    // A finished edit of a range box: the range bounds the next sheet, drawn at once.
    void TakeRange(QObject* Sender);
    // Whether the sheet's settings draw six weights.
    bool CanDraw() const;

    std::unique_ptr<TRandomSource> FRandom;
    std::unique_ptr<TSheetPrinter> FSheetPrinter;
    // The panel's settings with the seed and weights last drawn; and the sheet shown,
    // which follows it while its settings draw six weights.
    TSheet FSheet;
    TSheet FShown;
    bool FHandlersHeld = false;
    // The view the teacher chose for reading sheets, kept while a draw sheet shows the whole dial.
    bool FReadingEnlarged = false;

    TSheetView* SheetView = nullptr;
    QListWidget* ListBoxWeight = nullptr;

    QFrame* PanelButtons = nullptr;
    QPushButton* ButtonPrinterSetup = nullptr;
    QPushButton* ButtonPrintOut = nullptr;
    QPushButton* ButtonNew = nullptr;
    QPushButton* ButtonStart = nullptr;

    QGroupBox* GroupBoxStart = nullptr;
    QPushButton* ButtonRadioGroupStartClose = nullptr;
    TRadioGroup* RadioGroupUnit = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    QGroupBox* GroupBoxRange = nullptr;
    TLabel* LabelRange = nullptr;
    TSpinEdit* SpinEditMin = nullptr;
    TSpinEdit* SpinEditMax = nullptr;
    TLabel* LabelRangeWarning = nullptr;
    QGroupBox* GroupBoxDivision = nullptr;
    std::array<TRadioButton*, StepCount> RadioButtonDivision{};
    QGroupBox* GroupBox1 = nullptr;
    TRadioGroup* RadioGroupSparselyDensely = nullptr;
    TRadioGroup* RadioGroupPer200 = nullptr;
    TRadioGroup* RadioGroupKind = nullptr;
    TRadioGroup* RadioGroupShow = nullptr;
    TRadioGroup* RadioGroupExercise = nullptr;
    TRadioGroup* RadioGroupNumerals = nullptr;
    QCheckBox* CheckBoxMixed = nullptr;

    QTableWidget* StringGrid1 = nullptr;

    QFrame* PanelSheetButtons = nullptr;
    QCheckBox* CheckBoxAnswers = nullptr;
    QPushButton* ButtonPrintSet = nullptr;
    QPushButton* ButtonRecall = nullptr;

    QCheckBox* CheckBoxPractice = nullptr;
    QPushButton* ButtonMark = nullptr;
    QPushButton* ButtonNextSheet = nullptr;
    QCheckBox* CheckBoxFitView = nullptr;
    QCheckBox* CheckBoxStepUp = nullptr;
    std::unique_ptr<TPracticeLadder> FLadder;
    // The teacher's settings while the ladder chooses the pupil's.
    TSheetSettings FTeacherSettings;
    TPracticeStage* PracticeStage = nullptr;
    TPracticeOverlay* PracticeOverlay = nullptr;

    QPushButton* ButtonClass = nullptr;
    TClassPanel* PanelClass = nullptr;
};
