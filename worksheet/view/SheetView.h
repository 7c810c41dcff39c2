#pragma once
// TSheetView: one sheet drawn exactly as it is printed. The heading and its reading,
// the date-and-name line, six dials at the sheet's weights, an answer blank under each,
// the answers in red when they are shown, the two summary lines and the sheet's code.
// The window shows its sheet through one; every printed page (the one-sheet print, a
// class set's sheets and keys, the command line's PDF) is recorded from one.
//
// Its controls keep the documented names (PlatformScale1, LabelAnswer1, LabelHyoudai1,
// …), for tools and tests; what lies over the sheet or prints beside it asks the view
// where things stand through the functions below.

#include "sheet/Problems.h"
#include "sheet/Sheet.h"

#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <array>

class TLabel;
class TPlatformScale;

// The worksheet as designed: the area at 96 dpi that the window shows and every print
// puts on the page, whatever the window's present size.
inline constexpr QSize SheetDesignSize(1028, 740);

class TSheetView : public QWidget {
    Q_OBJECT

public:
    explicit TSheetView(QWidget* Parent = nullptr);

    const TSheet& Sheet() const { return FSheet; }
    // Shows Sheet: its dials, blanks, summary lines and code.
    void SetSheet(const TSheet& Sheet);

    // The answers in red by their blanks, and "解答" on the name line.
    void SetAnswersShown(bool Shown);

    // The dial of problem Index (0 to 5).
    const TPlatformScale& Dial(int Index) const { return *PlatformScale[static_cast<std::size_t>(Index)]; }
    // The answer blank of problem Index, in the view's pixels.
    QRect BlankBox(int Index) const;
    // Where the pupil writes in the blank of problem Index: over each run of spaces that
    // a unit ("kg", "g") follows, above the underline, left to right.
    QList<QRect> WritingPlaces(int Index) const;
    // The sheet code as the page shows it: its box in the view's pixels and its font.
    QRect CodeBox() const;
    QFont CodeFont() const;
    // A set's pages write the sheet's number ("2/30") this far left of the code.
    static constexpr int SheetNumberGap = 12;

private:
    void CreateSheet();
    void CreateAnswers();
    // Everything written from the sheet: blanks, summary lines, answers and code.
    void ShowCaptions();
    void ShowAnswersAndCode();
    // Places the second summary line after the first, narrowing both where they would
    // run under the code.
    void PlaceSummaryLines();

    TSheet FSheet;
    bool FAnswersShown = false;

    TLabel* LabelMondai = nullptr;
    TLabel* LabelHyoudai1 = nullptr;
    TLabel* LabelGappiNamae = nullptr;
    TLabel* LabelHurigana = nullptr;
    std::array<TLabel*, ProblemCount> LabelAnswer{};
    TLabel* LabelHyoudai2 = nullptr;
    TLabel* LabelProjectName = nullptr;
    std::array<TLabel*, ProblemCount> LabelKey{};
    TLabel* LabelKeyTitle = nullptr;
    TLabel* LabelSheetCode = nullptr;
    std::array<TPlatformScale*, ProblemCount> PlatformScale{};
};
