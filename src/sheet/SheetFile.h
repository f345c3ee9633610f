#pragma once

#include <QByteArray>
#include <QString>

// Sheets saved as files: UTF-8 with a byte-order mark and CR LF, as the
// clipboard has them; opened from regular files of up to 1 MiB, read as
// UTF-8 when the bytes are valid UTF-8 (mark optional), else as GBK.
namespace SheetFile {

inline constexpr qint64 MaxBytes = 1024 * 1024;

struct Contents {
    QString text;
    QString problem; // for a person; empty when the file was read
    bool ok() const { return problem.isEmpty(); }
};

Contents read(const QString &path);
// The text of bytes already read (from a file or standard input).
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &sheet);

// "{角色}-{职业}-{等级}.txt", each character Windows forbids in file
// names (and control characters) replaced by "_".
QString suggestedName(const QString &character, const QString &position, const QString &level);
// "ZR角色助手" under the user's documents.
QString suggestedFolder();

} // namespace SheetFile
