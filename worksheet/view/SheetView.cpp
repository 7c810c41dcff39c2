#include "view/SheetView.h"

#include "view/Fonts.h"
#include "controls/Label.h"
#include "dial/Numerals.h"
#include "dial/PlatformScale.h"
#include "sheet/SettingsTables.h"
#include "sheet/SheetCode.h"
#include "view/SheetDial.h"
#include "view/SheetPalette.h"
#include "Texts.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// Positions are sheet pixels at 96 dpi. Siblings stack in creation order, later ones
// on top, so the order of the statements below is part of the layout.

TLabel* MakeLabel(QWidget* Parent, const char* Name, int Left, int Top, const QString& Caption,
                  const QFont* Font = nullptr)
{
    auto* label = new TLabel(Parent);
    label->setObjectName(QString::fromLatin1(Name));
    label->move(Left, Top);
    if (Font)
        label->setFont(*Font);
    label->SetCaption(Caption);
    return label;
}

// Answers are written in red, the colour a teacher marks with.
TLabel* MakeRedLabel(QWidget* Parent, const char* Name, const QFont& Font)
{
    auto* label = new TLabel(Parent);
    label->setObjectName(QString::fromLatin1(Name));
    label->setFont(Font);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(red);
    // Clear, so that it never wipes out what lies under it (the name line's rule).
    label->setAutoFillBackground(false);
    label->hide();
    return label;
}

// Where the second summary line stands unless the first one reaches it.
constexpr int Hyoudai2Left = 328;
// Right edge of each answer: just before its blank, under its dial.
constexpr int KeyRightMargin = 4;
constexpr int CodeRight = 1020;
constexpr int CodeTop = 723;
// The sheet code's character height on the page, in pixels.
constexpr int CodePageHeight = 10;
// The longest code with its dashes, and the widest number of a sheet in a set.
constexpr int LongestCodeLength = 17;
const QString WidestSheetNumber = QStringLiteral("60/60");
// Narrower than this the summary stops reading easily.
constexpr int MinSummaryStretch = 70;

}  // namespace

TSheetView::TSheetView(QWidget* Parent) : QWidget(Parent)
{
    setObjectName(QStringLiteral("SheetView"));
    setFont(GothicFont(12));
    setPalette(SheetPalette());
    setAutoFillBackground(true);
    resize(SheetDesignSize);
    CreateSheet();
    SetSheet(FSheet);
}

void TSheetView::CreateSheet()
{
    const QFont heading = GothicFont(24);
    const QFont underlined = GothicFont(27, true);

    // Labels first: they lie below the dials.
    LabelMondai = MakeLabel(this, "LabelMondai", 24, 16, Texts::Heading, &heading);
    LabelHyoudai1 = MakeLabel(this, "LabelHyoudai1", 144, 720, QString());
    LabelGappiNamae = MakeLabel(this, "LabelGappiNamae", 544, 14, Texts::DateAndName, &underlined);
    LabelHurigana = MakeLabel(this, "LabelHurigana", 24, 6, Texts::HeadingReading);
    // Problems are numbered down the columns: 1, 3, 5 on top, 2, 4, 6 below.
    for (int i = 0; i < ProblemCount; ++i) {
        const QByteArray name = "LabelAnswer" + QByteArray::number(i + 1);
        LabelAnswer[i] = MakeLabel(this, name.constData(), 204 + (i / 2) * 336, 342 + (i % 2) * 344,
                                   QString(), &underlined);
    }
    LabelHyoudai2 = MakeLabel(this, "LabelHyoudai2", Hyoudai2Left, 720, QString());
    LabelProjectName = MakeLabel(this, "LabelProjectName", 0, 720, Texts::ProjectName);
    CreateAnswers();

    for (int i = 0; i < ProblemCount; ++i) {
        auto* dial = new TPlatformScale(this);
        dial->setObjectName(QStringLiteral("PlatformScale%1").arg(i + 1));
        dial->setGeometry(56 + (i / 2) * 336, 48 + (i % 2) * 344, SheetDialSide, SheetDialSide);
        ShapeSheetDial(*dial);
        PlatformScale[i] = dial;
    }
}

void TSheetView::CreateAnswers()
{
    // On the name line, where the pupil's name would go.
    LabelKeyTitle = MakeRedLabel(this, "LabelKeyTitle", GothicFont(27));
    LabelKeyTitle->move(840, 12);
    LabelKeyTitle->SetCaption(Texts::KeyTitle);
    // Small on the page, at the right of the foot, past the summary lines. On screen
    // it is as large as the summary lines, where a small 8 is read as a 5.
    LabelSheetCode = new TLabel(this);
    LabelSheetCode->setObjectName(QStringLiteral("LabelSheetCode"));
    LabelSheetCode->setFont(LabelHyoudai1->font());
    LabelSheetCode->SetPageFont(GothicFont(CodePageHeight));
    LabelSheetCode->setAutoFillBackground(false);
    // In the free space left of each blank, under its dial's box.
    for (int i = 0; i < ProblemCount; ++i) {
        const QByteArray name = "LabelKey" + QByteArray::number(i + 1);
        LabelKey[i] = MakeRedLabel(this, name.constData(), AnswerFont(24));
        LabelKey[i]->move(LabelAnswer[i]->x(), LabelAnswer[i]->y() + 2);
    }
}

QRect TSheetView::BlankBox(int Index) const { return LabelAnswer[static_cast<std::size_t>(Index)]->geometry(); }

QList<QRect> TSheetView::WritingPlaces(int Index) const
{
    const TLabel& blank = *LabelAnswer[static_cast<std::size_t>(Index)];
    const QString text = blank.text();
    const QFontMetrics metrics = blank.fontMetrics();
    const auto isSpace = [](QChar C) { return C == QLatin1Char(' ') || C == QChar(0x3000); };
    // Just under the blank's top, as high as its letters stand above the underline.
    const int top = blank.y() + 1;
    const int height = metrics.ascent() + 2;
    QList<QRect> places;
    qsizetype runStart = -1;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (isSpace(text[at])) {
            if (runStart < 0)
                runStart = at;
        } else if (runStart >= 0) {
            const int left = blank.x() + metrics.horizontalAdvance(text.left(runStart));
            const int right = blank.x() + metrics.horizontalAdvance(text.left(at));
            places.append(QRect(left, top, right - left, height));
            runStart = -1;
        }
    }
    return places;
}

QRect TSheetView::CodeBox() const { return LabelSheetCode->PageTextBox().translated(LabelSheetCode->pos()); }

QFont TSheetView::CodeFont() const { return LabelSheetCode->PageFont(); }

void TSheetView::SetSheet(const TSheet& Sheet)
{
    FSheet = Sheet;
    for (int i = 0; i < ProblemCount; ++i)
        SetSheetDial(*PlatformScale[i], FSheet, i);
    ShowCaptions();
}

void TSheetView::SetAnswersShown(bool Shown)
{
    FAnswersShown = Shown;
    ShowAnswersAndCode();
}

void TSheetView::ShowCaptions()
{
    const TSummaryTexts summary = SummaryTexts(FSheet);
    // The 1/200 part names marks that some dial draws.
    const bool namesPer200 = std::ranges::any_of(PlatformScale, [](const TPlatformScale* dial) {
        return DrawsPer200(dial->TypeValueMax(), dial->TypeBoardScale(), dial->TypeShowScalePer200());
    });
    LabelHyoudai1->SetCaption(SummaryLine1(summary, namesPer200));
    LabelHyoudai2->SetCaption(SummaryLine2(FSheet.Settings.RangeMin, FSheet.Settings.RangeMax, summary));
    PlaceSummaryLines();
    // A draw sheet asks for a needle: the heading says so, and where the blank would
    // be stands the weight to draw, in the form the unit writes it.
    const bool draw = FSheet.Settings.Exercise == exDraw;
    LabelMondai->SetCaption(draw ? Texts::HeadingDraw : Texts::Heading);
    // The reading goes over 重 of the Japanese heading: a translated one has no kanji to read.
    LabelHurigana->setVisible(!draw && Texts::Heading.AsWritten());
    const QString separator = QString::fromStdString(LocaleDecimalSeparator());
    const TAnswerUnit unit = FSheet.Settings.Unit;
    for (int i = 0; i < ProblemCount; ++i) {
        const bool weight = draw && unit >= auGrams && unit <= auKilogramsAndGrams;
        LabelAnswer[i]->setFont(weight ? AnswerFont(27, true) : GothicFont(27, true));
        if (weight)
            LabelAnswer[i]->SetCaption(AnswerText(unit, PlatformScale[i]->Value(), separator));
        else if (const auto blank = AnswerBlank(unit, PlatformScale[i]->Value()))
            LabelAnswer[i]->SetCaption(*blank);
    }
    ShowAnswersAndCode();
}

void TSheetView::PlaceSummaryLines()
{
    // The lines end before the longest code and, on a set's pages, the widest sheet
    // number before it, on screen (larger code) and on paper alike. Only a translated
    // line naming every choice comes near; it is narrowed, never cut or covered.
    const QString longestCode(LongestCodeLength, QLatin1Char('M'));
    const QFontMetrics page(CodeFont());
    const int codeLeft = std::min(CodeRight - LabelSheetCode->fontMetrics().horizontalAdvance(longestCode),
                                  CodeRight - page.horizontalAdvance(longestCode) - SheetNumberGap -
                                      page.horizontalAdvance(WidestSheetNumber));
    const int limit = codeLeft - SheetNumberGap;
    QFont font = this->font();
    for (int stretch = 100; stretch >= MinSummaryStretch; stretch -= 2) {
        font.setStretch(stretch);
        for (TLabel* line : {LabelHyoudai1, LabelHyoudai2})
            if (line->font() != font)
                line->setFont(font);
        LabelHyoudai2->move(SummaryLine2Left(Hyoudai2Left, LabelHyoudai1->x() + LabelHyoudai1->width(),
                                             LabelHyoudai1->fontMetrics().horizontalAdvance(Texts::SummaryLinesGap)),
                            LabelHyoudai2->y());
        if (LabelHyoudai2->x() + LabelHyoudai2->width() <= limit)
            return;
    }
}

void TSheetView::ShowAnswersAndCode()
{
    const TAnswerUnit unit = FSheet.Settings.Unit;
    const bool shown = FAnswersShown && unit >= auGrams && unit <= auKilogramsAndGrams;
    const QString separator = QString::fromStdString(LocaleDecimalSeparator());
    // A draw sheet's answer is the needle itself, in red; its weights are written already.
    const bool draw = FSheet.Settings.Exercise == exDraw;
    for (TPlatformScale* dial : PlatformScale)
        ShowSheetNeedle(*dial, FSheet, FAnswersShown);
    for (int i = 0; i < ProblemCount; ++i) {
        TLabel* key = LabelKey[i];
        if (shown && !draw) {
            key->SetCaption(AnswerText(unit, PlatformScale[i]->Value(), separator));
            key->move(LabelAnswer[i]->x() - KeyRightMargin - key->width(), key->y());
        }
        key->setVisible(shown && !draw);
    }
    LabelKeyTitle->setVisible(shown);
    TSheet shownSheet = FSheet;
    for (int i = 0; i < ProblemCount; ++i)
        shownSheet.Weights[i] = PlatformScale[i]->Value();
    LabelSheetCode->SetCaption(IssuedCode(shownSheet));
    LabelSheetCode->setHidden(LabelSheetCode->text().isEmpty());
    LabelSheetCode->move(CodeRight - LabelSheetCode->width(), CodeTop);
}
