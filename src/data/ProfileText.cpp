#include "ProfileText.h"

#include "CodePage936.h"

#include <QStringDecoder>

namespace ProfileText {

namespace {

char16_t foldAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

QString decode(QByteArrayView bytes, Encoding encoding)
{
    if (encoding == Encoding::Gbk)
        return CodePage936::decode(bytes);
    if (bytes.isEmpty())
        return QString();
    // Like GBK, a sequence cut off at the very end comes out as U+FFFD.
    QByteArray padded;
    padded.reserve(bytes.size() + 1);
    padded.append(bytes.data(), bytes.size());
    padded.append('\n');
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(padded);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QByteArray encode(QStringView text, Encoding encoding)
{
    if (encoding == Encoding::Gbk)
        return CodePage936::encode(text);
    return text.toUtf8();
}

QString cutToGbkBytes(const QString &text, int maxBytes)
{
    // GBK never needs more than two bytes per UTF-16 unit.
    if (text.size() * 2 <= maxBytes)
        return text;
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = (text[i].isHighSurrogate() && i + 1 < text.size()
                                 && text[i + 1].isLowSurrogate()) ? 2 : 1;
        int size = 1;
        if (text[i].unicode() >= 0x80) {
            const QByteArray one = CodePage936::encode(QStringView(text).mid(i, width));
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
