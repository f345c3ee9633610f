#pragma once

#include <QString>
#include <QtGlobal>

// What tells whether a file changed on disk: its size and modification
// time, taken with one system call. This is the only place in data/ that
// calls the operating system directly; every profile read asks it, so it
// must be cheap (QFileInfo's local-time conversion costs several times more).
struct FileStamp {
    bool exists = false;   // a regular file is there
    bool occupied = false; // something else is there (a FIFO, device, socket, folder)
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since 1970 (as fine as the file system keeps it)

    static FileStamp of(const QString &path);

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
