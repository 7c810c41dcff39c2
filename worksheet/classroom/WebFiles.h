#pragma once
// The pupil's and the teacher's pages, built into the program: a fixed list of
// addresses, each with its own file and type. Nothing of a request's path reaches a
// file name, so no other file of the program or the disk can be asked for.

#include <QByteArray>

#include <optional>

struct TWebFile {
    QByteArray ContentType;
    QByteArray Body;
};

// The file served at Path ("/", "/teacher", "/pupil.js", ...), or none.
std::optional<TWebFile> WebFile(const QByteArray& Path);
