#pragma once
// What a print puts on paper, page by page: the window's own sheet as it stands, or
// a class set (sheets, each with its key page or one answers list at the end). The
// one-sheet print, the class set dialog, its preview, PDF export and the command
// line all print through this one class, so every way out gives the same pages.

#include "printing/PagePipe.h"
#include "sheet/Sheet.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;
class TSheetView;

// What a class set prints besides its sheets.
enum TAnswerPages : std::uint8_t {
    apNone,        // "なし"
    apEachSheet,   // "各シートの後に解答": each sheet's key right after it
    apList,        // "最後に解答一覧": one table of every sheet's code and answers
};

class TSheetDocument {
public:
    enum TPageKind : std::uint8_t { pkSheet, pkKey, pkList };
    struct TPage {
        TPageKind Kind;
        int First;   // the sheet (pkSheet, pkKey) or the first row of the list
        int Count;   // rows of the list on this page
    };

    // The one sheet a window shows, on one page of Kind: pkSheet, or pkKey when the
    // answers are shown in red.
    TSheetDocument(const TSheet& Sheet, TPageKind Kind);
    // A class set of these sheets; without SheetPages only its answers list.
    TSheetDocument(std::vector<TSheet> Sheets, TAnswerPages Answers, bool SheetPages = true);
    ~TSheetDocument();
    TSheetDocument(const TSheetDocument&) = delete;
    TSheetDocument& operator=(const TSheetDocument&) = delete;

    const std::vector<TPage>& Pages() const { return FPages; }
    int PageCount() const { return static_cast<int>(FPages.size()); }
    // Whether there is anything to print at all.
    bool IsEmpty() const;

    // Paints every page onto Printer through Painter, which is active on it; a new
    // page starts before each page but the first. Each page is fitted to the
    // printable area as the one-sheet print fits it.
    void Paint(QPrinter& Printer, QPainter& Painter);
    // The same pages in two halves for two threads: RecordInto records every page
    // here, where the sheets' widgets live, and closes Pipe; PlayFrom, on the thread
    // that owns Painter, plays each page as it comes, as Paint would.
    void RecordInto(TPagePipe& Pipe);
    static void PlayFrom(TPagePipe& Pipe, QPrinter& Printer, QPainter& Painter);

    // The answers list's rows on one page.
    static constexpr int ListRowsPerPage = 25;

private:
    // The view that draws the sheets of a set: never shown and never the window's.
    TSheetView& PageView();
    // The page as drawing commands, in sheet pixels.
    TRecordedPage Record(const TPage& Page);
    // One recorded page, fitted to the printable area.
    static void Play(QPrinter& Printer, QPainter& Painter, const TRecordedPage& Page);
    void PaintList(QPainter& Painter, const TPage& Page) const;
    // In a set of more than one sheet, the sheet's number ("2/30") beside its code on
    // its sheet and key pages; PageView holds the page's sheet.
    void NumberSheet(TRecordedPage& Recorded, const TPage& Page);

    std::vector<TSheet> FSheets;
    TAnswerPages FAnswers = apNone;
    std::vector<TPage> FPages;
    std::unique_ptr<TSheetView> FPageView;
};
