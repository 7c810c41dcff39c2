#include "classroom/Classroom.h"

#include "classroom/ClassKeys.h"
#include "dial/Numerals.h"
#include "dial/PlatformScale.h"
#include "practice/Marking.h"
#include "practice/Mistakes.h"
#include "sheet/SheetCode.h"
#include "view/SheetDial.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

void Add(std::map<QString, int>& Sum, const std::map<QString, int>& More)
{
    for (const auto& [id, count] : More)
        Sum[id] += count;
}

// A typed answer in the boxes of its blank. Kilograms and grams come as "1 260", the
// two boxes apart; a blank below a kilogram has the grams box alone.
struct TTypedBlank {
    TBlankForm Form;
    TTypedAnswer Answer;
};

TTypedBlank TypedBlank(TAnswerUnit Unit, std::uint32_t Weight, const QString& Text)
{
    const TBlankForm form = BlankForm(Unit, Weight);
    if (form == bfGrams && Unit != auKilogramsAndGrams)
        return {form, {QString(), Text.trimmed()}};
    if (form == bfKilograms)
        return {form, {Text.trimmed(), QString()}};
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList boxes = Text.trimmed().split(space, Qt::SkipEmptyParts);
    if (boxes.size() == 2)
        return {bfKilogramsAndGrams, {boxes[0], boxes[1]}};
    const QString box = boxes.value(0);
    return form == bfGrams ? TTypedBlank{form, {QString(), box}} : TTypedBlank{form, {box, QString()}};
}

// What the pupil is shown of one marked answer.
TMarkedAnswer MarkedAnswer(const TAnswerRecord& Answer, const TDialDrawing& Drawing)
{
    return {Answer.Right, Answer.RightAnswer, MistakeId(Answer.Mistake), MistakeWords(Answer.Mistake, Drawing.FinestMark)};
}

TDialDrawing SheetDialDrawing(const TSheet& Sheet, int Index)
{
    TPlatformScale dial;
    ShapeSheetDial(dial);
    SetSheetDial(dial, Sheet, Index);
    return DialDrawing(dial);
}

}  // namespace

TTally TClassPupil::Tally() const
{
    TTally tally = Done;
    if (Marked) {
        tally.Sheets += Marked->Sheets;
        tally.Right += Marked->Right;
        tally.Total += Marked->Total;
    }
    return tally;
}

std::map<QString, int> TClassPupil::Mistakes() const
{
    std::map<QString, int> mistakes = DoneMistakes;
    Add(mistakes, MarkedMistakes);
    return mistakes;
}

TClassroom::TClassroom(TResultStore& Store, const TSheetSettings& Settings, qint64 StoreId)
    : FStore(&Store), FSettings(Settings), FStoreId(StoreId), FCode(NewClassCode()), FTeacherKey(NewKey())
{
}

std::optional<TClassroom> TClassroom::Open(TResultStore& Store, const TSheetSettings& Settings, bool StepUp)
{
    if (!StepUp && !DrawSheet(Settings, 0))
        return std::nullopt;
    // Long enough for a school day; a class left open overnight is not taken up again.
    constexpr qint64 ResumeWithinSeconds = 12 * 60 * 60;
    // A class another running Kestrum serves from the same file is its own, never taken up here.
    const std::optional<TClassRecord> open = Store.ClaimClasses() ? Store.LastOpenClass() : std::nullopt;
    if (open && open->Started.secsTo(QDateTime::currentDateTimeUtc()) < ResumeWithinSeconds)
        return Resume(Store, Settings, *open, StepUp);
    TClassroom room(Store, Settings, 0);
    room.FStepUp = StepUp;
    const std::optional<qint64> id = Store.AddClass(room.FCode, QDateTime::currentDateTimeUtc());
    if (!id)
        return std::nullopt;
    room.FStoreId = *id;
    return room;
}

TClassroom TClassroom::Resume(TResultStore& Store, const TSheetSettings& Settings, const TClassRecord& Record,
                              bool StepUp)
{
    TClassroom room(Store, Settings, Record.Id);
    room.FStepUp = StepUp;
    room.FCode = Record.Code;
    for (const TStoredPupil& stored : Store.Pupils(Record.Id)) {
        TClassPupil pupil;
        pupil.Name = stored.Name;
        pupil.KeyHash = stored.KeyHash;
        pupil.StoreId = stored.Id;
        pupil.SheetNumber = stored.SheetNumber;
        if (StepUp)
            pupil.Ladder = TPracticeLadder::AtPlace(stored.Ladder);
        pupil.Sheet = ReadSheetCode(stored.SheetCode).Sheet.value_or(room.FreshSheet(pupil));
        const QString current = SheetCode(pupil.Sheet);
        for (const TStoredSheet& sheet : stored.Sheets) {
            if (sheet.SheetCode == current) {
                pupil.Marked = TTally{1, sheet.Right, ProblemCount};
                pupil.MarkedMistakes = sheet.Mistakes;
                TClassPupil::TLastMarking last;
                for (int place = 0; place < ProblemCount; ++place) {
                    const TAnswerRecord& answer = sheet.Answers[place];
                    last.Marks[place] = MarkedAnswer(answer, SheetDialDrawing(pupil.Sheet, ReadingOrder[place]));
                    last.Answers[place] = answer.PupilAnswer;
                }
                pupil.LastMarking = last;
            } else {
                pupil.Done = {pupil.Done.Sheets + 1, pupil.Done.Right + sheet.Right, pupil.Done.Total + ProblemCount};
                Add(pupil.DoneMistakes, sheet.Mistakes);
            }
        }
        room.FPupils.push_back(pupil);
    }
    return room;
}

bool TClassroom::Keep(const TClassPupil& Pupil)
{
    return FStore->KeepPupil({Pupil.StoreId, Pupil.Name, Pupil.KeyHash, SheetCode(Pupil.Sheet), Pupil.SheetNumber,
                             Pupil.Ladder ? Pupil.Ladder->Place() : 0, {}});
}

void TClassroom::SetStepUp(bool On)
{
    FStepUp = On;
    for (TClassPupil& pupil : FPupils)
        if (On != pupil.Ladder.has_value()) {
            pupil.Ladder = On ? std::optional(TPracticeLadder{}) : std::nullopt;
            // The sheet in hand is not the ladder's: its score moves nothing.
            pupil.FirstScore.reset();
        }
}

void TClassroom::End()
{
    FEnded = true;
    FStore->EndClass(FStoreId);
}

bool TClassroom::IsTeacher(const QString& Key) const { return SameKey(Key, FTeacherKey); }

TSheet TClassroom::FreshSheet(const TClassPupil& Pupil) const
{
    const TSheetSettings settings = Pupil.Ladder ? Pupil.Ladder->NextSettings(FSettings.Unit) : FSettings;
    return *DrawSheet(settings, QRandomGenerator::system()->bounded(SheetSeedLimit));
}

std::optional<QString> TClassroom::Join(const QString& Name)
{
    const QString key = NewKey();
    for (TClassPupil& pupil : FPupils)
        if (pupil.Name == Name) {
            pupil.KeyHash = KeyHash(key);
            return Keep(pupil) ? std::optional(key) : std::nullopt;
        }
    const std::optional<qint64> id = FStore->AddPupil(FStoreId, Name);
    if (!id)
        return std::nullopt;
    TClassPupil pupil;
    pupil.Name = Name;
    pupil.KeyHash = KeyHash(key);
    pupil.StoreId = *id;
    if (FStepUp)
        pupil.Ladder.emplace();
    pupil.Sheet = FreshSheet(pupil);
    if (!Keep(pupil))
        return std::nullopt;
    FPupils.push_back(pupil);
    return key;
}

TClassPupil* TClassroom::Pupil(const QString& Key)
{
    const QString hash = KeyHash(Key);
    TClassPupil* found = nullptr;
    for (TClassPupil& pupil : FPupils)
        if (SameKey(hash, pupil.KeyHash))
            found = &pupil;
    return found;
}

TMarkReply TClassroom::Mark(TClassPupil& Pupil, const std::array<QString, ProblemCount>& Answers)
{
    const TSheet& sheet = Pupil.Sheet;
    const QString separator = QString::fromStdString(LocaleDecimalSeparator());
    TMarkingRecord record;
    record.Pupil = Pupil.StoreId;
    record.SheetCode = SheetCode(sheet);
    record.MarkedAt = QDateTime::currentDateTimeUtc();
    TMarkReply reply;
    std::map<QString, int> mistakes;
    for (int place = 0; place < ProblemCount; ++place) {
        const int index = ReadingOrder[place];
        const std::uint32_t right = sheet.Weights[index];
        const TDialDrawing drawing = SheetDialDrawing(sheet, index);
        TAnswerRecord& answer = record.Answers[place];
        answer.RightAnswer = AnswerText(sheet.Settings.Unit, right, separator);
        answer.PupilAnswer = Answers[place];
        if (sheet.Settings.Exercise == exDraw) {
            const std::optional<std::uint64_t> needle = DigitsValue(HalfWidthDigits(Answers[place].trimmed()));
            answer.Right = needle == right;
            if (needle && !answer.Right && *needle <= UINT32_MAX)
                answer.Mistake = NameMistake(drawing, right, static_cast<std::uint32_t>(*needle));
        } else {
            const TTypedBlank typed = TypedBlank(sheet.Settings.Unit, right, Answers[place]);
            answer.Right = AnswerGrams(typed.Form, typed.Answer) == right;
            if (!answer.Right)
                answer.Mistake = NameMistake(drawing, right, typed.Form, typed.Answer);
        }
        reply.Marks[place] = MarkedAnswer(answer, drawing);
        reply.Score += answer.Right ? 1 : 0;
        if (answer.Mistake != TMistake::None)
            ++mistakes[MistakeId(answer.Mistake)];
    }
    // The reply promises the marking is kept: nothing counts until it is on disk.
    if (!FStore->RecordMarking(record))
        return reply;
    reply.Recorded = true;
    if (!Pupil.FirstScore)
        Pupil.FirstScore = reply.Score;
    Pupil.Marked = TTally{1, reply.Score, ProblemCount};
    Pupil.MarkedMistakes = mistakes;
    Pupil.LastMarking = TClassPupil::TLastMarking{reply.Marks, Answers};
    reply.Tally = Pupil.Tally();
    return reply;
}

void TClassroom::Next(TClassPupil& Pupil)
{
    Pupil.Done = Pupil.Tally();
    Add(Pupil.DoneMistakes, Pupil.MarkedMistakes);
    Pupil.Marked.reset();
    Pupil.LastMarking.reset();
    Pupil.MarkedMistakes.clear();
    // As on the desktop, a sheet moved on from unmarked leaves the ladder where it is.
    if (Pupil.Ladder && Pupil.FirstScore)
        Pupil.Ladder->Record(*Pupil.FirstScore);
    Pupil.FirstScore.reset();
    Pupil.Sheet = FreshSheet(Pupil);
    ++Pupil.SheetNumber;
    // Should the file refuse it, the class goes on; a restart would give the old sheet again.
    Keep(Pupil);
}
