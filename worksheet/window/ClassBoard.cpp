#include "window/ClassBoard.h"

#include "classroom/Classroom.h"
#include "Texts.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {

enum TColumn { bcName, bcSheets, bcRight, bcLevel, bcMistake, bcColumns };

constexpr TMistake NamedMistakes[] = {TMistake::OneMarkOff, TMistake::KilogramsAndGrams, TMistake::MarkSize,
                                      TMistake::Numeral, TMistake::WrongSide};

// A cell that sorts by its key rather than by its text: "5 / 6" by the share right.
class TBoardItem : public QTableWidgetItem {
public:
    TBoardItem(const QString& Text, const QVariant& Key) : QTableWidgetItem(Text) { setData(Qt::UserRole, Key); }
    bool operator<(const QTableWidgetItem& Other) const override
    {
        return QVariant::compare(data(Qt::UserRole), Other.data(Qt::UserRole)) == QPartialOrdering::Less;
    }
};

// The pupil's most frequent mistake, the first of equals in the order they are tried.
TMistake MostFrequent(const TBoardRow& Row)
{
    TMistake most = TMistake::None;
    int count = 0;
    for (const TMistake mistake : NamedMistakes) {
        const auto found = Row.Mistakes.find(MistakeId(mistake));
        if (found != Row.Mistakes.end() && found->second > count) {
            most = mistake;
            count = found->second;
        }
    }
    return most;
}

// A pupil's level as the class's board over HTTP reports it: the ladder's, where the
// class steps up; none (0) on the teacher's settings, and none stored.
int LevelOf(const TClassPupil& Pupil) { return Pupil.Ladder ? Pupil.Ladder->Level() : 0; }
int LevelOf(const TStoredPupil&) { return 0; }

}  // namespace

std::vector<TBoardRow> BoardRows(const TClassroom& Class)
{
    std::vector<TBoardRow> rows;
    for (const TClassPupil& pupil : Class.Pupils()) {
        const TTally tally = pupil.Tally();
        rows.push_back({pupil.Name, tally.Sheets, tally.Right, tally.Total, LevelOf(pupil), pupil.Mistakes()});
    }
    return rows;
}

std::vector<TBoardRow> BoardRows(const std::vector<TStoredPupil>& Stored)
{
    std::vector<TBoardRow> rows;
    for (const TStoredPupil& pupil : Stored) {
        // Each marked sheet once, with its last marking, as the running class counts it.
        TBoardRow row{pupil.Name, int(pupil.Sheets.size()), 0, int(pupil.Sheets.size()) * ProblemCount, LevelOf(pupil), {}};
        for (const TStoredSheet& sheet : pupil.Sheets) {
            row.Right += sheet.Right;
            for (const auto& [id, count] : sheet.Mistakes)
                row.Mistakes[id] += count;
        }
        rows.push_back(row);
    }
    return rows;
}

void ShowBoard(QTableWidget& Table, const std::vector<TBoardRow>& Rows)
{
    // Filled unsorted, then sorted again by the teacher's column.
    Table.setSortingEnabled(false);
    Table.setColumnCount(bcColumns);
    Table.setHorizontalHeaderLabels({Texts::BoardName, Texts::BoardSheets, Texts::BoardRight, Texts::BoardLevel,
                                     Texts::BoardMistake});
    Table.setRowCount(static_cast<int>(Rows.size()));
    for (int r = 0; r < Table.rowCount(); ++r) {
        const TBoardRow& row = Rows[static_cast<std::size_t>(r)];
        const double share = row.Total > 0 ? double(row.Right) / row.Total : -1.0;
        const TMistake most = MostFrequent(row);
        const QString mistake =
            most == TMistake::None ? QString() : Texts::BoardMistakeCount.arg(MistakeName(most)).arg(row.Mistakes.at(MistakeId(most)));
        Table.setItem(r, bcName, new TBoardItem(row.Name, row.Name));
        Table.setItem(r, bcSheets, new TBoardItem(QString::number(row.Sheets), row.Sheets));
        Table.setItem(r, bcRight, new TBoardItem(QStringLiteral("%1 / %2").arg(row.Right).arg(row.Total), share));
        Table.setItem(r, bcLevel, new TBoardItem(row.Level ? QString::number(row.Level) : QString(), row.Level));
        Table.setItem(r, bcMistake, new TBoardItem(mistake, mistake));
    }
    Table.setSortingEnabled(true);
}

QString ClassMistakesText(const std::vector<TBoardRow>& Rows)
{
    QStringList counts;
    for (const TMistake mistake : NamedMistakes) {
        int count = 0;
        for (const TBoardRow& row : Rows)
            if (const auto found = row.Mistakes.find(MistakeId(mistake)); found != row.Mistakes.end())
                count += found->second;
        counts << Texts::BoardMistakeCount.arg(MistakeName(mistake)).arg(count);
    }
    return Texts::ClassMistakes.arg(counts.join(Texts::ListSeparator.Text()));
}
