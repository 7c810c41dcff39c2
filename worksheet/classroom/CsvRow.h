#pragma once
// One row of a CSV file as RFC 4180 writes it, for a teacher's spreadsheet.

#include <QString>
#include <QStringList>

// The cells joined by commas and ended by CRLF. A cell holding a comma, a quote or a
// line break is quoted, its quotes doubled. A cell that a spreadsheet would run as a
// formula (starting with = + - @, a tab or a carriage return) gets a leading
// apostrophe: a pupil's name is typed by the pupil, and "=HYPERLINK(…)" in it must
// stay a name.
QString CsvRow(const QStringList& Cells);
