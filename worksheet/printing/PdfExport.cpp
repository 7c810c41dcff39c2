#include "PdfExport.h"

#include "SheetDocument.h"
#include <QPrinter>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QTemporaryFile>

#include <cstdio>
#include <cerrno>
#include <cstring>

namespace {

// A PDF that was cut short (a full disk, say) lacks the end-of-file marker that
// closes every complete one.
bool IsComplete(const QString& Path)
{
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 64));
    return file.readAll().contains("%%EOF");
}

}  // namespace

TPdfResult SavePdf(TSheetDocument& Document, const QString& Path, const QPageSize& PageSize)
{
    const QFileInfo target(Path);
    if (target.fileName().isEmpty())
        return {false, QStringLiteral("no file name")};
    if (!target.absoluteDir().exists())
        return {false, QStringLiteral("no such folder: %1").arg(target.absolutePath())};
    if (target.isDir())
        return {false, QStringLiteral("is a folder")};

    // Claims a fresh name beside the target, which also tells whether the folder
    // takes new files at all.
    QTemporaryFile part(target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX.part")));
    if (!part.open())
        return {false, part.errorString()};
    part.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part.fileName());
    printer.setDocName(QStringLiteral("Kestrum"));
    QPageLayout layout = printer.pageLayout();
    layout.setPageSize(PageSize);
    layout.setOrientation(QPageLayout::Landscape);
    printer.setPageLayout(layout);

    QPainter painter;
    if (!painter.begin(&printer))
        return {false, QStringLiteral("cannot write %1").arg(part.fileName())};
    Document.Paint(printer, painter);
    if (!painter.end() || printer.printerState() == QPrinter::Error || !IsComplete(part.fileName()))
        return {false, QStringLiteral("the file could not be written completely (is the disk full?)")};

    // A temporary file is private to its owner; a saved PDF is for sharing.
    QFile::setPermissions(part.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() replaces an existing file in one step.
    const QByteArray from = QFile::encodeName(part.fileName());
    const QByteArray to = QFile::encodeName(target.absoluteFilePath());
    if (std::rename(from.constData(), to.constData()) != 0)
        return {false, QString::fromLocal8Bit(std::strerror(errno))};
    part.setAutoRemove(false);
    return {true, {}};
}
