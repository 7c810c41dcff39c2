#include "practice/PracticeOverlay.h"

#include "controls/Label.h"
#include "dial/Numerals.h"
#include "practice/FittedSheet.h"
#include "practice/NeedleLens.h"
#include "practice/PracticeDial.h"
#include "practice/ReadingAid.h"
#include "view/Fonts.h"
#include "view/SheetView.h"
#include "Texts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Page pixels, scaled with the sheet. A box never gets narrower than three digits; a
// mark stands this far left of its first box, where the red answers stand on a key.
constexpr int MinBoxWidth = 46;
constexpr int BoxGap = 2;
constexpr int MarkGap = 4;
constexpr int BoxFontHeight = 22;
constexpr int MarkFontHeight = 24;
// The band under a row: the mistake's words in two lines at most, then the way to read
// the dial in one, in the largest type that fits it, down to the smallest.
constexpr int MistakeFontHeight = 16;
constexpr int MistakeLines = 2;
constexpr int ReadingFontHeight = 15;
constexpr int ReadingMinFontHeight = 11;
const QColor ReadingColour(0x00, 0x50, 0xD0);
// A wrong needle's glass: inside its dial, across the pivot from the needles, so that
// it covers neither of them.
constexpr double LensRadius = 0.36;  // of the dial's radius
constexpr double LensCentre = 0.47;

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

// Red, the colour a teacher marks with; the way to read a dial in the aid's blue.
void Colour(QWidget* Label, const QColor& Colour)
{
    QPalette palette = Label->palette();
    palette.setColor(QPalette::WindowText, Colour);
    Label->setPalette(palette);
}

QLabel* MakeBandLabel(QWidget* Parent, const QString& Name, const QColor& Colour)
{
    auto* label = new QLabel(Parent);
    label->setObjectName(Name);
    ::Colour(label, Colour);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setWordWrap(true);
    return label;
}

// The largest type up to Largest that writes Label's text within Width, at least Smallest.
void FitFont(QLabel* Label, int Width, int Largest, int Smallest)
{
    int height = Largest;
    while (height > Smallest && QFontMetrics(GothicFont(height)).horizontalAdvance(Label->text()) > Width)
        --height;
    Label->setFont(GothicFont(height));
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
    Colour(boxes.Mark, Qt::red);
    boxes.Mark->setAutoFillBackground(false);
    boxes.Mark->hide();
    boxes.Mistake = MakeBandLabel(this, QStringLiteral("LabelMistake") + number, Qt::red);
    boxes.Reading = MakeBandLabel(this, QStringLiteral("LabelReading") + number, ReadingColour);
    boxes.Aid = new TReadingAid(this);
    boxes.Aid->setObjectName(QStringLiteral("ReadingAid") + number);
    boxes.Aid->hide();
    boxes.Lens = new TNeedleLens(this);
    boxes.Lens->setObjectName(QStringLiteral("NeedleLens") + number);
    boxes.Lens->hide();
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
    ShowReadingWay(Index, false);
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
    const QRect band = FFit.BandOf(Index);
    // Words that fit one line leave the way to read two, in a larger type.
    const QFont words = GothicFont(Scaled(MistakeFontHeight, scale));
    const QFontMetrics wordsMetrics(words);
    const int wordsLines = wordsMetrics.horizontalAdvance(boxes.Mistake->text()) > band.width() ? MistakeLines : 1;
    const int wordsHeight = std::min(band.height(), wordsLines * wordsMetrics.lineSpacing());
    boxes.Mistake->setFont(words);
    boxes.Mistake->setGeometry(band.x(), band.y(), band.width(), wordsHeight);
    const QRect reading(band.x(), band.y() + wordsHeight, band.width(), band.height() - wordsHeight);
    boxes.Reading->setGeometry(reading);
    const QFont readingFont = GothicFont(Scaled(ReadingFontHeight, scale));
    const QRect wrapped = QFontMetrics(readingFont).boundingRect(reading, Qt::TextWordWrap, boxes.Reading->text());
    if (wrapped.height() <= reading.height())
        boxes.Reading->setFont(readingFont);
    else
        FitFont(boxes.Reading, band.width(), Scaled(ReadingFontHeight, scale), Scaled(ReadingMinFontHeight, scale));
    PlaceMark(Index);
    PlaceReadingWay(Index);
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

const TPlatformScale& TPracticeOverlay::DialOf(int Index) const
{
    if (FSheet.Settings.Exercise == exDraw)
        return *FBoxes[Index].Dial;
    return FView.Dial(Index);
}

TMistake TPracticeOverlay::MistakeOf(int Index) const
{
    const TDialDrawing drawing = DialDrawing(DialOf(Index));
    const std::uint32_t right = FSheet.Weights[Index];
    if (FSheet.Settings.Exercise == exDraw)
        return NameMistake(drawing, right, FBoxes[Index].Dial->Value());
    return NameMistake(drawing, right, BlankForm(FSheet.Settings.Unit, right), TypedAnswer(Index));
}

void TPracticeOverlay::Mark()
{
    const TMarking marking = MarkNow();
    if (!FFirst) {
        FFirst = marking;
        for (int i = 0; i < ProblemCount; ++i)
            if (!marking.Right[i])
                ++FMistakes[static_cast<std::size_t>(MistakeOf(i))];
    }
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
        const TMistake mistake = right ? TMistake::None : MistakeOf(i);
        boxes.Mistake->setText(MistakeWords(mistake, DialDrawing(DialOf(i)).FinestMark));
        ShowReadingWay(i, answer);
        PlaceProblem(i);
    }
}

void TPracticeOverlay::ShowReadingWay(int Index, bool Shown)
{
    TProblemBoxes& boxes = FBoxes[Index];
    boxes.Reading->clear();
    boxes.Aid->Clear();
    boxes.Aid->hide();
    boxes.Lens->Clear();
    boxes.Lens->hide();
    if (!Shown)
        return;
    const std::uint32_t right = FSheet.Weights[Index];
    const TReadingWay way = ReadingWay(DialDrawing(DialOf(Index)), right);
    boxes.Reading->setText(ReadingWayText(way, FSheet.Settings.Unit, right,
                                          QString::fromStdString(LocaleDecimalSeparator())));
    boxes.Aid->Show(DialOf(Index), way.From, way.Marks, way.Mark);
    if (FSheet.Settings.Exercise == exDraw)
        boxes.Lens->Show(*boxes.Dial, boxes.Dial->Value(), right);
    boxes.Lens->setVisible(FSheet.Settings.Exercise == exDraw);
}

void TPracticeOverlay::PlaceReadingWay(int Index)
{
    TProblemBoxes& boxes = FBoxes[Index];
    // Over the dial as the fitted sheet shows it; the pupil's dial is that already.
    const QRect dial = FSheet.Settings.Exercise == exDraw ? boxes.Dial->geometry()
                                                          : FFit.Map(FView.Dial(Index).geometry());
    boxes.Aid->setGeometry(dial);
    boxes.Aid->raise();
    // Across the pivot from the right needle.
    const double radius = dial.width() / 2.0;
    const double angle = 2 * std::numbers::pi * FSheet.Weights[Index] / std::max<std::uint32_t>(1, DialOf(Index).ValueMax());
    const QPointF centre = QRectF(dial).center() - LensCentre * radius * QPointF(std::sin(angle), -std::cos(angle));
    const double lens = LensRadius * radius;
    boxes.Lens->setGeometry(QRectF(centre.x() - lens, centre.y() - lens, 2 * lens, 2 * lens).toRect());
    boxes.Lens->raise();
}

std::optional<int> TPracticeOverlay::FirstScore() const
{
    return FFirst ? std::optional(FFirst->Score) : std::nullopt;
}

TPracticeTally TPracticeOverlay::Tally() const
{
    TPracticeTally tally = FDone;
    tally.Mistakes = FMistakes;
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
    if (tally.Sheets == 0) {
        FStatus.Tally->clear();
        return;
    }
    QString text = Texts::PracticeTally.Counting(tally.Sheets).arg(tally.Right).arg(tally.Asked);
    // The mistake named most often, the first of equals in the order they are tried.
    const auto most = std::max_element(tally.Mistakes.begin() + 1, tally.Mistakes.end());
    if (*most > 0)
        text += Texts::PracticeMostMistaken.Counting(*most).arg(
            MistakeName(static_cast<TMistake>(most - tally.Mistakes.begin())));
    FStatus.Tally->setText(text);
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
