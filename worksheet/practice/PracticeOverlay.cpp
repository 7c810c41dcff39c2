#include "practice/PracticeOverlay.h"

#include "controls/Label.h"
#include "dial/Numerals.h"
#include "view/Fonts.h"
#include "view/SheetView.h"
#include "Texts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScrollArea>

#include <algorithm>

namespace {

// The problems in the order a pupil reads the sheet: the dials stand in three columns
// of two, problem i in column i / 2 and row i % 2, read along the top row, then the
// bottom one.
constexpr std::array<int, ProblemCount> ReadingOrder = {0, 2, 4, 1, 3, 5};

// Sheet pixels. A box never gets narrower than three digits; a mark stands this far
// left of its first box, where the red answers stand on a key.
constexpr int MinBoxWidth = 46;
constexpr int BoxGap = 2;
constexpr int MarkGap = 4;
constexpr int BoxFontHeight = 22;
constexpr int MarkFontHeight = 24;
// The score and the tally: above the name line, right of the sheet's buttons.
constexpr QPoint ScorePlace(584, 0);
constexpr QPoint TallyPlace(700, 0);
constexpr int StatusFontHeight = 13;

bool IsBlankSpace(QChar C) { return C == QLatin1Char(' ') || C == QChar(0x3000); }

// Where the pupil writes in a blank: each run of spaces that a unit ("kg", "g")
// follows, as [left, right) in the blank's pixels.
QList<std::pair<int, int>> WritingPlaces(const QString& Blank, const QFontMetrics& Metrics)
{
    QList<std::pair<int, int>> places;
    qsizetype runStart = -1;
    for (qsizetype at = 0; at < Blank.size(); ++at) {
        if (IsBlankSpace(Blank[at])) {
            if (runStart < 0)
                runStart = at;
        } else if (runStart >= 0) {
            places.append({Metrics.horizontalAdvance(Blank.left(runStart)),
                           Metrics.horizontalAdvance(Blank.left(at))});
            runStart = -1;
        }
    }
    return places;
}

QLineEdit* MakeBox(QWidget* Parent, const QString& Name, bool Decimal)
{
    auto* box = new QLineEdit(Parent);
    box->setObjectName(Name);
    box->setFont(GothicFont(BoxFontHeight));
    box->setAlignment(Qt::AlignRight);
    box->setMaxLength(9);
    // Digits, full-width ones from an input method too, and one point where kilograms
    // may have a fraction. Nothing else gets in.
    const QString digits = QStringLiteral("[0-9\\x{FF10}-\\x{FF19}]*");
    const QString pattern = Decimal ? digits + QStringLiteral("([.\\x{FF0E}]") + digits + QStringLiteral(")?") : digits;
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), box));
    box->hide();
    return box;
}

TLabel* MakeStatusLabel(QWidget* Parent, const char* Name, QPoint Place)
{
    auto* label = new TLabel(Parent);
    label->setObjectName(QString::fromLatin1(Name));
    label->setFont(GothicFont(StatusFontHeight));
    label->move(Place);
    return label;
}

}  // namespace

TPracticeOverlay::TPracticeOverlay(const TSheetView& View, QWidget* Parent) : QWidget(Parent), FView(View)
{
    setObjectName(QStringLiteral("PracticeOverlay"));
    setGeometry(View.geometry());
    for (const int i : ReadingOrder)
        CreateProblem(i);
    LabelScore = MakeStatusLabel(this, "LabelScore", ScorePlace);
    LabelTally = MakeStatusLabel(this, "LabelTally", TallyPlace);
    QList<QLineEdit*> chain;
    for (const int i : ReadingOrder)
        chain << FBoxes[i].Answer << FBoxes[i].Kilograms << FBoxes[i].Grams;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TPracticeOverlay::CreateProblem(int Index)
{
    TProblemBoxes& boxes = FBoxes[Index];
    const QString number = QString::number(Index + 1);
    boxes.Answer = MakeBox(this, QStringLiteral("EditAnswer") + number, false);
    boxes.Kilograms = MakeBox(this, QStringLiteral("EditKilograms") + number, true);
    boxes.Grams = MakeBox(this, QStringLiteral("EditGrams") + number, false);
    for (QLineEdit* box : {boxes.Answer, boxes.Kilograms, boxes.Grams}) {
        connect(box, &QLineEdit::returnPressed, this, [this, box] { BoxEntered(box); });
        box->installEventFilter(this);
    }
    // Red, the colour a teacher marks with, and clear, so it hides nothing under it.
    boxes.Mark = new TLabel(this);
    boxes.Mark->setObjectName(QStringLiteral("LabelMark") + number);
    boxes.Mark->setFont(GothicFont(MarkFontHeight));
    QPalette red = boxes.Mark->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    boxes.Mark->setPalette(red);
    boxes.Mark->setAutoFillBackground(false);
    boxes.Mark->hide();
}

void TPracticeOverlay::ShowSheet(const TSheet& Sheet)
{
    if (FSheetShown && Sheet == FSheet)
        return;
    if (FMarking) {
        ++FDone.Sheets;
        FDone.Right += FMarking->Score;
        FDone.Asked += ProblemCount;
    }
    FSheet = Sheet;
    FSheetShown = true;
    FMarking.reset();
    for (int i = 0; i < ProblemCount; ++i)
        LayOutProblem(i);
    LabelScore->SetCaption(QString());
    ShowTally();
    UpdateMask();
    if (isVisible())
        FocusFirstBox();
}

void TPracticeOverlay::LayOutProblem(int Index)
{
    TProblemBoxes& boxes = FBoxes[Index];
    for (QLineEdit* box : {boxes.Answer, boxes.Kilograms, boxes.Grams}) {
        box->clear();
        box->hide();
    }
    boxes.Mark->hide();
    const auto* blank = FView.findChild<const TLabel*>(QStringLiteral("LabelAnswer%1").arg(Index + 1));
    if (!blank)
        return;
    const TBlankForm form = BlankForm(FSheet.Settings.Unit, FSheet.Weights[Index]);
    const QList<QLineEdit*> used = form == bfGrams       ? QList<QLineEdit*>{boxes.Answer}
                                   : form == bfKilograms ? QList<QLineEdit*>{boxes.Kilograms}
                                                         : QList<QLineEdit*>{boxes.Kilograms, boxes.Grams};
    const QList<std::pair<int, int>> places = WritingPlaces(blank->text(), blank->fontMetrics());
    // Over the blank's spaces, above its underline; a narrow place grows to the left,
    // away from the unit it stands before.
    const int top = blank->y() + 1;
    const int height = blank->fontMetrics().ascent() + 2;
    for (qsizetype k = 0; k < used.size() && k < places.size(); ++k) {
        const int right = blank->x() + places[k].second - BoxGap;
        const int left = std::min(blank->x() + places[k].first + BoxGap, right - MinBoxWidth);
        used[k]->setGeometry(left, top, right - left, height);
        used[k]->show();
    }
    boxes.MarkRight = used.front()->x() - MarkGap;
    boxes.Mark->move(boxes.MarkRight, blank->y() + 2);
}

QList<QLineEdit*> TPracticeOverlay::BoxesInOrder() const
{
    QList<QLineEdit*> order;
    for (const int i : ReadingOrder)
        for (QLineEdit* box : {FBoxes[i].Answer, FBoxes[i].Kilograms, FBoxes[i].Grams})
            if (!box->isHidden())
                order << box;
    return order;
}

void TPracticeOverlay::FocusFirstBox()
{
    const QList<QLineEdit*> order = BoxesInOrder();
    if (!order.isEmpty())
        order.front()->setFocus(Qt::OtherFocusReason);
}

void TPracticeOverlay::BoxEntered(QLineEdit* Box)
{
    const QList<QLineEdit*> order = BoxesInOrder();
    const qsizetype at = order.indexOf(Box);
    if (at >= 0 && at + 1 < order.size())
        order[at + 1]->setFocus(Qt::TabFocusReason);
    else
        Mark();
}

TTypedAnswer TPracticeOverlay::TypedAnswer(int Index) const
{
    const TProblemBoxes& boxes = FBoxes[Index];
    if (!boxes.Answer->isHidden())
        return {QString(), boxes.Answer->text()};
    return {boxes.Kilograms->text(), boxes.Grams->text()};
}

void TPracticeOverlay::Mark()
{
    std::array<TTypedAnswer, ProblemCount> answers;
    for (int i = 0; i < ProblemCount; ++i)
        answers[i] = TypedAnswer(i);
    const TAnswerUnit unit = FSheet.Settings.Unit;
    FMarking = MarkAnswers(unit, FSheet.Weights, answers);
    const QString separator = QString::fromStdString(LocaleDecimalSeparator());
    for (int i = 0; i < ProblemCount; ++i) {
        TLabel* mark = FBoxes[i].Mark;
        mark->SetCaption(FMarking->Right[i] ? Texts::MarkRight
                                            : Texts::MarkWrong + AnswerText(unit, FSheet.Weights[i], separator));
        // Right-aligned just before the boxes, however long the answer.
        mark->move(FBoxes[i].MarkRight - mark->width(), mark->y());
        mark->show();
    }
    LabelScore->SetCaption(Texts::PracticeScore.arg(ProblemCount).arg(FMarking->Score));
    ShowTally();
    UpdateMask();
    emit Marked();
}

TPracticeTally TPracticeOverlay::Tally() const
{
    TPracticeTally tally = FDone;
    if (FMarking) {
        ++tally.Sheets;
        tally.Right += FMarking->Score;
        tally.Asked += ProblemCount;
    }
    return tally;
}

void TPracticeOverlay::ShowTally()
{
    const TPracticeTally tally = Tally();
    LabelTally->SetCaption(tally.Sheets == 0 ? QString()
                                             : Texts::PracticeTally.arg(tally.Sheets).arg(tally.Right).arg(tally.Asked));
}

void TPracticeOverlay::UpdateMask()
{
    // Only the overlay's own controls take clicks; everywhere else they reach the sheet.
    const QRegion controls = childrenRegion();
    if (controls.isEmpty())
        setMask(QRegion(0, 0, 1, 1));
    else
        setMask(controls);
}

bool TPracticeOverlay::eventFilter(QObject* Watched, QEvent* Event)
{
    // On a small screen the sheet scrolls: the box the pupil moves to comes into view,
    // whether by Tab, Enter or a click.
    if (Event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QWidget*>(Watched))
            for (QWidget* up = parentWidget(); up; up = up->parentWidget())
                if (auto* scroll = qobject_cast<QScrollArea*>(up)) {
                    scroll->ensureWidgetVisible(box);
                    break;
                }
    return QWidget::eventFilter(Watched, Event);
}
