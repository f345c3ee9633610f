#include "FileStamp.h"

#ifdef Q_OS_WIN
#  include <QDir>
#  include <windows.h>
#else
#  include <QFile>
#  include <sys/stat.h>
#endif

FileStamp FileStamp::of(const QString &path)
{
    FileStamp stamp;
    if (path.isEmpty())
        return stamp;
#ifdef Q_OS_WIN
    WIN32_FILE_ATTRIBUTE_DATA data;
    const QString native = QDir::toNativeSeparators(path);
    if (!GetFileAttributesExW(reinterpret_cast<const wchar_t *>(native.utf16()),
                              GetFileExInfoStandard, &data)
        )
        return stamp;
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) {
        stamp.occupied = true;
        return stamp;
    }
    stamp.exists = true;
    stamp.size = (qint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    // 100 ns ticks since 1601 to nanoseconds since 1970.
    const qint64 ticks = (qint64(data.ftLastWriteTime.dwHighDateTime) << 32)
                         | data.ftLastWriteTime.dwLowDateTime;
    stamp.modifiedNs = (ticks - 116444736000000000LL) * 100;
#else
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return stamp;
    if (!S_ISREG(st.st_mode)) {
        stamp.occupied = true;
        return stamp;
    }
    stamp.exists = true;
    stamp.size = qint64(st.st_size);
#  if defined(Q_OS_DARWIN)
    stamp.modifiedNs = qint64(st.st_mtimespec.tv_sec) * 1000000000LL + st.st_mtimespec.tv_nsec;
#  else
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
#  endif
#endif
    return stamp;
}
