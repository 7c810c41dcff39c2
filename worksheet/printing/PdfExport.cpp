#include "printing/PdfExport.h"

#include "printing/PagePipe.h"
#include "printing/PartFile.h"
#include "printing/SheetDocument.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

TPdfResult Failed(TPdfFailure Failure, const QString& Reason, int Error = 0)
{
    return {false, Failure, Error, Reason.isEmpty() ? QStringLiteral("unknown error") : Reason};
}

// The system's words for an error number, in English whatever the locale: the command
// line speaks English, and the window words the number itself.
QString SystemText(int Error)
{
    if (const char* text = ::strerrordesc_np(Error))
        return QString::fromUtf8(text);
    return QStringLiteral("error %1").arg(Error);
}

TPdfResult SystemFailure(int Error, const QString& Doing = {})
{
    if (Error == ENAMETOOLONG)
        return Failed(pdNameTooLong, QStringLiteral("the name is too long"), Error);
    const QString text = SystemText(Error);
    return Failed(pdSystem, Doing.isEmpty() ? text : Doing + QStringLiteral(": ") + text, Error);
}

// Where the PDF goes: the file a name stands for, the folder it lies in, and what is
// there now.
struct TTarget {
    QByteArray Path;
    QByteArray Folder;
    bool Exists = false;
    struct stat Status {};
};

// Whether what is at Target now may be replaced.
std::optional<TPdfResult> Refusal(TTarget& Target)
{
    if (::lstat(Target.Path.constData(), &Target.Status) != 0) {
        if (errno != ENOENT)
            return SystemFailure(errno);
        Target.Exists = false;
        return std::nullopt;
    }
    Target.Exists = true;
    if (S_ISDIR(Target.Status.st_mode))
        return Failed(pdIsFolder, QStringLiteral("it is a folder"));
    if (!S_ISREG(Target.Status.st_mode))
        return Failed(pdNotAFile, QStringLiteral("not a regular file; only - stands for standard output"));
    // access() answers for the user; root may write anything, so for root a file that
    // no one may write counts as read-only too.
    if (::access(Target.Path.constData(), W_OK) != 0)
        return Failed(pdReadOnly, QStringLiteral("the file is read-only"), errno);
    if ((Target.Status.st_mode & 0222) == 0)
        return Failed(pdReadOnly, QStringLiteral("the file is read-only"), EACCES);
    return std::nullopt;
}

// Reads FileName the way the user meant it: a link stands for the file it names,
// which is replaced while the link is kept.
std::optional<TPdfResult> Resolve(const QByteArray& FileName, TTarget& Target)
{
    if (FileName.isEmpty())
        return Failed(pdNoFileName, QStringLiteral("no file name"));
    Target.Path = FileName;
    struct stat status {};
    if (::lstat(FileName.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        char* real = ::realpath(FileName.constData(), nullptr);
        if (!real)
            return errno == ENOENT ? Failed(pdNotAFile, QStringLiteral("a link to nothing"), ENOENT)
                                   : SystemFailure(errno);
        Target.Path = real;
        std::free(real);
    }
    const qsizetype slash = Target.Path.lastIndexOf('/');
    const QByteArray name = Target.Path.mid(slash + 1);
    Target.Folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : Target.Path.left(slash);
    if (::stat(Target.Folder.constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Failed(pdNoFolder, QStringLiteral("no such folder"), errno);
        return SystemFailure(errno);
    }
    if (!S_ISDIR(status.st_mode))
        return Failed(pdNoFolder, QStringLiteral("no such folder"), ENOTDIR);
    if (name.isEmpty() || name == "." || name == "..") {
        if (::stat(Target.Path.constData(), &status) == 0 && S_ISDIR(status.st_mode))
            return Failed(pdIsFolder, QStringLiteral("it is a folder"));
        return Failed(pdNoFileName, QStringLiteral("no file name"));
    }
    return Refusal(Target);
}

// A PDF that was cut short (a full disk, a file-size limit) lacks the end-of-file
// marker that closes every complete one.
bool IsComplete(int Descriptor)
{
    struct stat status {};
    if (::fstat(Descriptor, &status) != 0 || status.st_size < 16)
        return false;
    char tail[64];
    const off_t from = std::max<off_t>(0, status.st_size - static_cast<off_t>(sizeof tail));
    const ssize_t read = ::pread(Descriptor, tail, sizeof tail, from);
    return read > 0 && QByteArray(tail, static_cast<qsizetype>(read)).contains("%%EOF");
}

// Why a PDF came out short, where the system can tell: the file reached the size
// limit, or the disk has no room left. 0 when it cannot tell.
int ShortWriteError(int Descriptor)
{
    struct stat status {};
    if (::fstat(Descriptor, &status) != 0)
        return 0;
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(status.st_size) >= limit.rlim_cur)
        return EFBIG;
    struct statvfs space {};
    if (::fstatvfs(Descriptor, &space) == 0 && space.f_bavail == 0)
        return ENOSPC;
    return 0;
}

// Paints Document into Part and makes sure every byte of it reached the disk.
std::optional<TPdfResult> Write(TSheetDocument& Document, const QPageSize& PageSize, TPartFile& Part)
{
    const QByteArray openable = Part.OpenableName();
    const QString output = QFile::decodeName(openable);
    if (QFile::encodeName(output) != openable)
        return SystemFailure(EILSEQ);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output);
    printer.setDocName(QStringLiteral("Kestrum"));
    QPageLayout layout = printer.pageLayout();
    layout.setPageSize(PageSize);
    layout.setOrientation(QPageLayout::Landscape);
    printer.setPageLayout(layout);

    // The pages are recorded on this thread and written on another: the fonts a
    // painter embeds at its end belong to the thread that drew with them, so that
    // thread begins, plays and ends the painter.
    TPagePipe pipe;
    bool begun = false, ended = false;
    std::thread writer([&] {
        QPainter painter;
        begun = painter.begin(&printer);
        if (!begun) {
            pipe.Stop();
            return;
        }
        TSheetDocument::PlayFrom(pipe, printer, painter);
        ended = painter.end();
    });
    Document.RecordInto(pipe);
    writer.join();
    if (!begun)
        return Failed(pdSystem, QStringLiteral("the file could not be opened for writing"));
    if (!ended || printer.printerState() == QPrinter::Error || !IsComplete(Part.Descriptor())) {
        if (const int error = ShortWriteError(Part.Descriptor()))
            return SystemFailure(error, QStringLiteral("the file could not be written completely"));
        return Failed(pdIncomplete, QStringLiteral("the file could not be written completely (is the disk full?)"));
    }
    if (::fsync(Part.Descriptor()) != 0)
        return SystemFailure(errno);
    return std::nullopt;
}

// Sends the finished part to standard output, all of it.
std::optional<TPdfResult> CopyToStandardOutput(const TPartFile& Part)
{
    const QString doing = QStringLiteral("standard output");
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(Part.Descriptor(), buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return SystemFailure(errno);
        if (got == 0)
            return std::nullopt;
        offset += got;
        for (ssize_t sent = 0; sent < got;) {
            const ssize_t put = ::write(STDOUT_FILENO, buffer + sent, static_cast<std::size_t>(got - sent));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                return SystemFailure(errno, doing);
            sent += put;
        }
    }
}

TPdfResult SaveToStandardOutput(TSheetDocument& Document, const QPageSize& PageSize)
{
    struct stat status {};
    if (::fstat(STDOUT_FILENO, &status) != 0)
        return SystemFailure(errno, QStringLiteral("standard output"));
    // The whole PDF first, so that a failure sends nothing at all down the pipe.
    const std::unique_ptr<TPartFile> part =
        TPartFile::Create(QFile::encodeName(QDir::tempPath()), QByteArrayLiteral("kestrum"));
    if (!part)
        return SystemFailure(errno, QStringLiteral("temporary file"));
    if (std::optional<TPdfResult> failure = Write(Document, PageSize, *part))
        return *failure;
    if (std::optional<TPdfResult> failure = CopyToStandardOutput(*part))
        return *failure;
    return {true, pdNone, 0, {}};
}

}  // namespace

TPdfResult SavePdf(TSheetDocument& Document, const QString& Path, const QPageSize& PageSize)
{
    return SavePdfToFileName(Document, QFile::encodeName(Path), PageSize);
}

TPdfResult SavePdfToFileName(TSheetDocument& Document, const QByteArray& FileName, const QPageSize& PageSize)
{
    if (FileName == "-")
        return SaveToStandardOutput(Document, PageSize);

    TTarget target;
    if (std::optional<TPdfResult> refusal = Resolve(FileName, target))
        return *refusal;
    const qsizetype slash = target.Path.lastIndexOf('/');
    const std::unique_ptr<TPartFile> part = TPartFile::Create(target.Folder, target.Path.mid(slash + 1));
    if (!part)
        return SystemFailure(errno);
    if (std::optional<TPdfResult> failure = Write(Document, PageSize, *part))
        return *failure;

    // The write took a while: what is there now decides.
    if (std::optional<TPdfResult> refusal = Refusal(target))
        return *refusal;
    if (target.Exists) {
        // A replaced file stays the owner's and keeps its mode; the owner can only be
        // kept where the system lets us, the mode always.
        if (target.Status.st_uid != ::geteuid() || target.Status.st_gid != ::getegid()) {
            [[maybe_unused]] const int kept =
                ::fchown(part->Descriptor(), target.Status.st_uid, target.Status.st_gid);
        }
        if (::fchmod(part->Descriptor(), target.Status.st_mode & 07777) != 0)
            return SystemFailure(errno);
    }
    // rename() replaces an existing file in one step.
    if (!part->RenameTo(target.Path))
        return SystemFailure(errno);
    return {true, pdNone, 0, {}};
}
