#pragma once
// The class's board in the window: one row per pupil with their sheets, answers right
// of those marked, level and most frequent mistake; and the class's count of each
// named mistake. The rows come from the class running now or from the results file.

#include "classroom/ResultStore.h"

#include <QString>

#include <map>
#include <vector>

class QTableWidget;
class TClassroom;

struct TBoardRow {
    QString Name;
    int Sheets = 0;
    int Right = 0;
    int Total = 0;
    int Level = 0;
    std::map<QString, int> Mistakes;  // by MistakeId

    bool operator==(const TBoardRow&) const = default;
};

std::vector<TBoardRow> BoardRows(const TClassroom& Class);
std::vector<TBoardRow> BoardRows(const std::vector<TStoredPupil>& Stored);

// Fills Table with Rows, keeping the column it is sorted by.
void ShowBoard(QTableWidget& Table, const std::vector<TBoardRow>& Rows);
// "目もり1つずれ 3、kgとg 0、…": every named mistake with its count over the class.
QString ClassMistakesText(const std::vector<TBoardRow>& Rows);
