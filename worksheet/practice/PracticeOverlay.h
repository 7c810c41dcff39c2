#pragma once
// The practice layer over the window's sheet: input boxes in the answer blanks' places,
// in each blank's form, the marks beside them, the score and the tally. It lies over
// the TSheetView without being part of it, so whatever records the view (every print)
// never sees the pupil's entries or marks.
//
// On a draw sheet the boxes give way to dials the pupil sets the needles on, over the
// sheet's empty ones; a wrong needle is marked with the right one in red over it.
//
// Its controls keep the names tools drive them by: EditAnswer1…6 (grams alone),
// EditKilograms1…6 and EditGrams1…6, PracticeScale1…6 (the pupil's dials),
// LabelMark1…6, LabelScore and LabelTally.

#include "practice/Marking.h"
#include "sheet/Sheet.h"

#include <QWidget>

#include <array>
#include <optional>

class QLineEdit;
class TPracticeDial;
class TLabel;
class TSheetView;

// The sheets marked while the window is open: each sheet counts once, with the
// score of its last marking.
struct TPracticeTally {
    int Sheets = 0;
    int Right = 0;
    int Asked = 0;
};

class TPracticeOverlay : public QWidget {
    Q_OBJECT

public:
    // View: the sheet the overlay lies over; Parent: the window that holds both.
    TPracticeOverlay(const TSheetView& View, QWidget* Parent);

    // Lays the boxes out for Sheet, empty, when it is another sheet than the one
    // shown; the sheet before goes into the tally if it was marked.
    void ShowSheet(const TSheet& Sheet);
    // Marks every box against the sheet's weights: the marks, the score, the tally.
    void Mark();
    TPracticeTally Tally() const;
    // Puts the focus in the first box (or dial) in reading order. A new sheet leaves the
    // focus where it is: the teacher may be in the settings panel.
    void FocusFirstBox();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    struct TProblemBoxes {
        QLineEdit* Answer = nullptr;     // grams alone
        QLineEdit* Kilograms = nullptr;  // whole kilograms, or decimal ones in a kg blank
        QLineEdit* Grams = nullptr;      // grams beside kilograms
        TPracticeDial* Dial = nullptr;   // on a draw sheet
        TLabel* Mark = nullptr;
        int MarkRight = 0;  // where the mark ends, just left of the first box
    };

    void CreateProblem(int Index);
    // Shows the boxes of problem Index in its blank's form, over its blank, or on a
    // draw sheet the pupil's dial over the sheet's.
    void LayOutProblem(int Index);
    // The shown boxes and dials in the order the pupil fills them in.
    QList<QWidget*> InputsInOrder() const;
    // Enter: on to the next box, or marks after the last.
    void InputEntered(QWidget* Input);
    TTypedAnswer TypedAnswer(int Index) const;
    void ShowTally();
    // Clicks go through the overlay to the sheet except on its own controls.
    void UpdateMask();

    const TSheetView& FView;
    TSheet FSheet;
    bool FSheetShown = false;
    std::optional<TMarking> FMarking;
    TPracticeTally FDone;  // the sheets before this one
    std::array<TProblemBoxes, ProblemCount> FBoxes{};
    TLabel* LabelScore = nullptr;
    TLabel* LabelTally = nullptr;
};
