#pragma once
// TSheetView: one sheet drawn exactly as it is printed. The heading and its reading,
// the date-and-name line, six dials at the sheet's weights, an answer blank under each,
// the answers in red when they are shown, the two summary lines and the sheet's code.
// The window shows its sheet through one; every printed page (the one-sheet print, a
// class set's sheets and keys, the command line's PDF) is recorded from one.
//
// Its controls keep the documented names (PlatformScale1, LabelAnswer1, LabelHyoudai1,
// …), so a window that hosts a view still finds them with findChild.

#include "sheet/Problems.h"
#include "sheet/Sheet.h"

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

    bool AnswersShown() const { return FAnswersShown; }
    // The answers in red by their blanks, and "解答" on the name line.
    void SetAnswersShown(bool Shown);

    // The dial of problem Index (0 to 5).
    const TPlatformScale& Dial(int Index) const { return *PlatformScale[static_cast<std::size_t>(Index)]; }

private:
    void CreateSheet();
    void CreateAnswers();
    // Everything written from the sheet: blanks, summary lines, answers and code.
    void ShowCaptions();
    void ShowAnswersAndCode();

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
