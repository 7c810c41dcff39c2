#pragma once
// A document saved as a PDF file: the same landscape pages, as vectors, that the
// printer would get.

#include <QPageSize>
#include <QString>

class TSheetDocument;

struct TPdfResult {
    bool Saved = false;
    QString Reason;   // why it was not saved, in the system's words
};

// Writes Document to Path on paper of PageSize, landscape. The file is written
// beside Path under a temporary name and renamed to Path only once it is complete,
// so a failure (no such folder, no permission, a full disk) never leaves a
// half-written file under the chosen name, nor replaces a file that was there.
TPdfResult SavePdf(TSheetDocument& Document, const QString& Path,
                   const QPageSize& PageSize = QPageSize(QPageSize::A4));
