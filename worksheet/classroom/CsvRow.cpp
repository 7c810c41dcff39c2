#include "classroom/CsvRow.h"

namespace {

QString CsvCell(QString Cell)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!Cell.isEmpty() && formulaStarts.contains(Cell.front()))
        Cell.prepend(QLatin1Char('\''));
    if (Cell.contains(QLatin1Char(',')) || Cell.contains(QLatin1Char('"')) || Cell.contains(QLatin1Char('\n')) ||
        Cell.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + Cell.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return Cell;
}

}  // namespace

QString CsvRow(const QStringList& Cells)
{
    QStringList cells;
    for (const QString& cell : Cells)
        cells << CsvCell(cell);
    return cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}
