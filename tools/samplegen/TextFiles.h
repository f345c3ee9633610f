#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Sources are UTF-8 with LF; everything the program reads as text is GBK with CR LF.

// Reads a UTF-8 source file (a leading BOM is dropped); fails on bad UTF-8.
QString readSource(const QString &path);

// Encodes text as GBK with CR LF line ends. Fails, naming the file, line
// and character, when a character has no GBK encoding.
QByteArray toGbkCrLf(const QString &text, const QString &what);

// Writes bytes atomically, creating the folder as needed.
void writeBytes(const QString &path, const QByteArray &bytes);

// Size of a text in GBK bytes (the program's reader cuts values at 143 bytes).
qsizetype gbkLength(const QString &text);

// A tab-separated table: lines starting with "#" and blank lines are
// skipped, the first remaining line names the columns, a cell "-" is empty.
class Table {
public:
    static Table read(const QString &path);

    qsizetype rowCount() const { return m_rows.size(); }
    QString cell(qsizetype row, const QString &column) const;
    // The source line of a row, for messages.
    QString where(qsizetype row) const;

private:
    QString m_path;
    QStringList m_header;
    QList<QStringList> m_rows;
    QList<int> m_lines;
};
