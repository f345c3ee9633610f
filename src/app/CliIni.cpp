#include "CliCommands.h"

#include "mIni.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

// zrc-cli ini get FILE SECTION KEY
// zrc-cli ini set FILE SECTION KEY (VALUE | --delete)
//
// `get` shows what the program would read and never changes the file, not
// even the removal of an empty key that a read of the configuration does.
// `set` writes as the program writes: file, section and key are created as
// needed, and --delete removes the key. Words after `--` are taken as they
// are, so a value may begin with a dash (or be "--delete" itself).

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "zrc-cli ini: " << message << '\n';
    return 2;
}

int get(const QStringList &args)
{
    if (args.size() != 3)
        return fail(QStringLiteral("用法: zrc-cli ini get FILE SECTION KEY"));
    if (!QFileInfo(args[0]).isFile())
        return fail(QStringLiteral("找不到文件: ") + args[0]);
    mIni::setIniFile(args[0], mIni::Access::ReadOnly);
    const QByteArray line = mIni::IniRead(args[1], args[2]).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return 0;
}

int set(const QStringList &args, bool valueIsLiteral)
{
    if (args.size() != 4)
        return fail(QStringLiteral("用法: zrc-cli ini set FILE SECTION KEY (VALUE | --delete)"));
    if (QFileInfo(args[0]).isDir())
        return fail(QStringLiteral("不是文件: ") + args[0]);
    // An empty argument may arrive as a null string, which would delete.
    QString value = args[3].isNull() ? QString(QLatin1StringView("")) : args[3];
    if (!valueIsLiteral && value == QLatin1String("--delete"))
        value = QString();
    mIni::setIniFile(args[0], mIni::Access::ReadWrite);
    if (!mIni::IniWrite(args[1], args[2], value))
        return fail(QStringLiteral("无法写入: ") + args[0]);
    return 0;
}

} // namespace

int runIniCommand(const QStringList &arguments)
{
    QStringList args = arguments;
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    if (end >= 0)
        args.removeAt(end);
    const QString command = args.value(0);
    if (command == QLatin1String("get"))
        return get(args.mid(1));
    if (command == QLatin1String("set"))
        return set(args.mid(1), end >= 0 && end <= 4);
    return fail(QStringLiteral("用法: zrc-cli ini (get | set) FILE SECTION KEY [VALUE | --delete]"));
}
