#pragma once
// A CUPS scheduler of the test's own, with a cups-pdf queue "PDF" as its default:
// started in a private folder on a private socket, stopped by its process id, and
// never touching the machine's own spooler or its queues. Every wait is bounded.
//
// The cups-pdf backend writes where /etc/cups/cups-pdf.conf says ("Out", by default
// ${HOME}/PDF of the job's user), runs only as root, and names its files after the
// job title and job number; spoolers of two test runs at once would hand out the
// same numbers, so a lock file lets only one run at a time.

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <memory>
#include <optional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

class TPrivateSpooler {
public:
    static constexpr const char* QueueName = "PDF";

    TPrivateSpooler()
        : FDir(QStringLiteral("/tmp/kestrum-cups-XXXXXX")),
          FLock(QDir::temp().filePath(QStringLiteral("kestrum-spooler-test.lock")))
    {
    }
    ~TPrivateSpooler() { Stop(); }
    TPrivateSpooler(const TPrivateSpooler&) = delete;
    TPrivateSpooler& operator=(const TPrivateSpooler&) = delete;

    // Where clients must connect: set CUPS_SERVER to it before the first CUPS call.
    QString Socket() const { return FDir.filePath(QStringLiteral("cups.sock")); }

    // Empty when the machine can run the spooler; otherwise why not.
    static QString WhyNot()
    {
        if (geteuid() != 0)
            return QStringLiteral("the cups-pdf backend prints only under a scheduler run as "
                                  "root; run the tests as root (as CI does) to include this one");
        for (const QString& file :
             {CupsdPath(), Tool(QStringLiteral("lpadmin")), Tool(QStringLiteral("lpstat")),
              QStringLiteral("/usr/lib/cups/backend/cups-pdf"), PpdPath()})
            if (file.isEmpty() || !QFileInfo::exists(file))
                return QStringLiteral("%1 not found: install cups and printer-driver-cups-pdf "
                                      "(scripts/setup.sh)")
                    .arg(file.isEmpty() ? QStringLiteral("a CUPS tool") : file);
        return {};
    }

    // Starts the scheduler and adds the queue; returns an error text, empty on success.
    QString Start()
    {
        if (!FDir.isValid())
            return QStringLiteral("no private folder");
        if (!FLock.tryLock(180 * 1000))
            return QStringLiteral("another spooler test kept %1 for three minutes")
                .arg(FLock.fileName());
        QDir dir(FDir.path());
        for (const char* sub : {"spool", "cache", "state", "log", "tmp"})
            dir.mkpath(QString::fromLatin1(sub));
        // The filters run as the unprivileged user lp: they must reach the folder and
        // write their scratch files into tmp.
        chmod(QFile::encodeName(FDir.path()).constData(), 0755);
        chmod(QFile::encodeName(dir.filePath(QStringLiteral("tmp"))).constData(), 01777);
        if (!Write(QStringLiteral("cupsd.conf"),
                   QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                  "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                                  "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                  "  </Limit>\n</Policy>\n")
                       .arg(Socket())) ||
            !Write(QStringLiteral("cups-files.conf"),
                   QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                  "StateDir %1/state\nTempDir %1/tmp\nErrorLog %1/log/error_log\n"
                                  "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n")
                       .arg(FDir.path())))
            return QStringLiteral("cannot write the spooler's configuration");

        FCupsd = std::make_unique<QProcess>();
        FCupsd->setProcessChannelMode(QProcess::ForwardedChannels);
        FCupsd->start(CupsdPath(), {QStringLiteral("-f"), QStringLiteral("-c"),
                                    dir.filePath(QStringLiteral("cupsd.conf")), QStringLiteral("-s"),
                                    dir.filePath(QStringLiteral("cups-files.conf"))});
        if (!FCupsd->waitForStarted(10000))
            return QStringLiteral("cupsd did not start");
        if (!WaitFor([this] { return Lp(QStringLiteral("lpstat"), {QStringLiteral("-r")}).has_value(); },
                     15000))
            return QStringLiteral("cupsd did not answer on %1: %2").arg(Socket(), ErrorLog());
        return AddQueue();
    }

    // Adds the cups-pdf queue and makes it the default; returns an error text, empty on
    // success.
    QString AddQueue()
    {
        // A scheduler that has just started may still refuse to add a queue (its driver
        // list is not ready yet): ask again for a while before giving up.
        const auto addQueue = [this] {
            return Lp(QStringLiteral("lpadmin"),
                      {QStringLiteral("-p"), QString::fromLatin1(QueueName), QStringLiteral("-v"),
                       QStringLiteral("cups-pdf:/"), QStringLiteral("-E"), QStringLiteral("-m"),
                       QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd")})
                .has_value();
        };
        if (!WaitFor(addQueue, 15000) ||
            !Lp(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QString::fromLatin1(QueueName)}))
            return QStringLiteral("cannot add the cups-pdf queue: %1").arg(ErrorLog());
        return {};
    }

    void Stop()
    {
        if (FCupsd && FCupsd->state() != QProcess::NotRunning) {
            FCupsd->terminate();  // SIGTERM to the process we started, by its id
            if (!FCupsd->waitForFinished(10000)) {
                FCupsd->kill();
                FCupsd->waitForFinished(5000);
            }
        }
        FCupsd.reset();
        // KESTRUM_KEEP_PRINTS=1 keeps the printed files for looking at.
        for (const QString& file : FMadeFiles)
            if (!qEnvironmentVariableIsSet("KESTRUM_KEEP_PRINTS"))
                QFile::remove(file);
        FMadeFiles.clear();
        FLock.unlock();
    }

    // A command-line tool against this scheduler; its output, or nothing on failure.
    std::optional<QByteArray> Lp(const QString& Name, QStringList Arguments) const
    {
        QProcess process;
        Arguments.prepend(Socket());
        Arguments.prepend(QStringLiteral("-h"));
        process.start(Tool(Name), Arguments);
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished(2000);
            return std::nullopt;
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return std::nullopt;
        return process.readAllStandardOutput();
    }

    // The folder cups-pdf writes the current user's jobs into.
    static QString OutputFolder()
    {
        QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");  // the backend's default
        QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
        if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QTextStream lines(&conf);
            const QRegularExpression setting(QStringLiteral("^\\s*Out\\s+(\\S.*?)\\s*$"));
            while (!lines.atEnd())
                if (const auto m = setting.match(lines.readLine()); m.hasMatch())
                    out = m.captured(1);
        }
        const passwd* user = getpwuid(geteuid());
        if (user) {
            out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
            out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
        }
        return out;
    }

    // The PDFs in the output folder, each with when it was last written. Job numbers
    // start again at 1 with every new scheduler, so a file of an earlier run can have
    // the very name the next job gets: a new print is a new name or a newer file.
    using TPdfFiles = QHash<QString, QDateTime>;
    TPdfFiles PdfFiles() const
    {
        TPdfFiles files;
        for (const QFileInfo& f : QDir(OutputFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
            files.insert(f.absoluteFilePath(), f.lastModified());
        return files;
    }

    // Waits (bounded) for a PDF that is not in Before, or written since, to appear
    // complete; it is removed again when the spooler stops.
    QString WaitForNewPdf(const TPdfFiles& Before, int Milliseconds)
    {
        QString found;
        WaitFor(
            [&] {
                const TPdfFiles now = PdfFiles();
                for (auto file = now.begin(); file != now.end(); ++file)
                    if (Before.value(file.key()) != file.value() && Complete(file.key())) {
                        found = file.key();
                        return true;
                    }
                return false;
            },
            Milliseconds);
        if (!found.isEmpty())
            FMadeFiles << found;
        return found;
    }

    QString ErrorLog() const
    {
        QFile log(FDir.filePath(QStringLiteral("log/error_log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(2000))
                                             : QString();
    }

private:
    static QString CupsdPath()
    {
        return QStandardPaths::findExecutable(QStringLiteral("cupsd"),
                                              {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    }
    static QString Tool(const QString& Name)
    {
        QString path = QStandardPaths::findExecutable(Name);
        return path.isEmpty() ? QStandardPaths::findExecutable(Name, {QStringLiteral("/usr/sbin")})
                              : path;
    }
    static QString PpdPath() { return QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"); }

    static bool Complete(const QString& File)
    {
        // cups-pdf writes through Ghostscript: a file still growing has no trailer yet.
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {File});
        return info.waitForFinished(10000) && info.exitStatus() == QProcess::NormalExit &&
               info.exitCode() == 0;
    }

    template <typename TTest> static bool WaitFor(TTest Test, int Milliseconds)
    {
        QElapsedTimer clock;
        clock.start();
        while (!Test()) {
            if (clock.elapsed() > Milliseconds)
                return false;
            QTest::qWait(100);
        }
        return true;
    }

    bool Write(const QString& Name, const QString& Text)
    {
        QFile file(FDir.filePath(Name));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(Text.toUtf8()) == Text.toUtf8().size();
    }

    QTemporaryDir FDir;
    QLockFile FLock;
    std::unique_ptr<QProcess> FCupsd;
    QStringList FMadeFiles;
};
