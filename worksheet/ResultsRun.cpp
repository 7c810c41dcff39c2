#include "ResultsRun.h"

#include "ArgumentText.h"
#include "CommandLineTexts.h"
#include "classroom/ResultStore.h"
#include "printing/PartFile.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

int Failed(const QString& Message)
{
    std::fprintf(stderr, "kestrum: %s\n", qPrintable(OneLine(Message)));
    return CommandLineError;
}

int CannotWrite(const TCommandLine& Line, const QString& Reason)
{
    return Failed(CommandLineTexts::ResultsCannotWrite.arg(Echo(Line.ResultsPath), Reason));
}

QString SystemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

}  // namespace

int RunResults(const TCommandLine& Line)
{
    // An export reads the results: it makes no new file where the name is wrong.
    const QString data = Line.DataPath.isEmpty() ? TResultStore::DefaultPath() : Line.DataPath;
    const TStoreOpening opening = TResultStore::Open(data, TResultStore::crExisting);
    if (!opening.Store)
        return Failed(opening.Refusal);

    // Written beside the target and renamed over it once complete, so that a failure
    // or a kill leaves the old CSV, or none, and never half of one.
    const QByteArray target = ArgumentBytes(Line.ResultsPath);
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0    ? QByteArrayLiteral(".")
                              : slash == 0 ? QByteArrayLiteral("/")
                                           : target.left(slash);
    const std::unique_ptr<TPartFile> part = TPartFile::Create(folder, target.mid(slash + 1));
    if (!part)
        return CannotWrite(Line, SystemReason());
    QFile file;
    if (!file.open(part->Descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return CannotWrite(Line, file.errorString());
    if (!opening.Store->WriteCsv(file) || !file.flush())
        return CannotWrite(Line, file.error() != QFileDevice::NoError ? file.errorString()
                                                                       : CommandLineTexts::ResultsUnreadable.Text());
    if (::fsync(part->Descriptor()) != 0 || !part->RenameTo(target))
        return CannotWrite(Line, SystemReason());
    return 0;
}
