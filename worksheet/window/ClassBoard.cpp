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
TMistake MostFrequent(const TPupilResult& Result)
{
    TMistake most = TMistake::None;
    int count = 0;
    for (const TMistake mistake : NamedMistakes) {
        const auto found = Result.Mistakes.find(MistakeId(mistake));
        if (found != Result.Mistakes.end() && found->second > count) {
            most = mistake;
            count = found->second;
        }
    }
    return most;
}

// What the board shows for a pupil's level: what the class's own board reports.
int LevelOf(const TClassPupil& Pupil) { return Pupil.SheetNumber; }

}  // namespace

std::vector<TBoardRow> BoardRows(const TClassroom& Class)
{
    std::vector<TBoardRow> rows;
    for (const TClassPupil& pupil : Class.Pupils()) {
        const TTally tally = pupil.Tally();
        rows.push_back({{pupil.Name, tally.Sheets, tally.Right, tally.Total, pupil.Mistakes()}, LevelOf(pupil)});
    }
    return rows;
}

std::vector<TBoardRow> BoardRows(const std::vector<TPupilResult>& Stored)
{
    std::vector<TBoardRow> rows;
    for (const TPupilResult& result : Stored)
        rows.push_back({result, std::nullopt});
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
        const TPupilResult& result = row.Result;
        const double share = result.Total > 0 ? double(result.Right) / result.Total : -1.0;
        const TMistake most = MostFrequent(result);
        const QString mistake =
            most == TMistake::None ? QString() : Texts::BoardMistakeCount.arg(MistakeName(most)).arg(result.Mistakes.at(MistakeId(most)));
        Table.setItem(r, bcName, new TBoardItem(result.Name, result.Name));
        Table.setItem(r, bcSheets, new TBoardItem(QString::number(result.Sheets), result.Sheets));
        Table.setItem(r, bcRight, new TBoardItem(QStringLiteral("%1 / %2").arg(result.Right).arg(result.Total), share));
        Table.setItem(r, bcLevel, new TBoardItem(row.Level ? QString::number(*row.Level) : QString(), row.Level.value_or(0)));
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
            if (const auto found = row.Result.Mistakes.find(MistakeId(mistake)); found != row.Result.Mistakes.end())
                count += found->second;
        counts << Texts::BoardMistakeCount.arg(MistakeName(mistake)).arg(count);
    }
    return Texts::ClassMistakes.arg(counts.join(Texts::ListSeparator.Text()));
}
