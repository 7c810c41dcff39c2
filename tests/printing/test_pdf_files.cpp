// Saving a PDF keeps what it must not replace: what is not a plain file, a file the
// user may not write, a file's mode, and the old file whenever the save fails or is
// cut short by a signal. Names are used byte for byte, up to the longest the folder
// takes. In the window the reason is in Japanese.

#include "DialogCloser.h"
#include "window/DialogPrintSet.h"
#include "printing/PdfExport.h"
#include "printing/PdfFailureText.h"
#include "sheet/RandomSource.h"
#include "sheet/Sheet.h"
#include "Texts.h"
#include "WorksheetDriver.h"

#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <climits>
#include <csignal>
#include <cstring>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The names in Folder as the file system holds them, bytes and all.
std::set<QByteArray> Entries(const QString& Folder)
{
    std::set<QByteArray> names;
    if (DIR* dir = ::opendir(QFile::encodeName(Folder).constData())) {
        while (const dirent* entry = ::readdir(dir))
            if (QByteArray name(entry->d_name); name != "." && name != "..")
                names.insert(name);
        ::closedir(dir);
    }
    return names;
}

struct stat StatusOf(const QByteArray& Path)
{
    struct stat status {};
    ::lstat(Path.constData(), &status);
    return status;
}

QByteArray Contents(const QByteArray& Path)
{
    QByteArray bytes;
    const int fd = ::open(Path.constData(), O_RDONLY);
    char buffer[4096];
    for (ssize_t got; fd >= 0 && (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<qsizetype>(got));
    if (fd >= 0)
        ::close(fd);
    return bytes;
}

bool WriteFile(const QByteArray& Path, const QByteArray& Bytes, mode_t Mode)
{
    const int fd = ::open(Path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const bool written = fd >= 0 && ::write(fd, Bytes.constData(), static_cast<std::size_t>(Bytes.size())) == Bytes.size();
    return ::close(fd) == 0 && written && ::fchmodat(AT_FDCWD, Path.constData(), Mode, 0) == 0;
}

TSheetDocument OneSheet()
{
    return TSheetDocument({*DrawSheet(TSheetSettings{}, 4242)}, apNone);
}

// The program itself, with no display, started through the shell so that a test can
// set limits and signal dispositions first.
void StartKestrum(QProcess& Process, const QString& Shell, const QStringList& Arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    Process.setProcessEnvironment(env);
    Process.start(QStringLiteral("/bin/sh"),
                  QStringList{QStringLiteral("-c"), Shell + QStringLiteral("; exec \"$0\" \"$@\""),
                              QStringLiteral(KESTRUM_BINARY)} + Arguments);
}

// Whether the process Pid has a file open in Folder, named or not yet.
bool Writing(const QString& Pid, const QString& Folder)
{
    const QByteArray fds = "/proc/" + Pid.toLatin1() + "/fd/";
    char target[PATH_MAX];
    for (const QByteArray& fd : Entries(QString::fromLatin1(fds))) {
        const ssize_t length = ::readlink((fds + fd).constData(), target, sizeof target);
        if (length > 0 && QByteArray(target, length).startsWith(QFile::encodeName(Folder) + '/'))
            return true;
    }
    return false;
}

}  // namespace

class TestPdfFiles : public QObject {
    Q_OBJECT
private slots:
    void keepsWhatItMustNotReplaceAndGivesModes()
    {
        QTemporaryDir dir;
        const QByteArray d = QFile::encodeName(dir.path()) + '/';
        TSheetDocument document = OneSheet();

        // Not plain files: a pipe, a device (a socket where only root may make one), a
        // link to nothing. Each is refused with a reason and stays what it was.
        QCOMPARE(::mkfifo((d + "pipe.pdf").constData(), 0666), 0);
        const bool root = ::geteuid() == 0;
        if (root) {
            QCOMPARE(::mknod((d + "null.pdf").constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        } else {
            const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, (d + "null.pdf").constData(), sizeof address.sun_path - 1);
            QCOMPARE(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
            ::close(s);
        }
        QCOMPARE(::symlink((d + "nowhere.pdf").constData(), (d + "link.pdf").constData()), 0);
        for (const char* name : {"pipe.pdf", "null.pdf", "link.pdf"}) {
            const mode_t kind = StatusOf(d + name).st_mode & S_IFMT;
            const TPdfResult result = SavePdfToFileName(document, d + name);
            QVERIFY2(!result.Saved, name);
            QCOMPARE(result.Failure, pdNotAFile);
            QVERIFY(!result.Reason.isEmpty());
            QCOMPARE(StatusOf(d + name).st_mode & S_IFMT, kind);
        }

        // A file no one may write is kept, bytes and mode, even for root.
        QVERIFY(WriteFile(d + "kept.pdf", "last year's key", 0444));
        const TPdfResult readOnly = SavePdfToFileName(document, d + "kept.pdf");
        QVERIFY(!readOnly.Saved);
        QCOMPARE(readOnly.Failure, pdReadOnly);
        QVERIFY(!readOnly.Reason.isEmpty());
        QCOMPARE(Contents(d + "kept.pdf"), QByteArray("last year's key"));
        QCOMPARE(StatusOf(d + "kept.pdf").st_mode & 07777, 0444u);

        // A replaced file keeps its mode; a new one gets 0666 less the umask.
        QVERIFY(WriteFile(d + "shared.pdf", "old", 0640));
        QVERIFY(SavePdfToFileName(document, d + "shared.pdf").Saved);
        QVERIFY(Contents(d + "shared.pdf").startsWith("%PDF"));
        QCOMPARE(StatusOf(d + "shared.pdf").st_mode & 07777, 0640u);
        const mode_t before = ::umask(002);
        const bool groupSaved = SavePdfToFileName(document, d + "group.pdf").Saved;
        ::umask(077);
        const bool privateSaved = SavePdfToFileName(document, d + "private.pdf").Saved;
        ::umask(before);
        QVERIFY(groupSaved && privateSaved);
        QCOMPARE(StatusOf(d + "group.pdf").st_mode & 07777, 0664u);
        QCOMPARE(StatusOf(d + "private.pdf").st_mode & 07777, 0600u);

        // Nothing else: no part left, nothing made where the link pointed.
        QCOMPARE(Entries(dir.path()),
                 (std::set<QByteArray>{"pipe.pdf", "null.pdf", "link.pdf", "kept.pdf", "shared.pdf",
                                       "group.pdf", "private.pdf"}));
    }

    void theWindowSaysWhyInJapanese()
    {
        Sheet driver;
        driver.Form = std::make_unique<TFormKestrum>(nullptr, std::make_unique<TSheetSeedRandom>(5));
        driver.Form->show();
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("kept.pdf"));
        QVERIFY(WriteFile(QFile::encodeName(kept), "keep", 0444));
        const QString missing = dir.filePath(QStringLiteral("gone/set.pdf"));
        QStringList titles, reasons;

        QTimer::singleShot(0, [&] {
            auto* dialog = driver.Form->findChild<TDialogPrintSet*>(QStringLiteral("DialogPrintSet"));
            QVERIFY(dialog);
            for (const QString& path : {kept, missing}) {
                dialog->SetFileChooser([&](QWidget*, const QString&) { return path; });
                const auto closer = DialogCloser::OnNextDialog(
                    [&](QDialog* box) {
                        titles << box->windowTitle();
                        reasons << qobject_cast<QMessageBox*>(box)->text();
                        box->accept();
                    },
                    dialog);
                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("ButtonSavePdf")), Qt::LeftButton);
            }
            dialog->reject();
        });
        driver.Click("ButtonPrintSet");

        QCOMPARE(titles, (QStringList{Texts::WindowCaption, Texts::WindowCaption}));
        QCOMPARE(reasons.size(), 2);
        for (const QString& message : reasons) {
            QVERIFY(message.startsWith(QStringLiteral("PDFを保存できませんでした。")));
            // The reason, on the line after the file's name, has no English in it.
            const QString reason = message.section(QChar(u'\n'), 2);
            QVERIFY2(!reason.isEmpty() && !reason.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))),
                     qPrintable(reason));
        }
        QVERIFY(reasons[0] != reasons[1]);
        QCOMPARE(Contents(QFile::encodeName(kept)), QByteArray("keep"));
    }

    void signalsLeaveNoPart()
    {
        // SIGHUP is ignored under nohup: the set must then still come out. SIGKILL cannot
        // be caught, and the others are not, yet none may leave a part or harm the old set.
        const QString noCore = QStringLiteral("ulimit -c 0");
        const QList<QPair<int, QString>> cases{{SIGINT, noCore},  {SIGTERM, noCore}, {SIGHUP, noCore},
                                               {SIGKILL, noCore}, {SIGQUIT, noCore}, {SIGUSR1, noCore},
                                               {SIGALRM, noCore}, {SIGHUP, QStringLiteral("trap '' HUP")}};
        for (const auto& [signal, shell] : cases) {
            QTemporaryDir dir;
            const QString target = dir.filePath(QStringLiteral("set.pdf"));
            QVERIFY(WriteFile(QFile::encodeName(target), "old", 0644));
            QProcess kestrum;
            StartKestrum(kestrum, shell,
                         {QStringLiteral("--pdf"), target, QStringLiteral("--sheets"), QStringLiteral("60"),
                          QStringLiteral("--answers"), QStringLiteral("each"), QStringLiteral("--seed"),
                          QStringLiteral("9")});
            QVERIFY(kestrum.waitForStarted());
            // The signal is to come while the PDF is being written.
            const QString pid = QString::number(kestrum.processId());
            while (!Writing(pid, dir.path()) && kestrum.state() != QProcess::NotRunning)
                QThread::msleep(2);
            QVERIFY2(Writing(pid, dir.path()), "the program ended before it began to write");
            QCOMPARE(::kill(static_cast<pid_t>(kestrum.processId()), signal), 0);
            QVERIFY(kestrum.waitForFinished(120000));
            const bool ignored = shell.startsWith(QStringLiteral("trap"));
            QCOMPARE(kestrum.exitStatus(), ignored ? QProcess::NormalExit : QProcess::CrashExit);
            QCOMPARE(Entries(dir.path()), std::set<QByteArray>{"set.pdf"});
            QCOMPARE(Contents(QFile::encodeName(target)).startsWith("%PDF"), ignored);
        }
    }

    void namesAreTakenByteForByte()
    {
        QTemporaryDir dir;
        const QByteArray d = QFile::encodeName(dir.path()) + '/';
        TSheetDocument document = OneSheet();
        // The longest names a folder takes (255 bytes), in ASCII and in Japanese, and a
        // name that is not UTF-8 at all, replacing a file of that very name.
        const QByteArray ascii = QByteArray(251, 'k') + ".pdf";
        const QByteArray japanese = "k" + QString(83, QChar(u'解')).toUtf8() + "s.pdf";
        const QByteArray latin1 = "Sch\xfc" "ler-\xff.pdf";
        QCOMPARE(ascii.size(), 255);
        QCOMPARE(japanese.size(), 255);
        QVERIFY(WriteFile(d + latin1, "old", 0600));
        for (const QByteArray& name : {ascii, japanese, latin1}) {
            const TPdfResult result = SavePdfToFileName(document, d + name);
            QVERIFY2(result.Saved, qPrintable(result.Reason));
            QVERIFY(Contents(d + name).startsWith("%PDF"));
        }
        // One byte more is refused, with a reason in either language.
        const TPdfResult tooLong = SavePdfToFileName(document, d + ascii + "x");
        QVERIFY(!tooLong.Saved);
        QVERIFY(!tooLong.Reason.isEmpty());
        QVERIFY(!PdfFailureText(tooLong).isEmpty());
        QCOMPARE(Entries(dir.path()), (std::set<QByteArray>{ascii, japanese, latin1}));
        ::unlink((d + latin1).constData());   // a name QTemporaryDir cannot spell
    }

    void aFailedWriteKeepsTheOldFile()
    {
        // A file-size limit far below the set's size: the write begins and then fails.
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("set.pdf"));
        const QByteArray old = "%PDF-1.4 last week's set, to be kept as it is\n%%EOF\n";
        QVERIFY(WriteFile(QFile::encodeName(target), old, 0644));
        QProcess kestrum;
        StartKestrum(kestrum, QStringLiteral("ulimit -f 16"),
                     {QStringLiteral("--pdf"), target, QStringLiteral("--sheets"), QStringLiteral("4"),
                      QStringLiteral("--answers"), QStringLiteral("each")});
        QVERIFY(kestrum.waitForFinished(120000));
        QCOMPARE(kestrum.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kestrum.exitCode(), 2);
        const QString error = QString::fromUtf8(kestrum.readAllStandardError()).trimmed();
        QVERIFY2(!error.isEmpty() && !error.contains(QChar(u'\n')), qPrintable(error));
        QCOMPARE(Contents(QFile::encodeName(target)), old);
        QCOMPARE(Entries(dir.path()), std::set<QByteArray>{"set.pdf"});
    }
};

QTEST_MAIN(TestPdfFiles)
#include "test_pdf_files.moc"
