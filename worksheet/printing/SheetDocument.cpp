#include "printing/SheetDocument.h"

#include "view/Fonts.h"
#include "dial/Numerals.h"
#include "printing/PageFit.h"
#include "sheet/SheetCode.h"
#include "printing/SheetPicture.h"
#include "view/SheetView.h"
#include "Texts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <array>

namespace {


// The answers list's columns and rows, in sheet pixels.
constexpr int ListLeft = 24;
constexpr int ListCodeLeft = 84;
constexpr int ListAnswersLeft = 260;
constexpr int ListAnswerWidth = 126;
constexpr int ListHeaderTop = 64;
constexpr int ListFirstRowTop = 92;
constexpr int ListRowHeight = 25;

}  // namespace

TSheetDocument::TSheetDocument(const TSheet& Sheet, TPageKind Kind)
    : FSheets{Sheet}, FPages{{Kind, 0, 0}}
{
}

TSheetDocument::TSheetDocument(std::vector<TSheet> Sheets, TAnswerPages Answers, bool SheetPages)
    : FSheets(std::move(Sheets)), FAnswers(Answers)
{
    const int count = static_cast<int>(FSheets.size());
    for (int i = 0; SheetPages && i < count; ++i) {
        FPages.push_back({pkSheet, i, 0});
        if (FAnswers == apEachSheet)
            FPages.push_back({pkKey, i, 0});
    }
    if (FAnswers == apList)
        for (int first = 0; first < count; first += ListRowsPerPage)
            FPages.push_back({pkList, first, std::min(ListRowsPerPage, count - first)});
}

TSheetDocument::~TSheetDocument() = default;

bool TSheetDocument::IsEmpty() const { return FPages.empty(); }

TSheetView& TSheetDocument::PageView()
{
    if (!FPageView)
        FPageView = std::make_unique<TSheetView>();
    return *FPageView;
}

TRecordedPage TSheetDocument::Record(const TPage& Page)
{
    TRecordedPage recorded;
    if (Page.Kind == pkList) {
        recorded.Picture.setBoundingRect(QRect(QPoint(), SheetDesignSize));
        QPainter painter(&recorded.Picture);
        PaintList(painter, Page);
        painter.end();
        return recorded;
    }
    TSheetView& view = PageView();
    view.SetSheet(FSheets[static_cast<std::size_t>(Page.First)]);
    view.SetAnswersShown(Page.Kind == pkKey);
    recorded.Picture = RecordSheet(view, view.rect());
    NumberSheet(recorded, Page);
    return recorded;
}

void TSheetDocument::Play(QPrinter& Printer, QPainter& Painter, const TRecordedPage& Page)
{
    const QSize page(Printer.width(), Printer.height());
    const QSize size = SheetDesignSize;
    const QSize fitted = FitSheetToPage(size, page);
    if (fitted.isEmpty())
        return;
    const QPicture& picture = Page.Picture;
    Painter.save();
    Painter.scale(static_cast<double>(fitted.width()) / size.width(),
                  static_cast<double>(fitted.height()) / size.height());
    // Nothing outside the sheet's area reaches the page.
    Painter.setClipRect(QRect(QPoint(), size));
    // A picture plays itself at the printer's resolution, enlarged by the ratio of
    // the two resolutions; the fit above has already sized the sheet for the page.
    Painter.scale(static_cast<double>(picture.logicalDpiX()) / Printer.logicalDpiX(),
                  static_cast<double>(picture.logicalDpiY()) / Printer.logicalDpiY());
    Painter.drawPicture(0, 0, picture);
    Painter.restore();
    if (!Page.Number.isEmpty()) {
        Painter.save();
        Painter.scale(static_cast<double>(fitted.width()) / size.width(),
                      static_cast<double>(fitted.height()) / size.height());
        Painter.setFont(Page.NumberFont);
        Painter.setPen(Qt::black);
        Painter.drawText(Page.NumberBox, Qt::AlignRight | Qt::AlignVCenter, Page.Number);
        Painter.restore();
    }
}

void TSheetDocument::Paint(QPrinter& Printer, QPainter& Painter)
{
    bool first = true;
    for (const TPage& p : FPages) {
        if (!first)
            Printer.newPage();
        first = false;
        Play(Printer, Painter, Record(p));
    }
}

void TSheetDocument::RecordInto(TPagePipe& Pipe)
{
    for (const TPage& p : FPages)
        if (!Pipe.Push(Record(p)))
            break;
    Pipe.Close();
}

void TSheetDocument::PlayFrom(TPagePipe& Pipe, QPrinter& Printer, QPainter& Painter)
{
    bool first = true;
    while (const std::optional<TRecordedPage> page = Pipe.Pop()) {
        if (!first)
            Printer.newPage();
        first = false;
        Play(Printer, Painter, *page);
    }
}

void TSheetDocument::PaintList(QPainter& Painter, const TPage& Page) const
{
    Painter.fillRect(QRect(QPoint(), SheetDesignSize), Qt::white);
    Painter.setPen(Qt::black);
    Painter.setFont(GothicFont(24));
    Painter.drawText(QPoint(ListLeft, 40), Texts::ListTitle);

    Painter.setFont(GothicFont(16));
    const auto cell = [&](int Left, int Top, int Width, const QString& Text) {
        Painter.drawText(QRect(Left, Top, Width, ListRowHeight), Qt::AlignLeft | Qt::AlignVCenter, Text);
    };
    cell(ListLeft, ListHeaderTop, ListCodeLeft - ListLeft, Texts::ListNumber);
    cell(ListCodeLeft, ListHeaderTop, ListAnswersLeft - ListCodeLeft, Texts::ListCode);
    for (int c = 0; c < ProblemCount; ++c)
        cell(ListAnswersLeft + c * ListAnswerWidth, ListHeaderTop, ListAnswerWidth,
             Texts::ListProblem + QString::number(c + 1));
    const int right = ListAnswersLeft + ProblemCount * ListAnswerWidth;
    Painter.drawLine(ListLeft, ListFirstRowTop - 2, right, ListFirstRowTop - 2);

    const QString separator = QString::fromStdString(LocaleDecimalSeparator());
    for (int r = 0; r < Page.Count; ++r) {
        const int index = Page.First + r;
        const TSheet& sheet = FSheets[static_cast<std::size_t>(index)];
        const int top = ListFirstRowTop + r * ListRowHeight;
        cell(ListLeft, top, ListCodeLeft - ListLeft, QString::number(index + 1));
        cell(ListCodeLeft, top, ListAnswersLeft - ListCodeLeft, IssuedCode(sheet));
        for (int c = 0; c < ProblemCount; ++c)
            cell(ListAnswersLeft + c * ListAnswerWidth, top, ListAnswerWidth,
                 AnswerText(sheet.Settings.Unit, sheet.Weights[ReadingOrder[c]], separator));
    }
}

void TSheetDocument::NumberSheet(TRecordedPage& Recorded, const TPage& Page)
{
    const int count = static_cast<int>(FSheets.size());
    if (count < 2)
        return;
    Recorded.Number = QStringLiteral("%1/%2").arg(Page.First + 1).arg(count);
    // Level with the code and in its small type, just left of it: the foot's summary
    // lines end before the room the view keeps for it, so the number covers nothing.
    const TSheetView& view = PageView();
    Recorded.NumberFont = view.CodeFont();
    const QRect codeBox = view.CodeBox();
    const int width = QFontMetrics(Recorded.NumberFont).horizontalAdvance(Recorded.Number);
    Recorded.NumberBox = QRect(codeBox.left() - TSheetView::SheetNumberGap - width, codeBox.top(), width, codeBox.height());
}
