#include "practice/PracticeOverlay.h"

#include "practice/PracticeDial.h"
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
    QList<QWidget*> chain;
    for (const int i : ReadingOrder)
        chain << FBoxes[i].Answer << FBoxes[i].Kilograms << FBoxes[i].Grams << FBoxes[i].Dial;
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
        connect(box, &QLineEdit::returnPressed, this, [this, box] { InputEntered(box); });
        box->installEventFilter(this);
    }
    boxes.Dial = new TPracticeDial(this);
    boxes.Dial->setObjectName(QStringLiteral("PracticeScale") + number);
    boxes.Dial->installEventFilter(this);
    boxes.Dial->hide();
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
}

void TPracticeOverlay::LayOutProblem(int Index)
{
    TProblemBoxes& boxes = FBoxes[Index];
    for (QLineEdit* box : {boxes.Answer, boxes.Kilograms, boxes.Grams}) {
        box->clear();
        box->hide();
    }
    boxes.Mark->hide();
    boxes.Dial->hide();
    const QRect blank = FView.BlankBox(Index);
    if (FSheet.Settings.Exercise == exDraw) {
        // The weight to draw stays in sight under the pupil's dial; the mark goes before it.
        boxes.Dial->CopyBoard(FView.Dial(Index));
        boxes.Dial->show();
        boxes.MarkRight = blank.x() - MarkGap;
        boxes.Mark->move(boxes.MarkRight, blank.y() + 2);
        return;
    }
    const TBlankForm form = BlankForm(FSheet.Settings.Unit, FSheet.Weights[Index]);
    const QList<QLineEdit*> used = form == bfGrams       ? QList<QLineEdit*>{boxes.Answer}
                                   : form == bfKilograms ? QList<QLineEdit*>{boxes.Kilograms}
                                                         : QList<QLineEdit*>{boxes.Kilograms, boxes.Grams};
    const QList<QRect> places = FView.WritingPlaces(Index);
    // A narrow place grows to the left, away from the unit it stands before.
    for (qsizetype k = 0; k < used.size() && k < places.size(); ++k) {
        const QRect& place = places[k];
        const int right = place.x() + place.width() - BoxGap;
        const int left = std::min(place.x() + BoxGap, right - MinBoxWidth);
        used[k]->setGeometry(left, place.y(), right - left, place.height());
        used[k]->show();
    }
    boxes.MarkRight = used.front()->x() - MarkGap;
    boxes.Mark->move(boxes.MarkRight, blank.y() + 2);
}

QList<QWidget*> TPracticeOverlay::InputsInOrder() const
{
    QList<QWidget*> order;
    for (const int i : ReadingOrder)
        for (QWidget* input : std::initializer_list<QWidget*>{FBoxes[i].Answer, FBoxes[i].Kilograms,
                                                              FBoxes[i].Grams, FBoxes[i].Dial})
            if (!input->isHidden())
                order << input;
    return order;
}

void TPracticeOverlay::FocusFirstBox()
{
    const QList<QWidget*> order = InputsInOrder();
    if (!order.isEmpty())
        order.front()->setFocus(Qt::OtherFocusReason);
}

void TPracticeOverlay::InputEntered(QWidget* Input)
{
    const QList<QWidget*> order = InputsInOrder();
    const qsizetype at = order.indexOf(Input);
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
    const TAnswerUnit unit = FSheet.Settings.Unit;
    const bool draw = FSheet.Settings.Exercise == exDraw;
    if (draw) {
        TWeights needles{};
        for (int i = 0; i < ProblemCount; ++i)
            needles[i] = FBoxes[i].Dial->Value();
        FMarking = MarkNeedles(FSheet.Weights, needles);
    } else {
        std::array<TTypedAnswer, ProblemCount> answers;
        for (int i = 0; i < ProblemCount; ++i)
            answers[i] = TypedAnswer(i);
        FMarking = MarkAnswers(unit, FSheet.Weights, answers);
    }
    const QString separator = QString::fromStdString(LocaleDecimalSeparator());
    for (int i = 0; i < ProblemCount; ++i) {
        TLabel* mark = FBoxes[i].Mark;
        const bool right = FMarking->Right[i];
        // A wrong needle gets the right one in red over it; a wrong answer, the right
        // answer after its mark.
        if (draw)
            FBoxes[i].Dial->SetRightWeight(right ? std::nullopt : std::optional(FSheet.Weights[i]));
        mark->SetCaption(right  ? Texts::MarkRight
                         : draw ? Texts::MarkWrong
                                : Texts::MarkWrong + AnswerText(unit, FSheet.Weights[i], separator));
        // Right-aligned just before the boxes, however long the answer.
        mark->move(FBoxes[i].MarkRight - mark->width(), mark->y());
        mark->show();
    }
    LabelScore->SetCaption(Texts::PracticeScore.arg(ProblemCount).arg(FMarking->Score));
    ShowTally();
    UpdateMask();
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
    // Enter on a dial moves on as it does from a box.
    if (Event->type() == QEvent::KeyPress && qobject_cast<TPracticeDial*>(Watched)) {
        const int key = static_cast<QKeyEvent*>(Event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            InputEntered(static_cast<QWidget*>(Watched));
            return true;
        }
    }
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
