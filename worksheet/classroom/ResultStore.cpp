#include "classroom/ResultStore.h"

#include "classroom/CsvRow.h"
#include "Texts.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace {

// "KEST" in the file's header: tells our results file from any other SQLite file.
constexpr qint64 ApplicationId = 0x4B455354;
// The layout of the tables below; a file with a higher one comes from a newer program.
constexpr qint64 SchemaVersion = 1;
// How long a write waits for another connection's transaction before it fails.
constexpr int BusyTimeoutMs = 5000;

// Executed one by one in the transaction that makes a new store.
const char* const SchemaStatements[] = {
    "CREATE TABLE classes (id INTEGER PRIMARY KEY, code TEXT NOT NULL, started TEXT NOT NULL)",
    "CREATE TABLE pupils (id INTEGER PRIMARY KEY, class_id INTEGER NOT NULL REFERENCES classes(id), "
    "name TEXT NOT NULL, UNIQUE (class_id, name))",
    "CREATE TABLE markings (id INTEGER PRIMARY KEY, pupil_id INTEGER NOT NULL REFERENCES pupils(id), "
    "sheet_code TEXT NOT NULL, marked_at TEXT NOT NULL)",
    "CREATE TABLE answers (marking_id INTEGER NOT NULL REFERENCES markings(id), "
    "problem INTEGER NOT NULL CHECK (problem BETWEEN 1 AND 6), right_answer TEXT NOT NULL, "
    "pupil_answer TEXT NOT NULL, is_right INTEGER NOT NULL, mistake TEXT NOT NULL, "
    "PRIMARY KEY (marking_id, problem))",
    "PRAGMA application_id = 1262834516",  // ApplicationId
    "PRAGMA user_version = 1",             // SchemaVersion
};

// What a file found at the store's path is.
enum class TFound { Nothing, EmptyDatabase, Ours, NotOurs, Newer, Broken, Unreadable };

struct TInspection {
    TFound Found = TFound::Nothing;
    QString Reason;  // the driver's words where it could not be read
};

// A date and time with its offset from UTC, as a spreadsheet reads it:
// "2026-12-10T13:05:00+09:00".
QString TimeText(const QDateTime& Time)
{
    return Time.toOffsetFromUtc(Time.offsetFromUtc()).toString(Qt::ISODate);
}

std::optional<qint64> PragmaValue(QSqlDatabase& Database, const QString& Statement, QSqlError& Error)
{
    QSqlQuery query(Database);
    if (!query.exec(Statement) || !query.next()) {
        Error = query.lastError();
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

TFound Classify(QSqlDatabase& Database, QSqlError& Error)
{
    // SQLite's own codes: 26 the file is no database, 11 a database that is damaged.
    const auto failure = [&] {
        return Error.nativeErrorCode() == QLatin1String("26") ? TFound::NotOurs
               : Error.nativeErrorCode() == QLatin1String("11") ? TFound::Broken
                                                                 : TFound::Unreadable;
    };
    const std::optional<qint64> application = PragmaValue(Database, QStringLiteral("PRAGMA application_id"), Error);
    if (!application)
        return failure();
    const std::optional<qint64> version = PragmaValue(Database, QStringLiteral("PRAGMA user_version"), Error);
    const std::optional<qint64> tables =
        PragmaValue(Database, QStringLiteral("SELECT count(*) FROM sqlite_master"), Error);
    if (!version || !tables)
        return failure();
    if (*application == 0 && *version == 0 && *tables == 0)
        return TFound::EmptyDatabase;
    if (*application != ApplicationId)
        return TFound::NotOurs;
    if (*version > SchemaVersion)
        return TFound::Newer;
    QSqlQuery check(Database);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
        check.value(0).toString() != QLatin1String("ok"))
        return TFound::Broken;
    return TFound::Ours;
}

// Looks at the file through a read-only connection, which can write nothing, not even
// a checkpoint of a journal left by a program that was killed.
TInspection Inspect(const QString& Path, const QString& Connection)
{
    if (!QFileInfo::exists(Path))
        return {};
    TInspection inspection;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
        database.setDatabaseName(Path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        QSqlError error;
        if (!database.open()) {
            inspection = {TFound::Unreadable, database.lastError().text()};
        } else {
            inspection.Found = Classify(database, error);
            inspection.Reason = error.text();
        }
        database.close();
    }
    QSqlDatabase::removeDatabase(Connection);
    return inspection;
}

QString RefusalFor(const TInspection& Inspection, const QString& Path)
{
    const QString name = QDir::toNativeSeparators(Path);
    switch (Inspection.Found) {
    case TFound::NotOurs: return Texts::StoreNotOurs.arg(name);
    case TFound::Newer: return Texts::StoreNewer.arg(name);
    case TFound::Broken: return Texts::StoreBroken.arg(name);
    case TFound::Unreadable: return Texts::StoreCannotOpen.arg(name, Inspection.Reason);
    default: return {};
    }
}

bool Exec(QSqlDatabase& Database, const char* Statement)
{
    QSqlQuery query(Database);
    return query.exec(QLatin1String(Statement));
}

// WAL lets the exports read while markings are written. synchronous FULL syncs the
// log at every commit: NORMAL would survive a killed program too, but a power cut
// could take back markings whose replies the pupils have already seen.
bool Configure(QSqlDatabase& Database)
{
    QSqlQuery mode(Database);
    if (!mode.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !mode.next() ||
        mode.value(0).toString() != QLatin1String("wal"))
        return false;
    return Exec(Database, "PRAGMA synchronous = FULL") && Exec(Database, "PRAGMA foreign_keys = ON");
}

bool CreateSchema(QSqlDatabase& Database)
{
    if (!Database.transaction())
        return false;
    for (const char* statement : SchemaStatements)
        if (!Exec(Database, statement)) {
            Database.rollback();
            return false;
        }
    return Database.commit();
}

std::optional<qint64> Inserted(QSqlQuery& Query)
{
    if (!Query.exec())
        return std::nullopt;
    return Query.lastInsertId().toLongLong();
}

QString NewConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("kestrum-results-%1").arg(++count);
}

}  // namespace

QString MistakeId(TMistake Mistake)
{
    switch (Mistake) {
    case TMistake::OneMarkOff: return QStringLiteral("one-mark-off");
    case TMistake::KilogramsAndGrams: return QStringLiteral("kg-and-g");
    case TMistake::MarkSize: return QStringLiteral("mark-size");
    case TMistake::Numeral: return QStringLiteral("numeral");
    case TMistake::WrongSide: return QStringLiteral("wrong-side");
    case TMistake::None: break;
    }
    return QStringLiteral("");  // empty, not null: the column holds no nulls
}

QString TResultStore::DefaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return folder + QStringLiteral("/classes.sqlite");
}

TResultStore::TResultStore(const QString& Connection)
    : FConnection(Connection), FDatabase(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection))
{
}

TResultStore::~TResultStore()
{
    FDatabase.close();
    FDatabase = QSqlDatabase();
    QSqlDatabase::removeDatabase(FConnection);
}

TStoreOpening TResultStore::Open(const QString& Path, TCreation Creation)
{
    const QString connection = NewConnectionName();
    const TInspection inspection = Inspect(Path, connection + QStringLiteral("-inspect"));
    if (inspection.Found == TFound::Nothing && Creation == crExisting)
        return {nullptr, Texts::StoreMissing.arg(QDir::toNativeSeparators(Path))};
    if (const QString refusal = RefusalFor(inspection, Path); !refusal.isEmpty())
        return {nullptr, refusal};

    std::unique_ptr<TResultStore> store(new TResultStore(connection));
    QSqlDatabase& database = store->FDatabase;
    database.setDatabaseName(Path);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    const bool fresh = inspection.Found != TFound::Ours;
    if (!database.open() || !Configure(database) || (fresh && !CreateSchema(database)))
        return {nullptr, Texts::StoreCannotOpen.arg(QDir::toNativeSeparators(Path), database.lastError().text())};
    return {std::move(store), {}};
}

std::optional<qint64> TResultStore::AddClass(const QString& Code, const QDateTime& Started)
{
    QSqlQuery query(FDatabase);
    query.prepare(QStringLiteral("INSERT INTO classes (code, started) VALUES (?, ?)"));
    query.addBindValue(Code);
    query.addBindValue(TimeText(Started));
    return Inserted(query);
}

std::optional<qint64> TResultStore::AddPupil(qint64 Class, const QString& Name)
{
    QSqlQuery query(FDatabase);
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO pupils (class_id, name) VALUES (?, ?)"));
    query.addBindValue(Class);
    query.addBindValue(Name);
    if (!query.exec())
        return std::nullopt;
    query.prepare(QStringLiteral("SELECT id FROM pupils WHERE class_id = ? AND name = ?"));
    query.addBindValue(Class);
    query.addBindValue(Name);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool TResultStore::RecordMarking(const TMarkingRecord& Marking)
{
    if (!FDatabase.transaction())
        return false;
    const auto written = [&] {
        QSqlQuery query(FDatabase);
        query.prepare(QStringLiteral("INSERT INTO markings (pupil_id, sheet_code, marked_at) VALUES (?, ?, ?)"));
        query.addBindValue(Marking.Pupil);
        query.addBindValue(Marking.SheetCode);
        query.addBindValue(TimeText(Marking.MarkedAt));
        const std::optional<qint64> marking = Inserted(query);
        if (!marking)
            return false;
        query.prepare(QStringLiteral("INSERT INTO answers (marking_id, problem, right_answer, pupil_answer, "
                                     "is_right, mistake) VALUES (?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < ProblemCount; ++i) {
            const TAnswerRecord& answer = Marking.Answers[static_cast<std::size_t>(i)];
            query.addBindValue(*marking);
            query.addBindValue(i + 1);
            query.addBindValue(answer.RightAnswer);
            query.addBindValue(answer.PupilAnswer);
            query.addBindValue(answer.Right ? 1 : 0);
            query.addBindValue(MistakeId(answer.Mistake));
            if (!query.exec())
                return false;
        }
        return true;
    };
    if (written() && FDatabase.commit())
        return true;
    FDatabase.rollback();
    return false;
}

std::vector<TClassRecord> TResultStore::Classes() const
{
    std::vector<TClassRecord> classes;
    QSqlQuery query(FDatabase);
    query.prepare(QStringLiteral("SELECT id, code, started FROM classes ORDER BY id"));
    if (!query.exec())
        return classes;
    while (query.next())
        classes.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                           QDateTime::fromString(query.value(2).toString(), Qt::ISODate)});
    return classes;
}

bool TResultStore::WriteCsv(QIODevice& Out, std::optional<qint64> Class) const
{
    QSqlQuery query(FDatabase);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT m.marked_at, c.code, p.name, m.sheet_code, a.problem, a.right_answer, a.pupil_answer, "
        "a.is_right, a.mistake FROM answers a JOIN markings m ON a.marking_id = m.id "
        "JOIN pupils p ON m.pupil_id = p.id JOIN classes c ON p.class_id = c.id "
        "WHERE ? = 0 OR c.id = ? ORDER BY c.id, m.id, a.problem"));
    query.addBindValue(Class ? 1 : 0);
    query.addBindValue(Class.value_or(0));
    if (!query.exec())
        return false;
    // The byte order mark makes spreadsheets read the pupils' names as UTF-8.
    QByteArray text = QByteArrayLiteral("\xEF\xBB\xBF") +
                      CsvRow({QStringLiteral("date_time"), QStringLiteral("class"), QStringLiteral("pupil"),
                              QStringLiteral("sheet_code"), QStringLiteral("problem"), QStringLiteral("right_answer"),
                              QStringLiteral("pupil_answer"), QStringLiteral("result"), QStringLiteral("mistake")})
                          .toUtf8();
    while (query.next()) {
        QStringList cells;
        for (int column = 0; column < 9; ++column)
            cells << query.value(column).toString();
        cells[7] = query.value(7).toBool() ? QStringLiteral("right") : QStringLiteral("wrong");
        text += CsvRow(cells).toUtf8();
    }
    return query.lastError().type() == QSqlError::NoError && Out.write(text) == text.size();
}
