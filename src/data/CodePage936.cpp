#include "CodePage936.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <algorithm>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

namespace CodePage936 {

#ifdef Q_OS_WIN

namespace {

constexpr UINT Gbk = 936;

bool isLead(uchar b) { return b >= 0x81 && b <= 0xFE; }
bool isTrail(uchar b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// One character's bytes, or U+FFFD when the system does not map them.
// 0xFF alone is U+F8F5 on Windows, though not under every emulation of it.
QChar decodeOne(const char *bytes, int size)
{
    if (size == 1 && uchar(bytes[0]) == 0xFF)
        return QChar(0xF8F5);
    wchar_t unit = 0;
    return MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes, size, &unit, 1) == 1 ? QChar(unit)
                                                                                     : QChar(QChar::ReplacementCharacter);
}

// The default-ignorable characters GBK has no bytes for.
bool isDroppedFormatCharacter(char32_t c)
{
    struct Range {
        char32_t first, last;
    };
    static constexpr Range Ranges[] = {
        {0x00AD, 0x00AD}, {0x034F, 0x034F}, {0x061C, 0x061C}, {0x115F, 0x1160},   {0x17B4, 0x17B5},
        {0x180B, 0x180F}, {0x200B, 0x200F}, {0x202A, 0x202E}, {0x2060, 0x206F},   {0x3164, 0x3164},
        {0xFE00, 0xFE0F}, {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0}, {0xFFF0, 0xFFF8},   {0x1BCA0, 0x1BCA3},
        {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
    };
    return std::any_of(std::begin(Ranges), std::end(Ranges), [c](Range r) { return c >= r.first && c <= r.last; });
}

} // namespace

QString decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    // Sizes beyond int never reach here: every reader caps its input far below.
    const int in = int(bytes.size());
    const int units = MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes.data(), in, nullptr, 0);
    if (units > 0) {
        QString text(units, Qt::Uninitialized);
        MultiByteToWideChar(Gbk, MB_ERR_INVALID_CHARS, bytes.data(), in, reinterpret_cast<wchar_t *>(text.data()), units);
        return text;
    }
    // Broken bytes somewhere. The system would turn them into "?" and take
    // the byte after a broken lead byte with it; character by character, a
    // lead byte without its trail byte is one U+FFFD and the next byte reads
    // on its own, as on Linux.
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            text.append(QChar(b));
            ++i;
        } else if (isLead(b) && i + 1 < bytes.size() && isTrail(uchar(bytes[i + 1]))) {
            text.append(decodeOne(bytes.data() + i, 2));
            i += 2;
        } else if (isLead(b)) {
            text.append(QChar(QChar::ReplacementCharacter));
            ++i;
        } else {
            text.append(decodeOne(bytes.data() + i, 1)); // 0x80 and 0xFF stand alone
            ++i;
        }
    }
    return text;
}

QByteArray encode(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    // What the system's converter is given: the invisible format characters
    // the code page lacks dropped, as ICU drops them; a character beyond the
    // BMP one "?", not one per surrogate. No "best fit" either: whatever the
    // code page lacks is "?", as on Linux.
    QString units;
    units.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (isDroppedFormatCharacter(c))
            continue;
        if (c > 0xFFFF || QChar::isSurrogate(c))
            units.append(u'?');
        else
            units.append(QChar(char16_t(c)));
    }
    if (units.isEmpty())
        return QByteArray();
    text = units;
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int in = int(text.size());
    const int size = WideCharToMultiByte(Gbk, WC_NO_BEST_FIT_CHARS, wide, in, nullptr, 0, "?", nullptr);
    if (size <= 0)
        return QByteArray(text.size(), '?');
    QByteArray bytes(size, Qt::Uninitialized);
    WideCharToMultiByte(Gbk, WC_NO_BEST_FIT_CHARS, wide, in, bytes.data(), size, "?", nullptr);
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
    // A stateless encoder drops a high surrogate left at the very end; it
    // is a "?" like any other lone surrogate.
    if (text.back().isHighSurrogate())
        return QByteArray(encoder.encode(text.chopped(1))) + '?';
    return encoder.encode(text);
}

#endif

void prepare()
{
    decode("\xB0\xA1"); // 啊
}

} // namespace CodePage936
