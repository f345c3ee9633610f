#pragma once

#include <QByteArray>
#include <QString>

// The program's files (profile files, the game database, pictures) are
// regular files. Anything else in their place (a FIFO, a device, a socket,
// a folder) counts as missing and is never opened, for reading or for
// writing: opening a FIFO blocks for good, and /dev/zero never ends. A file
// larger than MaxBytes is refused instead of read.
namespace RegularFile {

inline constexpr qint64 MaxBytes = qint64(64) * 1024 * 1024;

// Why a file could not be read or written.
enum class Problem {
    None,
    Missing,       // no such file
    NotRegular,    // a FIFO, device, socket or folder is in its place
    TooLarge,      // more than MaxBytes
    NoPermission,  // the system refused access
    FolderMissing, // the folder to write into does not exist
    DiskFull,      // no space left
    LinkLoop,      // symbolic links that lead round in a circle
    NameTooLong,   // a name or path longer than the system takes
    Failed,        // any other failure of the system
};

// One line for a person: what is wrong with the file (Chinese, like every
// text of the program).
QString describe(Problem problem);

// What is at the path: None (a regular file), Missing or NotRegular; or
// why it cannot be looked at (NoPermission, LinkLoop, NameTooLong).
// Follows symbolic links: a link to a device is a device.
Problem kind(const QString &path);

struct Contents {
    QByteArray bytes;
    Problem problem = Problem::None;
    bool ok() const { return problem == Problem::None; }
};

// The whole file, when it is a regular file of at most maxBytes.
Contents read(const QString &path, qint64 maxBytes = MaxBytes);

// The first maxBytes of a regular file, however long it is: a page that is
// cut at its size limit keeps its beginning. The refusals of read(), except
// that a long file is not TooLarge.
struct Head {
    QByteArray bytes;
    Problem problem = Problem::None;
    bool more = false; // the file went on past maxBytes
    bool ok() const { return problem == Problem::None; }
};
Head readHead(const QString &path, qint64 maxBytes);

// Replaces the file atomically (written aside, then renamed over it). A
// path held by anything but a regular file is never replaced.
Problem write(const QString &path, const QByteArray &bytes);

} // namespace RegularFile
