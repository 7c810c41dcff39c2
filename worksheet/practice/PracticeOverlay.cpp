#include "practice/PracticeOverlay.h"

#include "controls/Label.h"
#include "dial/Numerals.h"
#include "practice/FittedSheet.h"
#include "practice/PracticeDial.h"
#include "view/Fonts.h"
#include "view/SheetView.h"
#include "Texts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cmath>

namespace {

// Page pixels, scaled with the sheet. A box never gets narrower than three digits; a
// mark stands this far left of its first box, where the red answers stand on a key.
constexpr int MinBoxWidth = 46;
constexpr int BoxGap = 2;
constexpr int MarkGap = 4;
constexpr int BoxFontHeight = 22;
constexpr int MarkFontHeight = 24;
// The words under a row: the largest type that fits the column, down to the smallest.
constexpr int MistakeFontHeight = 18;
constexpr int MistakeMinFontHeight = 11;

int Scaled(int PagePixels, double Scale) { return std::max(1, static_cast<int>(std::lround(PagePixels * Scale))); }

// Digits, full-width ones from an input method too, and one point where kilograms may
// have a fraction. Nothing else gets in.
QValidator* DigitsValidator(QObject* Parent, bool Decimal)
{
    const QString digits = QStringLiteral("[0-9\\x{FF10}-\\x{FF19}]*");
    const QString pattern = Decimal ? digits + QStringLiteral("([.\\x{FF0E}]") + digits + QStringLiteral(")?") : digits;
    return new QRegularExpressionValidator(QRegularExpression(pattern), Parent);
}

QLineEdit* MakeBox(QWidget* Parent, const QString& Name)
{
    auto* box = new QLineEdit(Parent);
    box->setObjectName(Name);
    box->setAlignment(Qt::AlignRight);
    box->setMaxLength(9);
    box->setValidator(DigitsValidator(box, false));
    box->hide();
    return box;
}

// Red, the colour a teacher marks with.
void MakeRed(QWidget* Label)
{
    QPalette red = Label->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label->setPalette(red);
}

}  // namespace

TPracticeOverlay::TPracticeOverlay(const TSheetView& View, const TFittedSheet& Fit, const TPracticeStatus& Status,
                                   QWidget* Parent)
    : QWidget(Parent), FView(View), FFit(Fit), FStatus(Status)
{
    setObjectName(QStringLiteral("PracticeOverlay"));
    for (const int i : ReadingOrder)
        CreateProblem(i);
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
    boxes.Answer = MakeBox(this, QStringLiteral("EditAnswer") + number);
    boxes.Kilograms = MakeBox(this, QStringLiteral("EditKilograms") + number);
    boxes.Grams = MakeBox(this, QStringLiteral("EditGrams") + number);
    for (QLineEdit* box : {boxes.Answer, boxes.Kilograms, boxes.Grams}) {
        connect(box, &QLineEdit::returnPressed, this, [this, box] { InputEntered(box); });
        box->installEventFilter(this);
    }
    boxes.Dial = new TPracticeDial(this);
    boxes.Dial->setObjectName(QStringLiteral("PracticeScale") + number);
    boxes.Dial->installEventFilter(this);
    boxes.Dial->hide();
    // Clear, so it hides nothing under it.
    boxes.Mark = new TLabel(this);
    boxes.Mark->setObjectName(QStringLiteral("LabelMark") + number);
    MakeRed(boxes.Mark);
    boxes.Mark->setAutoFillBackground(false);
    boxes.Mark->hide();
    boxes.Mistake = new QLabel(this);
    boxes.Mistake->setObjectName(QStringLiteral("LabelMistake") + number);
    MakeRed(boxes.Mistake);
    boxes.Mistake->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void TPracticeOverlay::ShowSheet(const TSheet& Sheet)
{
    if (FSheetShown && Sheet == FSheet)
        return;
    if (FFirst) {
        ++FDone.Sheets;
        FDone.Right += FFirst->Score;
        FDone.Asked += ProblemCount;
    }
    FSheet = Sheet;
    FSheetShown = true;
    FFirst.reset();
    FMarkings = 0;
    for (int i = 0; i < ProblemCount; ++i)
        ClearProblem(i);
    LayOut();
    FStatus.Score->clear();
    FStatus.Praise->clear();
    ShowTally();
}

QList<QLineEdit*> TPracticeOverlay::UsedBoxes(int Index) const
{
    const TProblemBoxes& boxes = FBoxes[Index];
    if (FSheet.Settings.Exercise == exDraw)
        return {};
    switch (BlankForm(FSheet.Settings.Unit, FSheet.Weights[Index])) {
    case bfGrams:
        return {boxes.Answer};
    case bfKilograms:
        return {boxes.Kilograms};
    case bfKilogramsAndGrams:
        break;
    }
    return {boxes.Kilograms, boxes.Grams};
}

void TPracticeOverlay::ClearProblem(int Index)
{
    TProblemBoxes& boxes = FBoxes[Index];
    // setText, unlike clear(), forgets the undo history: Ctrl+Z on a new sheet must not
    // bring back the answer to the last one.
    for (QLineEdit* box : {boxes.Answer, boxes.Kilograms, boxes.Grams}) {
        box->setText(QString());
        box->hide();
    }
    // A kg blank's box takes a decimal point; a kg-g blank's kilograms are whole.
    const bool decimal = BlankForm(FSheet.Settings.Unit, FSheet.Weights[Index]) == bfKilograms;
    delete boxes.Kilograms->validator();
    boxes.Kilograms->setValidator(DigitsValidator(boxes.Kilograms, decimal));
    for (QLineEdit* box : UsedBoxes(Index))
        box->show();
    boxes.Mark->hide();
    boxes.Mistake->clear();
    const bool draw = FSheet.Settings.Exercise == exDraw;
    if (draw)
        boxes.Dial->CopyBoard(FView.Dial(Index));
    boxes.Dial->setVisible(draw);
}

void TPracticeOverlay::LayOut()
{
    for (int i = 0; i < ProblemCount; ++i)
        PlaceProblem(i);
}

void TPracticeOverlay::PlaceProblem(int Index)
{
    TProblemBoxes& boxes = FBoxes[Index];
    const double scale = FFit.Scale();
    if (FSheet.Settings.Exercise == exDraw)
        boxes.Dial->FitTo(FView.Dial(Index), FFit.Map(FView.Dial(Index).geometry()), scale);
    // A narrow place grows to the left, away from the unit it stands before.
    const QList<QLineEdit*> used = UsedBoxes(Index);
    const QList<QRect> places = FView.WritingPlaces(Index);
    for (qsizetype k = 0; k < used.size() && k < places.size(); ++k) {
        const QRect& place = places[k];
        const int right = place.x() + place.width() - BoxGap;
        const int left = std::min(place.x() + BoxGap, right - MinBoxWidth);
        used[k]->setFont(GothicFont(Scaled(BoxFontHeight, scale)));
        used[k]->setGeometry(FFit.Map(QRect(left, place.y(), right - left, place.height())));
    }
    boxes.Mark->setFont(GothicFont(Scaled(MarkFontHeight, scale)));
    boxes.Mistake->setGeometry(FFit.BandOf(Index));
    PlaceMark(Index);
}

void TPracticeOverlay::PlaceMark(int Index)
{
    // Right-aligned just before the boxes (on a draw sheet, the weight), however long
    // the answer after it.
    TProblemBoxes& boxes = FBoxes[Index];
    const QList<QLineEdit*> used = UsedBoxes(Index);
    const QRect blank = FFit.Map(FView.BlankBox(Index));
    const int right = (used.isEmpty() ? blank.x() : used.front()->x()) - Scaled(MarkGap, FFit.Scale());
    boxes.Mark->move(right - boxes.Mark->width(), blank.y() + Scaled(2, FFit.Scale()));
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

bool TPracticeOverlay::AnyBoxEmpty() const
{
    for (int i = 0; i < ProblemCount; ++i)
        for (const QLineEdit* box : UsedBoxes(i))
            // A kg-g blank's grams may stay empty: "1" kg alone is 1 kg 0 g.
            if (box->text().isEmpty() && box != FBoxes[i].Grams)
                return true;
    return false;
}

void TPracticeOverlay::InputEntered(QWidget* Input)
{
    const QList<QWidget*> order = InputsInOrder();
    const qsizetype at = order.indexOf(Input);
    if (at >= 0 && at + 1 < order.size()) {
        order[at + 1]->setFocus(Qt::TabFocusReason);
        return;
    }
    if (AnyBoxEmpty() && QMessageBox::question(this, Texts::WindowCaption, Texts::PracticeAskEmpty) != QMessageBox::Yes)
        return;
    Mark();
}

TTypedAnswer TPracticeOverlay::TypedAnswer(int Index) const
{
    const TProblemBoxes& boxes = FBoxes[Index];
    if (!boxes.Answer->isHidden())
        return {QString(), boxes.Answer->text()};
    return {boxes.Kilograms->text(), boxes.Grams->text()};
}

TMarking TPracticeOverlay::MarkNow() const
{
    if (FSheet.Settings.Exercise == exDraw) {
        TWeights needles{};
        for (int i = 0; i < ProblemCount; ++i)
            needles[i] = FBoxes[i].Dial->Value();
        return MarkNeedles(FSheet.Weights, needles);
    }
    std::array<TTypedAnswer, ProblemCount> answers;
    for (int i = 0; i < ProblemCount; ++i)
        answers[i] = TypedAnswer(i);
    return MarkAnswers(FSheet.Settings.Unit, FSheet.Weights, answers);
}

void TPracticeOverlay::Mark()
{
    const TMarking marking = MarkNow();
    if (!FFirst)
        FFirst = marking;
    ++FMarkings;
    // The first marking leaves the pupil one more try before the answers are shown.
    const bool answersShown = FMarkings >= 2;
    ShowMarks(marking, answersShown);
    FStatus.Score->setText(Texts::PracticeScore.arg(ProblemCount).arg(FFirst->Score));
    FStatus.Praise->setText(FFirst->Score == ProblemCount ? Texts::PracticePerfect
                            : answersShown                 ? QString()
                                                           : Texts::PracticeTryAgain);
    ShowTally();
}

void TPracticeOverlay::ShowMarks(const TMarking& Marking, bool AnswersShown)
{
    const bool draw = FSheet.Settings.Exercise == exDraw;
    const QString separator = QString::fromStdString(LocaleDecimalSeparator());
    for (int i = 0; i < ProblemCount; ++i) {
        TProblemBoxes& boxes = FBoxes[i];
        const bool right = Marking.Right[i];
        const bool answer = !right && AnswersShown;
        // A wrong needle gets the right one in red over it; a wrong answer, the right
        // answer after its mark.
        if (draw)
            boxes.Dial->SetRightWeight(answer ? std::optional(FSheet.Weights[i]) : std::nullopt);
        boxes.Mark->SetCaption(right             ? Texts::MarkRight
                               : draw || !answer ? Texts::MarkWrong
                                                 : Texts::MarkWrong + AnswerText(FSheet.Settings.Unit, FSheet.Weights[i], separator));
        PlaceMark(i);
        boxes.Mark->show();
    }
}

std::optional<int> TPracticeOverlay::FirstScore() const
{
    return FFirst ? std::optional(FFirst->Score) : std::nullopt;
}

TPracticeTally TPracticeOverlay::Tally() const
{
    TPracticeTally tally = FDone;
    if (FFirst) {
        ++tally.Sheets;
        tally.Right += FFirst->Score;
        tally.Asked += ProblemCount;
    }
    return tally;
}

void TPracticeOverlay::ShowTally()
{
    const TPracticeTally tally = Tally();
    FStatus.Tally->setText(tally.Sheets == 0 ? QString()
                                             : Texts::PracticeTally.Counting(tally.Sheets).arg(tally.Right).arg(tally.Asked));
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
    return QWidget::eventFilter(Watched, Event);
}
