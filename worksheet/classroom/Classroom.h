#pragma once
// A class practising on tablets: the pupils who joined, each with a sheet of their own
// and a tally of their marked sheets. Plain data and one thread: the server hands every
// request to the thread that owns the class and its results file.

#include "classroom/ResultStore.h"
#include "practice/Ladder.h"
#include "sheet/Sheet.h"

#include <QString>

#include <array>
#include <map>
#include <optional>
#include <vector>

struct TTally {
    int Sheets = 0;  // sheets marked
    int Right = 0;   // answers right over those sheets
    int Total = 0;   // answers marked
};

// One marked answer as the pupil is shown it, in reading order.
struct TMarkedAnswer {
    bool Right = false;
    QString Answer;   // the right answer as the sheet writes it
    QString Mistake;  // the mistake's name, empty when right or unnamed
    QString Words;    // what the pupil is told of that mistake, translated
};

struct TMarkReply {
    bool Recorded = false;  // false: the results file refused it, nothing counted
    std::array<TMarkedAnswer, ProblemCount> Marks;
    int Score = 0;
    TTally Tally;
};

struct TClassPupil {
    QString Name;
    QString KeyHash;  // the key itself stays with the pupil
    qint64 StoreId = 0;
    TSheet Sheet;
    int SheetNumber = 1;
    // The sheets before this one; this one counts with its last marking, once.
    TTally Done;
    std::map<QString, int> DoneMistakes;
    std::optional<TTally> Marked;
    std::map<QString, int> MarkedMistakes;
    // The score of this sheet's first marking, which alone moves the ladder.
    std::optional<int> FirstScore;
    // The pupil's own ladder, where the class steps up.
    std::optional<TPracticeLadder> Ladder;
    // This sheet's last marking and the answers it marked, shown again to a pupil whose
    // tablet reloads the page; none where the sheet was marked before the class was
    // taken up again, since the results file keeps the tally, not the marks.
    struct TLastMarking {
        std::array<TMarkedAnswer, ProblemCount> Marks;
        std::array<QString, ProblemCount> Answers;
    };
    std::optional<TLastMarking> LastMarking;

    TTally Tally() const;
    std::map<QString, int> Mistakes() const;
};

class TClassroom {
public:
    // Adds the class to Store, which outlives it; none where the store refuses it or
    // the settings leave fewer than six weights. A class of the last hours that was never
    // ended (the program was killed, the machine lost power) goes on instead, under its
    // own code, with its pupils, their keys, sheets and tallies. Stepping up, each pupil
    // climbs a ladder of their own and the settings give only the answers' unit.
    static std::optional<TClassroom> Open(TResultStore& Store, const TSheetSettings& Settings, bool StepUp = false);

    const QString& Code() const { return FCode; }
    const QString& TeacherKey() const { return FTeacherKey; }
    bool IsTeacher(const QString& Key) const;
    qint64 StoreId() const { return FStoreId; }

    // The new pupil's key; a name that joined before gets a new key and goes on with
    // its sheet. None where the store refuses the pupil.
    std::optional<QString> Join(const QString& Name);
    // The pupil of the key, or none.
    TClassPupil* Pupil(const QString& Key);
    const std::vector<TClassPupil>& Pupils() const { return FPupils; }

    // Marks the pupil's answers, in reading order: what was typed into a blank, or the
    // needle's grams on a draw sheet. Recorded in the store before it returns.
    TMarkReply Mark(TClassPupil& Pupil, const std::array<QString, ProblemCount>& Answers);
    // A fresh sheet with the class's settings, or stepping up, the pupil's ladder's
    // after it took the first marking of the sheet before.
    void Next(TClassPupil& Pupil);

    // The settings of the sheets drawn from now on; the sheets the pupils hold stay.
    void SetSettings(const TSheetSettings& Settings) { FSettings = Settings; }
    // Stepping up, each pupil's next sheets come from a ladder of their own, from its foot.
    void SetStepUp(bool On);
    const TSheetSettings& Settings() const { return FSettings; }
    // The teacher ended the class: pupils can no longer join, fetch or mark sheets.
    void End();
    bool Ended() const { return FEnded; }

private:
    TClassroom(TResultStore& Store, const TSheetSettings& Settings, qint64 StoreId);
    TSheet FreshSheet(const TClassPupil& Pupil) const;
    static TClassroom Resume(TResultStore& Store, const TSheetSettings& Settings, const TClassRecord& Record,
                             bool StepUp);
    // Writes where the pupil stands, for a restart to go on from.
    bool Keep(const TClassPupil& Pupil);

    TResultStore* FStore;
    TSheetSettings FSettings;
    qint64 FStoreId;
    QString FCode;
    QString FTeacherKey;
    std::vector<TClassPupil> FPupils;
    bool FEnded = false;
    bool FStepUp = false;
};
