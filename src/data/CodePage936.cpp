#include "CodePage936.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

namespace CodePage936 {

#ifdef Q_OS_WIN

namespace {
constexpr UINT Gbk = 936;
}

QString decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    // Sizes beyond int never reach here: every reader caps its input far below.
    const int in = int(bytes.size());
    const int units = MultiByteToWideChar(Gbk, 0, bytes.data(), in, nullptr, 0);
    if (units <= 0)
        return QString(bytes.size(), QChar::ReplacementCharacter);
    QString text(units, Qt::Uninitialized);
    MultiByteToWideChar(Gbk, 0, bytes.data(), in, reinterpret_cast<wchar_t *>(text.data()), units);
    return text;
}

QByteArray encode(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int in = int(text.size());
    const int size = WideCharToMultiByte(Gbk, 0, wide, in, nullptr, 0, "?", nullptr);
    if (size <= 0)
        return QByteArray(text.size(), '?');
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(Gbk, 0, wide, in, bytes.data(), size, "?", nullptr);
    return bytes;
}

#else

QString decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    // A stateless decoder silently drops a lead byte left at the very end;
    // a trailing newline makes it come out as U+FFFD like any other broken
    // sequence. Line ends are single bytes that never occur inside a
    // double-byte character, so the extra one is always the last character.
    QByteArray padded;
    padded.reserve(bytes.size() + 1);
    padded.append(bytes.data(), bytes.size());
    padded.append('\n');
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(padded);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QByteArray encode(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

#endif

} // namespace CodePage936
