#pragma once
// The class results: every marking of every pupil, kept in one SQLite file through
// Qt SQL. Each marking is written in one transaction and is on disk (WAL, synchronous
// FULL) when RecordMarking returns, so a reply sent after it survives a kill -9 and a
// power cut. A file that is not a results file of ours, is damaged, or comes from a
// newer Kestrum is refused with a message and never written to. Like any Qt SQL
// connection, a store is used from the thread that opened it.

#include "practice/Mistakes.h"
#include "sheet/Problems.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

// One answer as marked: the texts as the sheet and the pupil wrote them.
struct TAnswerRecord {
    QString RightAnswer;
    QString PupilAnswer;
    bool Right = false;
    TMistake Mistake = TMistake::None;
};

// One marked sheet; Answers in reading order, the first the pupil reads first.
struct TMarkingRecord {
    qint64 Pupil = 0;
    QString SheetCode;
    QDateTime MarkedAt;
    std::array<TAnswerRecord, ProblemCount> Answers;
};

struct TClassRecord {
    qint64 Id = 0;
    QString Code;
    QDateTime Started;
};

class TResultStore;

// An opened store, or why the file was refused.
struct TStoreOpening {
    std::unique_ptr<TResultStore> Store;
    QString Refusal;
};

class TResultStore {
public:
    // Whether Open may make a new, empty store where there is no file yet.
    enum TCreation : bool { crExisting, crCreate };

    // The program's own results file, classes.sqlite in its data folder, which is
    // created here where it is missing.
    static QString DefaultPath();
    static TStoreOpening Open(const QString& Path, TCreation Creation = crCreate);

    ~TResultStore();
    TResultStore(const TResultStore&) = delete;
    TResultStore& operator=(const TResultStore&) = delete;

    // The new row's id; none where the write failed.
    std::optional<qint64> AddClass(const QString& Code, const QDateTime& Started);
    // The id of the class's pupil of that name, added if new: a pupil who comes back
    // (a tablet restarted) goes on under the same name.
    std::optional<qint64> AddPupil(qint64 Class, const QString& Name);
    // The marking and its answers, all or nothing; true once it is on disk.
    bool RecordMarking(const TMarkingRecord& Marking);

    // Every class, oldest first.
    std::vector<TClassRecord> Classes() const;
    // The answers as CSV, one row per answer under a heading row: every class's, or
    // Class's alone. False where the store could not be read or Out not written.
    bool WriteCsv(QIODevice& Out, std::optional<qint64> Class = std::nullopt) const;

private:
    explicit TResultStore(const QString& Connection);

    QString FConnection;  // the Qt SQL connection, this instance's alone
    QSqlDatabase FDatabase;
};

// The mistake's name in the results, empty for none: "one-mark-off", "kg-and-g",
// "mark-size", "numeral", "wrong-side".
QString MistakeId(TMistake Mistake);
