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
class QLockFile;

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
    bool Ended = false;
};

// The last marking of one of a pupil's sheets.
struct TStoredSheet {
    QString SheetCode;
    int Right = 0;
    std::map<QString, int> Mistakes;  // by MistakeId
    std::array<TAnswerRecord, ProblemCount> Answers;  // in reading order
};

// Where a pupil of a class stands: enough to go on after the program stopped.
struct TStoredPupil {
    qint64 Id = 0;
    QString Name;
    QString KeyHash;    // the pupil's key hashed: the file never holds a key itself
    QString SheetCode;  // the sheet the pupil is working on
    int SheetNumber = 1;
    int Ladder = 0;     // the place on the practice ladder; 0 off it
    std::vector<TStoredSheet> Sheets;  // marked sheets, in the order first marked
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
    // Where the pupil stands now; true once it is written.
    bool KeepPupil(const TStoredPupil& Pupil);
    // The class is over: it is never taken up again.
    bool EndClass(qint64 Class);
    // Whether this program alone serves classes from the file, which it does from now
    // until the store is closed; false while another running Kestrum does.
    bool ClaimClasses();
    // The newest class not ended, which a program that stopped without ending it goes on with.
    std::optional<TClassRecord> LastOpenClass() const;
    // The class's pupils, with their marked sheets.
    std::vector<TStoredPupil> Pupils(qint64 Class) const;
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
    std::unique_ptr<QLockFile> FClassLock;
};

// The mistake's name in the results, empty for none: "one-mark-off", "kg-and-g",
// "mark-size", "numeral", "wrong-side".
QString MistakeId(TMistake Mistake);
// The mistake of a name MistakeId gives; None for any other text.
TMistake MistakeOfId(const QString& Id);
