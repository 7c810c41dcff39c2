#include "printing/PartFile.h"

#include <QRandomGenerator>

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

namespace {

// The signals that end a program from outside while it writes: the terminal's
// interrupt and hang-up, a plain kill, and a reader of standard output that went away.
constexpr std::array<int, 4> CleanupSignals{SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// What the handler may touch: plain memory written before it is installed.
char ArmedPath[PATH_MAX];
volatile std::sig_atomic_t Armed = 0;
// Whether a part is open: the saved signal actions belong to one.
bool Busy = false;
std::array<struct sigaction, CleanupSignals.size()> PreviousActions{};
std::array<bool, CleanupSignals.size()> Replaced{};
struct sigaction PreviousFileSizeAction{};
bool FileSizeReplaced = false;

// Removes the part, then lets the signal do what it did before: the signal is blocked
// while its handler runs, so the raise takes effect, under the previous action, as
// soon as the handler returns. Only async-signal-safe calls.
void RemovePartAndResignal(int Signal)
{
    const int savedErrno = errno;
    if (Armed) {
        ::unlink(ArmedPath);
        Armed = 0;
    }
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        if (CleanupSignals[i] == Signal && Replaced[i])
            ::sigaction(Signal, &PreviousActions[i], nullptr);
    ::raise(Signal);
    errno = savedErrno;
}

bool IsIgnored(const struct sigaction& Action)
{
    return (Action.sa_flags & SA_SIGINFO) == 0 && Action.sa_handler == SIG_IGN;
}

sigset_t CleanupSignalSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : CleanupSignals)
        sigaddset(&set, signal);
    return set;
}

// Past a file-size limit the default action kills the program without a word and
// leaves a named part; ignored, the write fails and the save reports it.
void IgnoreFileSizeLimit()
{
    struct sigaction ignore{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, nullptr, &PreviousFileSizeAction);
    FileSizeReplaced = (PreviousFileSizeAction.sa_flags & SA_SIGINFO) == 0 &&
                       PreviousFileSizeAction.sa_handler == SIG_DFL;
    if (FileSizeReplaced)
        ::sigaction(SIGXFSZ, &ignore, nullptr);
}

void Arm(const QByteArray& Path)
{
    std::memcpy(ArmedPath, Path.constData(), static_cast<std::size_t>(Path.size()) + 1);
    Armed = 1;
    struct sigaction cleanup{};
    cleanup.sa_handler = RemovePartAndResignal;
    cleanup.sa_mask = CleanupSignalSet();
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i) {
        struct sigaction previous{};
        ::sigaction(CleanupSignals[i], nullptr, &previous);
        // A signal the caller chose to ignore (nohup, a background job) stays ignored:
        // it must not end the program now.
        Replaced[i] = !IsIgnored(previous);
        if (!Replaced[i])
            continue;
        PreviousActions[i] = previous;
        ::sigaction(CleanupSignals[i], &cleanup, nullptr);
    }
}

void Disarm()
{
    Armed = 0;
    Busy = false;
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        if (Replaced[i])
            ::sigaction(CleanupSignals[i], &PreviousActions[i], nullptr);
    Replaced = {};
    if (FileSizeReplaced)
        ::sigaction(SIGXFSZ, &PreviousFileSizeAction, nullptr);
    FileSizeReplaced = false;
}

// The longest name the folder takes.
long NameMax(const QByteArray& Folder)
{
    const long max = ::pathconf(Folder.constData(), _PC_NAME_MAX);
    return max > 0 ? max : NAME_MAX;
}

// Base cut to at most Length bytes, not in the middle of a UTF-8 character.
QByteArray Shortened(const QByteArray& Base, qsizetype Length)
{
    if (Base.size() <= Length)
        return Base;
    qsizetype cut = std::max<qsizetype>(Length, 1);
    while (cut > 1 && (static_cast<unsigned char>(Base[cut]) & 0xC0) == 0x80)
        --cut;
    return Base.left(cut);
}

QByteArray RandomLetters(int Count)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray letters;
    for (int i = 0; i < Count; ++i)
        letters += Letters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof Letters - 1))];
    return letters;
}

// "<Prefix><Stem>.XXXXXX.part" with six fresh letters; empty when that passes PATH_MAX.
QByteArray FreshName(const QByteArray& Prefix, const QByteArray& Stem)
{
    const QByteArray name = Prefix + Stem + '.' + RandomLetters(6) + ".part";
    return name.size() < PATH_MAX ? name : QByteArray();
}

// An unnamed file in Folder, or -1 with errno set. It can only be named later through
// /proc, so without /proc it is not tried.
int OpenUnnamed(const QByteArray& Folder)
{
    if (::access("/proc/self/fd", X_OK) != 0) {
        errno = EOPNOTSUPP;
        return -1;
    }
    // 0666 here: the umask, and the folder's default ACL, then decide, as for any
    // new file the user makes.
    return ::open(Folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
}

}  // namespace

TPartFile::TPartFile(QByteArray Prefix, QByteArray Stem, QByteArray Name, int Descriptor)
    : FPrefix(std::move(Prefix)), FStem(std::move(Stem)), FName(std::move(Name)), FDescriptor(Descriptor)
{
}

std::unique_ptr<TPartFile> TPartFile::Create(const QByteArray& Folder, const QByteArray& Base)
{
    static constexpr qsizetype SuffixLength = 12;   // ".XXXXXX.part"
    // Only one part exists at a time: the handler knows one name, and the saved
    // signal actions belong to one save.
    if (Busy) {
        errno = EBUSY;
        return nullptr;
    }
    const QByteArray stem = Shortened(Base, NameMax(Folder) - SuffixLength);
    const QByteArray prefix = Folder.endsWith('/') ? Folder : Folder + '/';

    if (const int unnamed = OpenUnnamed(Folder); unnamed >= 0) {
        Busy = true;
        IgnoreFileSizeLimit();
        return std::unique_ptr<TPartFile>(new TPartFile(prefix, stem, {}, unnamed));
    } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return nullptr;
    }

    // A signal between creating the file and recording its name would leave it.
    const sigset_t cleanup = CleanupSignalSet();
    sigset_t before;
    ::pthread_sigmask(SIG_BLOCK, &cleanup, &before);
    int descriptor = -1;
    QByteArray name;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        name = FreshName(prefix, stem);
        if (name.isEmpty()) {
            error = ENAMETOOLONG;
            break;
        }
        // 0666 for the umask to decide, as for the unnamed file.
        descriptor = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = descriptor < 0 ? errno : 0;
    }
    if (descriptor >= 0) {
        Busy = true;
        IgnoreFileSizeLimit();
        Arm(name);
    }
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (descriptor < 0) {
        errno = error;
        return nullptr;
    }
    return std::unique_ptr<TPartFile>(new TPartFile(prefix, stem, name, descriptor));
}

TPartFile::~TPartFile()
{
    if (!FRenamed && !FName.isEmpty())
        ::unlink(FName.constData());
    ::close(FDescriptor);
    Disarm();
}

QByteArray TPartFile::OpenableName() const
{
    // Opening the descriptor's entry opens this file itself, whatever its name, and
    // is the only way to open a file that has none.
    if (FName.isEmpty() || ::access("/proc/self/fd", X_OK) == 0)
        return "/proc/self/fd/" + QByteArray::number(FDescriptor);
    return FName;
}

bool TPartFile::RenameTo(const QByteArray& Target)
{
    if (FName.isEmpty()) {
        // No signal that can wait may end the program between the link and the rename,
        // where the complete file would be left under a part's name.
        sigset_t all, before;
        sigfillset(&all);
        ::pthread_sigmask(SIG_BLOCK, &all, &before);
        FRenamed = LinkTo(Target);
        const int error = errno;
        ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
        errno = error;
        return FRenamed;
    }
    if (::rename(FName.constData(), Target.constData()) != 0)
        return false;
    FRenamed = true;
    // A signal from here on finds nothing to remove under the part's name.
    Armed = 0;
    return true;
}

bool TPartFile::LinkTo(const QByteArray& Target)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(FDescriptor);
    const auto link = [&](const QByteArray& Name) {
        return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Name.constData(), AT_SYMLINK_FOLLOW) == 0;
    };
    if (link(Target))
        return true;
    if (errno != EEXIST)
        return false;
    // Something is there: a link cannot replace it, a rename can, in one step.
    QByteArray name;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = FreshName(FPrefix, FStem);
        if (name.isEmpty()) {
            errno = ENAMETOOLONG;
            return false;
        }
        if (link(name))
            break;
        if (errno != EEXIST || attempt == 99)
            return false;
    }
    if (::rename(name.constData(), Target.constData()) == 0)
        return true;
    const int error = errno;
    ::unlink(name.constData());
    errno = error;
    return false;
}
