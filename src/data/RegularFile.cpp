#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_WIN
#  include <qt_windows.h>
#else
#  include <fcntl.h>
#  include <sys/stat.h>
#  include <unistd.h>
#endif

namespace RegularFile {

namespace {

Problem fromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Problem::Missing;
    case EACCES:
    case EPERM:
    case EROFS:
        return Problem::NoPermission;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Problem::DiskFull;
#ifdef ELOOP
    case ELOOP:
        return Problem::LinkLoop;
#endif
    case ENAMETOOLONG:
        return Problem::NameTooLong;
    default:
        return Problem::Failed;
    }
}

} // namespace

QString describe(Problem problem)
{
    switch (problem) {
    case Problem::None: return QString();
    case Problem::Missing: return QStringLiteral("找不到文件");
    case Problem::NotRegular: return QStringLiteral("不是普通文件（管道、设备、套接字或文件夹）");
    case Problem::TooLarge: return QStringLiteral("文件太大（超过 64 MiB）");
    case Problem::NoPermission: return QStringLiteral("没有权限");
    case Problem::FolderMissing: return QStringLiteral("文件夹不存在");
    case Problem::DiskFull: return QStringLiteral("磁盘已满");
    case Problem::LinkLoop: return QStringLiteral("符号链接绕成了圈");
    case Problem::NameTooLong: return QStringLiteral("文件名或路径太长");
    case Problem::Failed: return QStringLiteral("读写失败");
    }
    return QString();
}

Problem kind(const QString &path)
{
    if (path.isEmpty())
        return Problem::Missing;
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t *>(native.utf16()));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        switch (GetLastError()) {
        case ERROR_ACCESS_DENIED: return Problem::NoPermission;
        case ERROR_FILENAME_EXCED_RANGE: return Problem::NameTooLong;
        case ERROR_CANT_RESOLVE_FILENAME: return Problem::LinkLoop;
        default: return Problem::Missing;
        }
    }
    return attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE) ? Problem::NotRegular : Problem::None;
#else
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        const Problem p = fromErrno(errno);
        return p == Problem::NoPermission || p == Problem::LinkLoop || p == Problem::NameTooLong ? p : Problem::Missing;
    }
    return S_ISREG(st.st_mode) ? Problem::None : Problem::NotRegular;
#endif
}

Contents read(const QString &path, qint64 maxBytes)
{
    Contents c;
    c.problem = kind(path);
    if (c.problem != Problem::None)
        return c; // never open what is not a regular file
#ifdef Q_OS_WIN
    QFile file(path);
    if (file.size() > maxBytes) {
        c.problem = Problem::TooLarge;
        return c;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        c.problem = file.error() == QFileDevice::PermissionsError ? Problem::NoPermission : Problem::Failed;
        return c;
    }
    c.bytes = file.read(maxBytes + 1);
    if (c.bytes.size() > maxBytes) {
        c.bytes.clear();
        c.problem = Problem::TooLarge;
    }
    return c;
#else
    // Non-blocking, and checked again once open: the file may have been
    // replaced by a FIFO since the check above.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        c.problem = fromErrno(errno);
        return c;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        c.problem = Problem::NotRegular;
        return c;
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        c.problem = Problem::TooLarge;
        return c;
    }
    QByteArray bytes;
    bytes.resize(qsizetype(st.st_size) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes)
                break; // grew while being read
            bytes.resize(std::min<qsizetype>(bytes.size() * 2 + 4096, maxBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            c.problem = fromErrno(errno);
            ::close(fd);
            return c;
        }
        if (n == 0)
            break;
        got += n;
    }
    ::close(fd);
    if (got > maxBytes) {
        c.problem = Problem::TooLarge;
        return c;
    }
    bytes.truncate(got);
    c.bytes = std::move(bytes);
    return c;
#endif
}

Head readHead(const QString &path, qint64 maxBytes)
{
    Head h;
    h.problem = kind(path);
    if (h.problem != Problem::None)
        return h; // never open what is not a regular file
#ifdef Q_OS_WIN
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        h.problem = file.error() == QFileDevice::PermissionsError ? Problem::NoPermission : Problem::Failed;
        return h;
    }
    h.bytes = file.read(maxBytes + 1);
#else
    // As in read(): non-blocking, and checked again once open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        h.problem = fromErrno(errno);
        return h;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        h.problem = Problem::NotRegular;
        return h;
    }
    // One byte more than wanted tells whether the file goes on.
    h.bytes.resize(qsizetype(std::min<qint64>(st.st_size, maxBytes)) + 1);
    qsizetype got = 0;
    while (got < h.bytes.size()) {
        const ssize_t n = ::read(fd, h.bytes.data() + got, size_t(h.bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            h.problem = fromErrno(errno);
            h.bytes.clear();
            ::close(fd);
            return h;
        }
        if (n == 0)
            break;
        got += n;
        if (got == h.bytes.size() && got <= maxBytes) // grew while being read
            h.bytes.resize(std::min<qsizetype>(got * 2, maxBytes + 1));
    }
    ::close(fd);
    h.bytes.truncate(got);
#endif
    h.more = h.bytes.size() > maxBytes;
    if (h.more)
        h.bytes.truncate(maxBytes);
    return h;
}

Problem write(const QString &path, const QByteArray &bytes)
{
    const Problem there = kind(path);
    if (there == Problem::NotRegular)
        return there; // never replace a FIFO, a device or /dev/null
    if (there == Problem::LinkLoop || there == Problem::NameTooLong)
        return there;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return Problem::FolderMissing;
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return error ? fromErrno(error)
                     : (file.error() == QFileDevice::PermissionsError ? Problem::NoPermission : Problem::Failed);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const Problem p = errno ? fromErrno(errno) : Problem::Failed;
        file.cancelWriting();
        return p;
    }
    errno = 0;
    if (!file.commit())
        return errno ? fromErrno(errno) : Problem::Failed;
    return Problem::None;
}

} // namespace RegularFile
