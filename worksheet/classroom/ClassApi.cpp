#include "classroom/ClassApi.h"

#include "Texts.h"
#include "classroom/DialSvg.h"
#include "classroom/PageTexts.h"
#include "classroom/WebFiles.h"
#include "dial/PlatformScale.h"
#include "view/SheetDial.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int MaxNameLength = 20;

TApiReply Json(const QJsonObject& Object, int Status = 200)
{
    return {Status, "application/json", QJsonDocument(Object).toJson(QJsonDocument::Compact)};
}

TApiReply Refuse(int Status, const char* Why)
{
    return Json({{QStringLiteral("error"), QLatin1String(Why)}}, Status);
}

QString Bearer(const QByteArray& Authorization)
{
    static const QByteArray prefix = "Bearer ";
    return Authorization.startsWith(prefix) ? QString::fromLatin1(Authorization.mid(prefix.size()).trimmed()) : QString();
}

std::optional<QJsonObject> BodyObject(const QByteArray& Body)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(Body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

bool GoodName(const QString& Name)
{
    if (Name.isEmpty() || Name.size() > MaxNameLength)
        return false;
    for (const QChar c : Name)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    return true;
}

const char* UnitName(TAnswerUnit Unit)
{
    switch (Unit) {
    case auGrams: return "g";
    case auKilograms: return "kg";
    case auKilogramsAndGrams: return "kg-g";
    }
    return "kg-g";
}

QJsonObject TallyObject(const TTally& Tally)
{
    return {{QStringLiteral("sheets"), Tally.Sheets},
            {QStringLiteral("right"), Tally.Right},
            {QStringLiteral("total"), Tally.Total}};
}

// The tally in words, as the desktop's practice writes it, in the form its count takes.
QString TallyText(const TTally& Tally)
{
    return Texts::PracticeTally.Counting(Tally.Sheets).arg(Tally.Right).arg(Tally.Total);
}

QJsonArray MarksArray(const std::array<TMarkedAnswer, ProblemCount>& Marks)
{
    QJsonArray marks;
    for (const TMarkedAnswer& mark : Marks)
        marks.append(QJsonObject{{QStringLiteral("right"), mark.Right},
                                 {QStringLiteral("answer"), mark.Answer},
                                 {QStringLiteral("mistake"), mark.Mistake},
                                 {QStringLiteral("words"), mark.Words}});
    return marks;
}

// Where a needle the pupil sets stands: the board's centre and radius in the SVG's
// pixels, from the layout the painter draws; the angle of 0 g clockwise from 12
// o'clock and the degrees the capacity sweeps, once round from the top as the
// desktop's dial reads a pointer; and the finest mark the needle snaps to.
QJsonObject NeedleObject(TPlatformScale& Dial)
{
    const TRect& board = Dial.Layout().Board;
    return {{QStringLiteral("cx"), (board.Left + board.Right) / 2.0},
            {QStringLiteral("cy"), (board.Top + board.Bottom) / 2.0},
            {QStringLiteral("r"), (board.Right - board.Left) / 2.0},
            {QStringLiteral("from"), 0},
            {QStringLiteral("sweep"), 360},
            {QStringLiteral("capacity"), static_cast<qint64>(Dial.Properties().ValueMax)},
            {QStringLiteral("step"), static_cast<qint64>(Dial.FinestMark())}};
}

// The dials in reading order. A reading sheet's weights are the question's answers:
// only a draw sheet, where they are the question, names them. A sheet marked already
// comes with its last marking and the answers it marked.
TApiReply SheetReply(const TClassPupil& Pupil)
{
    // The pupil's own record is read here, on the class's thread; the drawings are made
    // by the sender.
    QJsonObject record{{QStringLiteral("sheet"), Pupil.SheetNumber},
                       {QStringLiteral("tally"), TallyObject(Pupil.Tally())},
                       {QStringLiteral("tallyText"), TallyText(Pupil.Tally())}};
    if (Pupil.Marked && Pupil.LastMarking) {
        const TClassPupil::TLastMarking& last = *Pupil.LastMarking;
        record.insert(QStringLiteral("marks"), MarksArray(last.Marks));
        record.insert(QStringLiteral("score"), Pupil.Marked->Right);
        record.insert(QStringLiteral("answers"), QJsonArray::fromStringList({last.Answers.begin(), last.Answers.end()}));
    }
    // The dials are set up here too: they are widgets, which only this thread may make.
    // The sender gets plain values and paints them.
    const TSheet& sheet = Pupil.Sheet;
    const bool draw = sheet.Settings.Exercise == exDraw;
    std::array<TScaleProperties, ProblemCount> drawn;
    QJsonArray dials;
    for (int place = 0; place < ProblemCount; ++place) {
        const int index = ReadingOrder[place];
        TPlatformScale dial;
        ShapeSheetDial(dial);
        SetSheetDial(dial, sheet, index);
        ShowSheetNeedle(dial, sheet, false);
        drawn[place] = dial.Properties();
        QJsonObject question;
        if (draw) {
            question.insert(QStringLiteral("weight"), static_cast<qint64>(sheet.Weights[index]));
            question.insert(QStringLiteral("needle"), NeedleObject(dial));
        }
        dials.append(question);
    }
    TApiReply reply;
    reply.MakeBody = [sheet, draw, drawn, dials, record]() mutable {
        for (int place = 0; place < ProblemCount; ++place) {
            QJsonObject dial = dials[place].toObject();
            dial.insert(QStringLiteral("svg"), QString::fromUtf8(DialSvg(drawn[place])));
            dials[place] = dial;
        }
        QJsonObject body = record;
        body.insert(QStringLiteral("kind"), draw ? QStringLiteral("draw") : QStringLiteral("read"));
        body.insert(QStringLiteral("unit"), QLatin1String(UnitName(sheet.Settings.Unit)));
        body.insert(QStringLiteral("dials"), dials);
        return Json(body).Body;
    };
    return reply;
}

TApiReply Join(TClassroom& Class, const QByteArray& Body)
{
    const std::optional<QJsonObject> body = BodyObject(Body);
    if (!body || !(*body)[QStringLiteral("class")].isString() || !(*body)[QStringLiteral("name")].isString())
        return Refuse(400, "expected {\"class\": CODE, \"name\": NAME}");
    if ((*body)[QStringLiteral("class")].toString().trimmed().toUpper() != Class.Code())
        return Refuse(403, "no such class");
    const QString name = (*body)[QStringLiteral("name")].toString().trimmed();
    if (!GoodName(name))
        return Refuse(400, "a name of 1 to 20 characters, no control characters");
    const std::optional<QString> key = Class.Join(name);
    if (!key)
        return Refuse(503, "the results file refused the pupil");
    return Json({{QStringLiteral("pupil"), *key}});
}

TApiReply Mark(TClassroom& Class, TClassPupil& Pupil, const QByteArray& Body)
{
    const std::optional<QJsonObject> body = BodyObject(Body);
    const QJsonArray answers = body ? (*body)[QStringLiteral("answers")].toArray() : QJsonArray();
    std::array<QString, ProblemCount> typed;
    if (answers.size() != ProblemCount)
        return Refuse(400, "expected {\"answers\": [6 strings]}");
    for (int i = 0; i < ProblemCount; ++i) {
        if (!answers[i].isString())
            return Refuse(400, "expected {\"answers\": [6 strings]}");
        typed[i] = answers[i].toString();
    }
    const TMarkReply reply = Class.Mark(Pupil, typed);
    if (!reply.Recorded)
        return Refuse(503, "the results file refused the marking");
    return Json({{QStringLiteral("marks"), MarksArray(reply.Marks)},
                 {QStringLiteral("score"), reply.Score},
                 {QStringLiteral("tally"), TallyObject(reply.Tally)},
                 {QStringLiteral("tallyText"), TallyText(reply.Tally)}});
}

TApiReply Board(const TClassroom& Class)
{
    QJsonArray pupils;
    for (const TClassPupil& pupil : Class.Pupils()) {
        QJsonObject mistakes;
        for (const auto& [id, count] : pupil.Mistakes())
            mistakes.insert(id, count);
        QJsonObject row = TallyObject(pupil.Tally());
        row.insert(QStringLiteral("name"), pupil.Name);
        // The ladder's level where the class steps up; a class on its teacher's settings has none.
        row.insert(QStringLiteral("level"), pupil.Ladder ? QJsonValue(pupil.Ladder->Level()) : QJsonValue());
        row.insert(QStringLiteral("mistakes"), mistakes);
        pupils.append(row);
    }
    return Json({{QStringLiteral("pupils"), pupils}});
}

TApiReply Csv(const TClassroom& Class, const TResultStore& Store)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!Store.WriteCsv(buffer, Class.StoreId()))
        return Refuse(503, "the results file could not be read");
    return {200, "text/csv; charset=utf-8", buffer.data()};
}

}  // namespace

TApiReply AnswerRequest(TClassroom& Class, TResultStore& Store, const TApiRequest& Request)
{
    const QByteArray& path = Request.Path;
    const bool get = Request.Method == "GET" || Request.Method == "HEAD";
    if (const std::optional<TWebFile> file = WebFile(path))
        return get ? TApiReply{200, file->ContentType, file->Body} : Refuse(405, "GET only");
    if (path == "/api/texts")
        return get ? Json(PageTexts()) : Refuse(405, "GET only");
    const bool post = Request.Method == "POST";
    static const QList<QByteArray> pupilRoutes{"/api/sheet", "/api/mark", "/api/next"};
    static const QList<QByteArray> teacherRoutes{"/api/board", "/api/results.csv"};
    const bool pupilRoute = path == "/api/join" || pupilRoutes.contains(path);
    if (pupilRoute && Class.Ended())
        return Json({{QStringLiteral("error"), QStringLiteral("the class has ended")}, {QStringLiteral("ended"), true}},
                    410);
    if (path == "/api/join")
        return post ? Join(Class, Request.Body) : Refuse(405, "POST only");
    const QString key = Bearer(Request.Authorization);
    if (pupilRoutes.contains(path)) {
        if (path == "/api/sheet" ? !get : !post)
            return Refuse(405, path == "/api/sheet" ? "GET only" : "POST only");
        if (key.isEmpty())
            return Refuse(401, "no key");
        TClassPupil* pupil = Class.Pupil(key);
        if (!pupil)
            return Refuse(403, "not a pupil's key");
        if (path == "/api/mark")
            return Mark(Class, *pupil, Request.Body);
        if (path == "/api/next")
            Class.Next(*pupil);
        return SheetReply(*pupil);
    }
    if (teacherRoutes.contains(path)) {
        if (!get)
            return Refuse(405, "GET only");
        if (key.isEmpty())
            return Refuse(401, "no key");
        if (!Class.IsTeacher(key))
            return Refuse(403, "not the teacher's key");
        return path == "/api/board" ? Board(Class) : Csv(Class, Store);
    }
    return Refuse(404, "no such page");
}
