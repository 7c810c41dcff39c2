#include "printing/PdfFailureText.h"

#include "Texts.h"

#include <cerrno>

namespace {

// The errors a teacher can do something about get words; the rest their number.
QString SystemErrorText(int Error)
{
    switch (Error) {
    case EACCES:
    case EPERM: return Texts::PdfNoPermission;
    case EROFS: return Texts::PdfReadOnlyPlace;
    case ENOSPC:
    case EDQUOT: return Texts::PdfDiskFull;
    case EFBIG: return Texts::PdfTooLarge;
    case EIO: return Texts::PdfDiskError;
    case ENAMETOOLONG: return Texts::PdfNameTooLong;
    case ENOENT:
    case ENOTDIR: return Texts::PdfNoFolder;
    default: return Texts::PdfOtherError.arg(Error);
    }
}

}  // namespace

QString PdfFailureText(const TPdfResult& Result)
{
    switch (Result.Failure) {
    case pdNoFileName: return Texts::PdfNoFileName;
    case pdNoFolder: return Texts::PdfNoFolder;
    case pdIsFolder: return Texts::PdfIsFolder;
    case pdNotAFile: return Texts::PdfNotAFile;
    case pdReadOnly: return Texts::PdfReadOnly;
    case pdNameTooLong: return Texts::PdfNameTooLong;
    case pdIncomplete: return Texts::PdfIncomplete;
    case pdSystem: return SystemErrorText(Result.Error);
    case pdNone: break;
    }
    return Result.Saved ? QString() : SystemErrorText(Result.Error);
}
