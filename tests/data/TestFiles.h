#pragma once

#include "CodePage936.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

// Real files for the tests. Text fixtures are written in GBK like the
// program's files; gbk() spells out the bytes.
inline QByteArray gbk(const QString &text)
{
    return CodePage936::encode(text);
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

// Makes the file look long unchanged, so the cache trusts its time stamp.
inline void ageFile(const QString &path, int secondsAgo = 3600)
{
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                     QFileDevice::FileModificationTime);
}
