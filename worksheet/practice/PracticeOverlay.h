#pragma once
// The practice layer over the fitted sheet: input boxes in the answer blanks' places, in
// each blank's form, the marks beside them, and under each row the words that name a
// pupil's mistake. It lies over the sheet without being part of it, so whatever records
// the sheet view (every print) never sees the pupil's entries or marks.
//
// On a draw sheet the boxes give way to dials the pupil sets the needles on, over the
// sheet's empty ones; a wrong needle is marked with the right one in red over it.
//
// The first marking of a sheet counts: it shows ○ or × and names the mistake, without
// the right answer. The pupil may change the wrong answers and mark once more; only then
// are the right answers shown. The score and the tally keep the first marking.
//
// Its controls keep the names tools drive them by: EditAnswer1…6 (grams alone),
// EditKilograms1…6 and EditGrams1…6, PracticeScale1…6 (the pupil's dials),
// LabelMark1…6, LabelMistake1…6 and LabelReading1…6 (the way to read a wrong dial), and
// in the strip LabelScore, LabelTally, LabelPraise.

#include "practice/Marking.h"
#include "practice/Mistakes.h"
#include "sheet/Sheet.h"

#include <QWidget>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class TFittedSheet;
class TNeedleLens;
class TReadingAid;
class TPlatformScale;
class TPracticeDial;
class TLabel;
class TSheetView;

// The strip's lines the overlay writes.
struct TPracticeStatus {
    QLabel* Score = nullptr;
    QLabel* Praise = nullptr;
    QLabel* Tally = nullptr;
};

// The sheets marked while the window is open: each sheet counts once, with the score of
// its first marking.
struct TPracticeTally {
    int Sheets = 0;
    int Right = 0;
    int Asked = 0;
    // The named mistakes of the first markings, by kind.
    std::array<int, MistakeKindCount> Mistakes{};
};

class TPracticeOverlay : public QWidget {
    Q_OBJECT

public:
    // View: the sheet; Fit: where it stands on screen, and the parent of the overlay.
    TPracticeOverlay(const TSheetView& View, const TFittedSheet& Fit, const TPracticeStatus& Status,
                     QWidget* Parent);

    // Empties the boxes for Sheet when it is another sheet than the one shown; the sheet
    // before goes into the tally if it was marked.
    void ShowSheet(const TSheet& Sheet);
    // Places the boxes, dials and labels where the fitted sheet now stands.
    void LayOut();
    // Marks every box against the sheet's weights: the marks, the score, the tally.
    void Mark();
    // The score of the sheet's first marking; none before it is marked.
    std::optional<int> FirstScore() const;
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
        QLabel* Mistake = nullptr;       // in the band under the row
        QLabel* Reading = nullptr;       // under it, once the answers are shown
        TReadingAid* Aid = nullptr;      // over the dial, likewise
        TNeedleLens* Lens = nullptr;     // a wrong needle enlarged, on a draw sheet
    };

    void CreateProblem(int Index);
    // The boxes problem Index uses in its blank's form; none on a draw sheet.
    QList<QLineEdit*> UsedBoxes(int Index) const;
    // Empties problem Index's boxes for a new sheet, their undo history with them.
    void ClearProblem(int Index);
    void PlaceProblem(int Index);
    void PlaceMark(int Index);
    QList<QWidget*> InputsInOrder() const;
    // Enter: on to the next box, or marks after the last, asking first while boxes are empty.
    void InputEntered(QWidget* Input);
    bool AnyBoxEmpty() const;
    TTypedAnswer TypedAnswer(int Index) const;
    TMarking MarkNow() const;
    // The dial problem Index is read or drawn on.
    const TPlatformScale& DialOf(int Index) const;
    TMistake MistakeOf(int Index) const;
    void ShowMarks(const TMarking& Marking, bool AnswersShown);
    // The way to the right reading over a wrong dial, and under its row; hidden for a right one.
    void ShowReadingWay(int Index, bool Shown);
    void PlaceReadingWay(int Index);
    void ShowTally();

    const TSheetView& FView;
    const TFittedSheet& FFit;
    TPracticeStatus FStatus;
    TSheet FSheet;
    bool FSheetShown = false;
    // The first marking of the sheet, and how often it has been marked.
    std::optional<TMarking> FFirst;
    int FMarkings = 0;
    TPracticeTally FDone;  // the sheets before this one
    std::array<int, MistakeKindCount> FMistakes{};  // every first marking's, this sheet's too
    std::array<TProblemBoxes, ProblemCount> FBoxes{};
};
