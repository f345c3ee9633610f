#include "TextFiles.h"

#include "GenerationError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

QString readSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(file.readAll());
    if (decoder.hasError())
        fail(QStringLiteral("%1 is not valid UTF-8").arg(path));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

static QByteArray encodeGbk(const QString &text, bool *ok)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        fail(QStringLiteral("this Qt has no GBK encoder"));
    const QByteArray bytes = encoder.encode(text);
    // The ICU converter may substitute silently, so check the round trip too.
    QStringDecoder decoder("GBK");
    *ok = !encoder.hasError() && decoder.decode(bytes) == text && !decoder.hasError();
    return bytes;
}

QByteArray toGbkCrLf(const QString &text, const QString &what)
{
    QString lf = text;
    lf.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (lf.contains(QLatin1Char('\r')))
        fail(QStringLiteral("%1 contains a bare CR").arg(what));
    QString crlf = lf;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));

    bool ok = false;
    const QByteArray bytes = encodeGbk(crlf, &ok);
    if (ok)
        return bytes;
    // Find the first offending character to name it.
    const QStringList lines = lf.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        for (const QChar *c = lines[n].constBegin(); c != lines[n].constEnd(); ++c) {
            const qsizetype len = c->isHighSurrogate() ? 2 : 1;
            const QString ch(c, len);
            bool chOk = false;
            encodeGbk(ch, &chOk);
            if (!chOk)
                fail(QStringLiteral("%1:%2: character U+%3 \"%4\" cannot be written in GBK")
                         .arg(what)
                         .arg(n + 1)
                         .arg(QString::number(ch.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0'))
                         .arg(ch));
            c += len - 1;
        }
    }
    fail(QStringLiteral("%1 cannot be written in GBK").arg(what));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

qsizetype gbkLength(const QString &text)
{
    bool ok = false;
    return encodeGbk(text, &ok).size();
}

Table Table::read(const QString &path)
{
    Table table;
    table.m_path = path;
    const QStringList lines = readSource(path).split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList cells = line.split(QLatin1Char('\t'));
        for (QString &cell : cells)
            cell = cell.trimmed();
        if (table.m_header.isEmpty()) {
            table.m_header = cells;
            continue;
        }
        if (cells.size() != table.m_header.size())
            fail(QStringLiteral("%1:%2: %3 cells where the header has %4")
                     .arg(path).arg(n + 1).arg(cells.size()).arg(table.m_header.size()));
        table.m_rows.append(cells);
        table.m_lines.append(int(n + 1));
    }
    return table;
}

QString Table::cell(qsizetype row, const QString &column) const
{
    const qsizetype col = m_header.indexOf(column);
    if (col < 0)
        fail(QStringLiteral("%1 has no column \"%2\"").arg(m_path, column));
    const QString &value = m_rows[row][col];
    return value == QLatin1String("-") ? QString() : value;
}

QString Table::where(qsizetype row) const
{
    return QStringLiteral("%1:%2").arg(m_path).arg(m_lines[row]);
}
