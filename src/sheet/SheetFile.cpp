#include "SheetFile.h"

#include "CodePage936.h"
#include "RegularFile.h"

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
    QStringDecoder utf8(QStringDecoder::Utf8); // drops a leading byte-order mark
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return CodePage936::decode(bytes);
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
