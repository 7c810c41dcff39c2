#pragma once
// The file a PDF is written into before it takes its real name. It is created new
// beside the target with the mode a new file gets from the umask, and it never
// outlives the save. Where the file system allows it, the file has no name at all until
// it is complete, so nothing is left whatever ends the program, SIGKILL included.
// Elsewhere it is a named part, removed when the save ends without renaming it, and
// also when SIGINT, SIGTERM, SIGHUP or SIGPIPE ends the program in the middle of the write.
// While it is open, a file-size limit makes writes fail instead of killing the
// program, so that the failure is reported and the part removed like any other.
//
// Names are bytes, exactly as the file system takes them: a name that is not UTF-8
// is used as it is.

#include <QByteArray>

#include <memory>

class TPartFile {
public:
    // Creates an unnamed file in Folder, or else "<Base>.XXXXXX.part", shortening Base
    // where the whole name would pass the folder's longest name. Null, with errno set,
    // when it cannot.
    static std::unique_ptr<TPartFile> Create(const QByteArray& Folder, const QByteArray& Base);
    ~TPartFile();   // removes the file unless it was given its name
    TPartFile(const TPartFile&) = delete;
    TPartFile& operator=(const TPartFile&) = delete;

    int Descriptor() const { return FDescriptor; }
    // A name under which other code can open this very file whatever bytes its real
    // name holds.
    QByteArray OpenableName() const;

    // Gives the part the name Target in one step, replacing what was there. False,
    // with errno set, when it cannot; the part is then still removed at the end.
    bool RenameTo(const QByteArray& Target);

private:
    TPartFile(QByteArray Prefix, QByteArray Stem, QByteArray Name, int Descriptor);
    // Names the unnamed file Target: at once where nothing is there, else under a
    // fresh part name that is then renamed over Target.
    bool LinkTo(const QByteArray& Target);

    QByteArray FPrefix;   // the folder, ending in '/'
    QByteArray FStem;     // the start of a part's name
    QByteArray FName;     // empty while the file has no name
    int FDescriptor = -1;
    bool FRenamed = false;
};
