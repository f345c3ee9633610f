#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text of the profile files: code page 936 (GBK), or UTF-8 when the file
// starts with a UTF-8 byte-order mark. Bytes that do not decode become
// U+FFFD; characters that GBK cannot hold are written as "?".
namespace ProfileText {

enum class Encoding { Gbk, Utf8 };

inline constexpr QByteArrayView Utf8Bom{"\xEF\xBB\xBF", 3};

QString decode(QByteArrayView bytes, Encoding encoding);
QByteArray encode(QStringView text, Encoding encoding);

// The longest head of the text that takes at most maxBytes bytes in GBK,
// cut between whole characters (never inside a double-byte character or
// a surrogate pair).
QString cutToGbkBytes(const QString &text, int maxBytes);

// Blanks, trimmed around names and values: space, tab, vertical tab, form
// feed, carriage return and Ctrl-Z (0x1A).
constexpr bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x1A;
}
QStringView trimBlanks(QStringView text);

// Names match ignoring the letter case of A-Z only.
bool sameName(QStringView a, QStringView b);
QString foldName(QStringView name);

} // namespace ProfileText
