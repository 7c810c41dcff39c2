#include "classroom/ResultStore.h"

#include "classroom/CsvRow.h"
#include "Texts.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QLockFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>

namespace {

// "KEST" in the file's header: tells our results file from any other SQLite file.
constexpr qint64 ApplicationId = 0x4B455354;
// The layout of the tables below; a file with a higher one comes from a newer program.
constexpr qint64 SchemaVersion = 2;
// How long a write waits for another connection's transaction before it fails.
constexpr int BusyTimeoutMs = 5000;

// Executed one by one in the transaction that makes a new store.
const char* const SchemaStatements[] = {
    "CREATE TABLE classes (id INTEGER PRIMARY KEY, code TEXT NOT NULL, started TEXT NOT NULL, "
    "ended INTEGER NOT NULL DEFAULT 0)",
    "CREATE TABLE pupils (id INTEGER PRIMARY KEY, class_id INTEGER NOT NULL REFERENCES classes(id), "
    "name TEXT NOT NULL, key_hash TEXT NOT NULL DEFAULT '', sheet_code TEXT NOT NULL DEFAULT '', "
    "sheet_number INTEGER NOT NULL DEFAULT 1, ladder INTEGER NOT NULL DEFAULT 0, UNIQUE (class_id, name))",
    "CREATE TABLE markings (id INTEGER PRIMARY KEY, pupil_id INTEGER NOT NULL REFERENCES pupils(id), "
    "sheet_code TEXT NOT NULL, marked_at TEXT NOT NULL)",
    "CREATE TABLE answers (marking_id INTEGER NOT NULL REFERENCES markings(id), "
    "problem INTEGER NOT NULL CHECK (problem BETWEEN 1 AND 6), right_answer TEXT NOT NULL, "
    "pupil_answer TEXT NOT NULL, is_right INTEGER NOT NULL, mistake TEXT NOT NULL, "
    "PRIMARY KEY (marking_id, problem))",
    "PRAGMA application_id = 1262834516",  // ApplicationId
    "PRAGMA user_version = 2",             // SchemaVersion
};

// A file of the first layout gains what a class needs to go on after the program
// stopped without ending it: whether it ended, and where each pupil stands.
const char* const UpgradeFrom1[] = {
    "ALTER TABLE classes ADD COLUMN ended INTEGER NOT NULL DEFAULT 1",
    "ALTER TABLE pupils ADD COLUMN key_hash TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE pupils ADD COLUMN sheet_code TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE pupils ADD COLUMN sheet_number INTEGER NOT NULL DEFAULT 1",
    "ALTER TABLE pupils ADD COLUMN ladder INTEGER NOT NULL DEFAULT 0",
    "PRAGMA user_version = 2",
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

// All the statements or none.
template <std::size_t N>
bool ExecAll(QSqlDatabase& Database, const char* const (&Statements)[N])
{
    if (!Database.transaction())
        return false;
    for (const char* statement : Statements)
        if (!Exec(Database, statement)) {
            Database.rollback();
            return false;
        }
    return Database.commit();
}

// Makes the tables of a new file, or brings an older file's up to date.
bool PrepareSchema(QSqlDatabase& Database, bool Fresh)
{
    if (Fresh)
        return ExecAll(Database, SchemaStatements);
    QSqlError error;
    const std::optional<qint64> version = PragmaValue(Database, QStringLiteral("PRAGMA user_version"), error);
    if (!version)
        return false;
    return *version == SchemaVersion || ExecAll(Database, UpgradeFrom1);
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

TMistake MistakeOfId(const QString& Id)
{
    for (int kind = 0; kind < MistakeKindCount; ++kind)
        if (!Id.isEmpty() && MistakeId(static_cast<TMistake>(kind)) == Id)
            return static_cast<TMistake>(kind);
    return TMistake::None;
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
    if (!database.open() || !Configure(database) || !PrepareSchema(database, fresh))
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

bool TResultStore::EndClass(qint64 Class)
{
    QSqlQuery query(FDatabase);
    query.prepare(QStringLiteral("UPDATE classes SET ended = 1 WHERE id = ?"));
    query.addBindValue(Class);
    return query.exec();
}

bool TResultStore::ClaimClasses()
{
    if (!FClassLock) {
        FClassLock = std::make_unique<QLockFile>(FDatabase.databaseName() + QStringLiteral(".lock"));
        // Held for hours: only a holder that is no longer running leaves a stale lock.
        FClassLock->setStaleLockTime(0);
    }
    return FClassLock->isLocked() || FClassLock->tryLock(0);
}

std::optional<TClassRecord> TResultStore::LastOpenClass() const
{
    QSqlQuery query(FDatabase);
    if (!query.exec(QStringLiteral("SELECT id, code, started FROM classes WHERE ended = 0 ORDER BY id DESC LIMIT 1")) ||
        !query.next())
        return std::nullopt;
    return TClassRecord{query.value(0).toLongLong(), query.value(1).toString(),
                        QDateTime::fromString(query.value(2).toString(), Qt::ISODate), false};
}

bool TResultStore::KeepPupil(const TStoredPupil& Pupil)
{
    QSqlQuery query(FDatabase);
    query.prepare(QStringLiteral("UPDATE pupils SET key_hash = ?, sheet_code = ?, sheet_number = ?, ladder = ? "
                                 "WHERE id = ?"));
    query.addBindValue(Pupil.KeyHash);
    query.addBindValue(Pupil.SheetCode);
    query.addBindValue(Pupil.SheetNumber);
    query.addBindValue(Pupil.Ladder);
    query.addBindValue(Pupil.Id);
    return query.exec() && query.numRowsAffected() == 1;
}

std::vector<TStoredPupil> TResultStore::Pupils(qint64 Class) const
{
    std::vector<TStoredPupil> pupils;
    QSqlQuery query(FDatabase);
    query.prepare(QStringLiteral("SELECT id, name, key_hash, sheet_code, sheet_number, ladder FROM pupils "
                                 "WHERE class_id = ? ORDER BY id"));
    query.addBindValue(Class);
    if (!query.exec())
        return pupils;
    while (query.next())
        pupils.push_back({query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
                          query.value(3).toString(), query.value(4).toInt(), query.value(5).toInt(), {}});
    // Each sheet counts with its last marking, as it did while the class ran.
    QSqlQuery marked(FDatabase);
    marked.prepare(QStringLiteral(
        "SELECT m.pupil_id, m.sheet_code, a.is_right, a.mistake, a.problem, a.right_answer, a.pupil_answer "
        "FROM markings m "
        "JOIN answers a ON a.marking_id = m.id JOIN pupils p ON m.pupil_id = p.id "
        "WHERE p.class_id = ? AND m.id = (SELECT max(id) FROM markings l "
        "WHERE l.pupil_id = m.pupil_id AND l.sheet_code = m.sheet_code) ORDER BY m.id, a.problem"));
    marked.addBindValue(Class);
    if (!marked.exec())
        return pupils;
    while (marked.next()) {
        const qint64 id = marked.value(0).toLongLong();
        const auto pupil = std::find_if(pupils.begin(), pupils.end(), [&](const TStoredPupil& p) { return p.Id == id; });
        if (pupil == pupils.end())
            continue;
        const QString code = marked.value(1).toString();
        if (pupil->Sheets.empty() || pupil->Sheets.back().SheetCode != code)
            pupil->Sheets.push_back({code, 0, {}, {}});
        TStoredSheet& sheet = pupil->Sheets.back();
        const bool right = marked.value(2).toBool();
        const QString mistake = marked.value(3).toString();
        sheet.Right += right ? 1 : 0;
        if (!mistake.isEmpty())
            ++sheet.Mistakes[mistake];
        if (const int problem = marked.value(4).toInt(); problem >= 1 && problem <= ProblemCount)
            sheet.Answers[static_cast<std::size_t>(problem - 1)] = {marked.value(5).toString(), marked.value(6).toString(),
                                                                     right, MistakeOfId(mistake)};
    }
    return pupils;
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
