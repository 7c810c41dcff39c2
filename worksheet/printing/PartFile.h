#pragma once
// The file a PDF is written into before it takes its real name. It is created new
// beside the target with the mode a new file gets from the umask, and it never
// outlives the save: it is removed when the save ends without renaming it, and also
// when SIGINT, SIGTERM, SIGHUP or SIGPIPE ends the program in the middle of the write.
// While it is open, a file-size limit makes writes fail instead of killing the
// program, so that the failure is reported and the part removed like any other.
//
// Names are bytes, exactly as the file system takes them: a name that is not UTF-8
// is used as it is.

#include <QByteArray>

#include <memory>

class TPartFile {
public:
    // Creates "<Base>.XXXXXX.part" in Folder, shortening Base where the whole name
    // would pass the folder's longest name. Null, with errno set, when it cannot.
    static std::unique_ptr<TPartFile> Create(const QByteArray& Folder, const QByteArray& Base);
    ~TPartFile();   // removes the file unless it was renamed
    TPartFile(const TPartFile&) = delete;
    TPartFile& operator=(const TPartFile&) = delete;

    int Descriptor() const { return FDescriptor; }
    const QByteArray& Name() const { return FName; }
    // A name under which other code can open this very file whatever bytes its real
    // name holds.
    QByteArray OpenableName() const;

    // Gives the part the name Target in one step, replacing what was there. False,
    // with errno set, when it cannot; the part is then still removed at the end.
    bool RenameTo(const QByteArray& Target);

private:
    TPartFile(QByteArray Name, int Descriptor);

    QByteArray FName;
    int FDescriptor = -1;
    bool FRenamed = false;
};
