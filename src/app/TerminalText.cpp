#include "TerminalText.h"

namespace TerminalText {

namespace {

bool isBreak(char16_t c) { return c == u'\t' || c == u'\n' || c == u'\r'; }

bool needsUnicodeEscape(char16_t c)
{
    return (c >= 0x80 && c <= 0x9F) || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
           || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString escaped(QStringView text, LineBreaks lineBreaks)
{
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\\')
            out += QLatin1String("\\\\");
        else if ((c < 0x20 || c == 0x7F) && !(isBreak(c) && lineBreaks == LineBreaks::Keep))
            out += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
        else if (needsUnicodeEscape(c))
            out += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return out;
}

QString escapedJson(QStringView json)
{
    QString out;
    out.reserve(json.size());
    for (const QChar ch : json) {
        if (needsUnicodeEscape(ch.unicode()))
            out += QStringLiteral("\\u%1").arg(uint(ch.unicode()), 4, 16, QLatin1Char('0'));
        else
            out += ch;
    }
    return out;
}

} // namespace TerminalText
