#pragma once
// A document saved as a PDF file: the same landscape pages, as vectors, that the
// printer would get.

#include <QByteArray>
#include <QPageSize>
#include <QString>

#include <cstdint>

class TSheetDocument;

// Why a save did not happen. Each caller words it in its own language: the window in
// Japanese, the command line in English.
enum TPdfFailure : std::uint8_t {
    pdNone,
    pdNoFileName,    // the name ends before a file's name does
    pdNoFolder,      // the folder it names is not there
    pdIsFolder,      // the name is a folder's
    pdNotAFile,      // a device, a pipe, a socket, a link to nothing: never replaced
    pdReadOnly,      // a file the user may not write: kept as it is
    pdNameTooLong,   // longer than the folder takes
    pdIncomplete,    // the PDF was cut short (a full disk, a file-size limit)
    pdSystem,        // the system refused; Error says why
};

struct TPdfResult {
    bool Saved = false;
    TPdfFailure Failure = pdNone;
    int Error = 0;      // the system's error number, where the system gave one
    QString Reason;     // in English, never empty when not saved
};

// Writes Document to Path on paper of PageSize, landscape. "-" writes it to standard
// output. A file is written beside Path, unnamed where the file system allows it and
// else under a temporary name, and named Path only once it is complete, so a failure
// or a signal never leaves a half-written file under the chosen name, nor a temporary
// one, nor replaces a file that was there.
// Only a regular file the user may write is replaced, and it keeps its mode; a new
// file gets the mode the umask gives.
TPdfResult SavePdf(TSheetDocument& Document, const QString& Path,
                   const QPageSize& PageSize = QPageSize(QPageSize::A4));
// The same for a name given as the file system's bytes (a command line argument as
// it came), so that a name that is not UTF-8 is used exactly as given.
TPdfResult SavePdfToFileName(TSheetDocument& Document, const QByteArray& FileName,
                             const QPageSize& PageSize = QPageSize(QPageSize::A4));
