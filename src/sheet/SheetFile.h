#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Sheets saved as files: UTF-8 with a byte-order mark and CR LF, as the
// clipboard has them; opened from regular files of up to 1 MiB. Pasted and
// dropped text has the same limit, counted in UTF-8.
namespace SheetFile {

inline constexpr qint64 MaxBytes = 1024 * 1024;

struct Contents {
    QString text;
    QString problem; // for a person; empty when the file was read
    bool ok() const { return problem.isEmpty(); }
};

Contents read(const QString &path);
// The text of bytes already read (from a file or standard input): UTF-16
// with its byte-order mark; else UTF-8 (mark optional, bad bytes replaced),
// unless that finds no sheet or post and GBK is tried instead.
QString decode(const QByteArray &bytes);
// The length of the text in UTF-8, without converting it.
qint64 utf8Size(QStringView text);
inline bool withinLimit(QStringView text) { return utf8Size(text) <= MaxBytes; }
// Why pasted or dropped text is refused.
inline const QString TooLargeText = QStringLiteral("文字超过 1 MiB（1048576 字节），不是能力表。");
QByteArray encode(const QString &sheet);

// "{角色}-{职业}-{等级}.txt", each character Windows forbids in file
// names (and control characters) replaced by "_".
QString suggestedName(const QString &character, const QString &position, const QString &level);
// "ZR角色助手" under the user's documents.
QString suggestedFolder();

} // namespace SheetFile
