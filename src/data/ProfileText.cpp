#include "ProfileText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace ProfileText {

namespace {

// Qt reaches GBK through ICU. A Qt built without it has no "GBK"; the
// system code page is then the best guess (936 on a Chinese Windows).
QStringDecoder decoderFor(Encoding encoding)
{
    constexpr auto flags = QStringConverter::Flag::Stateless;
    if (encoding == Encoding::Utf8)
        return QStringDecoder(QStringConverter::Utf8, flags);
    QStringDecoder decoder("GBK", flags);
    return decoder.isValid() ? std::move(decoder) : QStringDecoder(QStringConverter::System, flags);
}

QStringEncoder encoderFor(Encoding encoding)
{
    constexpr auto flags = QStringConverter::Flag::Stateless;
    if (encoding == Encoding::Utf8)
        return QStringEncoder(QStringConverter::Utf8, flags);
    QStringEncoder encoder("GBK", flags);
    return encoder.isValid() ? std::move(encoder) : QStringEncoder(QStringConverter::System, flags);
}

char16_t foldAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

QString decode(QByteArrayView bytes, Encoding encoding)
{
    if (bytes.isEmpty())
        return QString();
    // A stateless decoder silently drops a lead byte left at the very end;
    // a trailing newline makes it come out as U+FFFD like any other broken
    // sequence. Line ends are single bytes that never occur inside a
    // multi-byte character, so the extra one is always the last character.
    QByteArray padded;
    padded.reserve(bytes.size() + 1);
    padded.append(bytes.data(), bytes.size());
    padded.append('\n');
    QStringDecoder decoder = decoderFor(encoding);
    QString text = decoder.decode(padded);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QByteArray encode(QStringView text, Encoding encoding)
{
    if (text.isEmpty())
        return QByteArray();
    QStringEncoder encoder = encoderFor(encoding);
    return encoder.encode(text);
}

QString cutToGbkBytes(const QString &text, int maxBytes)
{
    // GBK never needs more than two bytes per UTF-16 unit.
    if (text.size() * 2 <= maxBytes)
        return text;
    QStringEncoder encoder = encoderFor(Encoding::Gbk);
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = (text[i].isHighSurrogate() && i + 1 < text.size()
                                 && text[i + 1].isLowSurrogate()) ? 2 : 1;
        int size = 1;
        if (text[i].unicode() >= 0x80) {
            const QByteArray one = encoder.encode(QStringView(text).mid(i, width));
            size = int(one.size());
        }
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        i += width;
    }
    return text.left(i);
}

QStringView trimBlanks(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && isBlank(text[b].unicode()))
        ++b;
    while (e > b && isBlank(text[e - 1].unicode()))
        --e;
    return text.mid(b, e - b);
}

bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (foldAscii(a[i].unicode()) != foldAscii(b[i].unicode()))
            return false;
    return true;
}

QString foldName(QStringView name)
{
    QString folded(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        folded[i] = QChar(foldAscii(name[i].unicode()));
    return folded;
}

} // namespace ProfileText
