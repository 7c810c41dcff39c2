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
    // Past a file-size limit the default action kills the program without a word and
    // leaves the part; ignored, the write fails and the save reports it.
    struct sigaction ignore{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, nullptr, &PreviousFileSizeAction);
    FileSizeReplaced = (PreviousFileSizeAction.sa_flags & SA_SIGINFO) == 0 &&
                       PreviousFileSizeAction.sa_handler == SIG_DFL;
    if (FileSizeReplaced)
        ::sigaction(SIGXFSZ, &ignore, nullptr);
}

void Disarm()
{
    Armed = 0;
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

}  // namespace

TPartFile::TPartFile(QByteArray Name, int Descriptor) : FName(std::move(Name)), FDescriptor(Descriptor) {}

std::unique_ptr<TPartFile> TPartFile::Create(const QByteArray& Folder, const QByteArray& Base)
{
    static constexpr qsizetype SuffixLength = 12;   // ".XXXXXX.part"
    // Only one part exists at a time: the handler knows one name.
    if (Armed) {
        errno = EBUSY;
        return nullptr;
    }
    const QByteArray stem = Shortened(Base, NameMax(Folder) - SuffixLength);
    const QByteArray prefix = Folder.endsWith('/') ? Folder : Folder + '/';

    // A signal between creating the file and recording its name would leave it.
    const sigset_t cleanup = CleanupSignalSet();
    sigset_t before;
    ::pthread_sigmask(SIG_BLOCK, &cleanup, &before);
    int descriptor = -1;
    QByteArray name;
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        name = prefix + stem + '.' + RandomLetters(6) + ".part";
        if (name.size() >= PATH_MAX) {
            error = ENAMETOOLONG;
            break;
        }
        // 0666 here: the umask, and the folder's default ACL, then decide, as for any
        // new file the user makes.
        descriptor = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        error = descriptor < 0 ? errno : 0;
    }
    if (descriptor >= 0)
        Arm(name);
    ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (descriptor < 0) {
        errno = error;
        return nullptr;
    }
    return std::unique_ptr<TPartFile>(new TPartFile(name, descriptor));
}

TPartFile::~TPartFile()
{
    if (!FRenamed)
        ::unlink(FName.constData());
    ::close(FDescriptor);
    Disarm();
}

QByteArray TPartFile::OpenableName() const
{
    // Opening the descriptor's entry opens this file itself, whatever its name.
    if (::access("/proc/self/fd", X_OK) == 0)
        return "/proc/self/fd/" + QByteArray::number(FDescriptor);
    return FName;
}

bool TPartFile::RenameTo(const QByteArray& Target)
{
    if (::rename(FName.constData(), Target.constData()) != 0)
        return false;
    FRenamed = true;
    // A signal from here on finds nothing to remove under the part's name.
    Armed = 0;
    return true;
}
