#include "SheetFile.h"

#include "CodePage936.h"
#include "RegularFile.h"
#include "SheetText.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringDecoder>

namespace SheetFile {

Contents read(const QString &path)
{
    const RegularFile::Contents in = RegularFile::read(path, MaxBytes);
    if (!in.ok())
        return {QString(), in.problem == RegularFile::Problem::TooLarge ? QStringLiteral("文件超过 1 MiB，不是能力表。")
                                                                        : RegularFile::describe(in.problem)};
    return {decode(in.bytes), QString()};
}

QString decode(const QByteArray &bytes)
{
    // Notepad's "Unicode" files: UTF-16 with a byte-order mark.
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes);
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes);
    // UTF-8 (a leading byte-order mark dropped), a stray byte in a chat line
    // replaced; a file with no build that way may be an old GBK one.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError() || readSheetText(text).kind != SheetText::Kind::None)
        return text;
    return CodePage936::decode(bytes);
}

qint64 utf8Size(QStringView text)
{
    qint64 size = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            size += 1;
        else if (c < 0x800)
            size += 2;
        else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode()))
            size += 4, ++i;
        else
            size += 3;
    }
    return size;
}

QByteArray encode(const QString &sheet)
{
    return QByteArray("\xEF\xBB\xBF") + sheet.toUtf8();
}

QString suggestedName(const QString &character, const QString &position, const QString &level)
{
    QString name = character + u'-' + position + u'-' + level;
    for (QChar &c : name)
        if (c.unicode() < 0x20 || QStringView(u"<>:\"/\\|?*").contains(c))
            c = u'_';
    return name + QStringLiteral(".txt");
}

QString suggestedFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("ZR角色助手"));
}

} // namespace SheetFile
