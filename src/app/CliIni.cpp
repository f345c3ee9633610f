#include "CliOutput.h"
#include "CliCommands.h"

#include "ProfileFile.h"
#include "mIni.h"

#include <QDir>

#include <QFileInfo>

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

using RegularFile::Problem;

int fail(const QString &message)
{
    writeOut(stderr, u"zrc-cli ini: " + message + u'\n');
    return 2;
}

int failFile(Problem problem, const QString &path)
{
    return fail(RegularFile::describe(problem) + QStringLiteral(": ") + path);
}

// Why a name would not read back as written; empty when it would.
QString nameFault(const QString &name, bool isKey)
{
    const QString what = isKey ? QStringLiteral("键名") : QStringLiteral("节名");
    switch (ProfileFile::nameFault(name, isKey)) {
    case ProfileFile::NameFault::None: return QString();
    case ProfileFile::NameFault::Empty: return what + QStringLiteral("是空的");
    case ProfileFile::NameFault::LineBreak: return what + QStringLiteral("含有换行");
    case ProfileFile::NameFault::OpensHeader: return what + QStringLiteral("以“[”开头，会被读成节名");
    case ProfileFile::NameFault::HoldsEquals: return what + QStringLiteral("含有“=”，会被读成别的键");
    }
    return QString();
}

int get(const QStringList &args)
{
    if (args.size() != 3)
        return fail(QStringLiteral("用法: zrc-cli ini get FILE SECTION KEY"));
    if (const Problem there = RegularFile::kind(args[0]); there != Problem::None)
        return failFile(there, args[0]);
    mIni::setIniFile(args[0], mIni::Access::ReadOnly);
    const QString line = mIni::IniRead(args[1], args[2]) + u'\n';
    // A file that is there but cannot be read is no empty file.
    if (const Problem read = mIni::IniProblem(); read != Problem::None)
        return failFile(read, args[0]);
    writeOut(stdout, line);
    return 0;
}

int set(const QStringList &args, bool valueIsLiteral)
{
    if (args.size() != 4)
        return fail(QStringLiteral("用法: zrc-cli ini set FILE SECTION KEY (VALUE | --delete)"));
    for (const QString &fault : {nameFault(args[1], false), nameFault(args[2], true)})
        if (!fault.isEmpty())
            return fail(fault + QStringLiteral("，无法写入"));
    if (const Problem there = RegularFile::kind(args[0]); there == Problem::NotRegular)
        return failFile(there, args[0]);
    if (!QFileInfo(args[0]).absoluteDir().exists())
        return failFile(Problem::FolderMissing, args[0]);
    // An empty argument may arrive as a null string, which would delete.
    QString value = args[3].isNull() ? QString(QLatin1StringView("")) : args[3];
    if (!valueIsLiteral && value == QLatin1String("--delete"))
        value = QString();
    mIni::setIniFile(args[0], mIni::Access::ReadWrite);
    if (!mIni::IniWrite(args[1], args[2], value)) {
        const Problem why = mIni::IniProblem();
        return failFile(why == Problem::None || why == Problem::Missing ? Problem::Failed : why, args[0]);
    }
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
