#include "CliOutput.h"
#include "CliCommands.h"

#include "AppPaths.h"
#include "DatabaseCheck.h"

#include <QDir>

#include <cstdio>

// zrc-cli db check [--data-dir DIR]
//
// Checks the game database and pictures of the data folder as the program
// will read them. One line per finding: file, line, and what the program
// will do; then a count. Exit status 1 when anything would show wrong,
// 0 when only notes (or nothing) were found, 2 for bad arguments.

namespace {

int usage()
{
    writeOut(stderr, QStringLiteral("用法: zrc-cli db check [--data-dir DIR]\n"));
    return 2;
}

} // namespace

int runDbCommand(const QStringList &args)
{
    if (args.value(0) != u"check")
        return usage();
    QString dataDir;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == u"--data-dir" && i + 1 < args.size())
            dataDir = args[++i];
        else if (args[i].startsWith(u"--data-dir="))
            dataDir = args[i].mid(11);
        else
            return usage();
    }
    AppPaths::init(dataDir.isEmpty() ? QStringList() : QStringList{QStringLiteral("--data-dir"), dataDir});
    const DatabaseCheck check = DatabaseCheck::run(AppPaths::dataDir(), PictureHeader::inspect);
    for (const DatabaseFinding &f : check.findings) {
        // The database itself unreadable: name it with its folder.
        const QString file = f.file == u"ZRCdata.dat" && f.line == 0 && f.kind == DatabaseFinding::Kind::Wrong
                                 ? QDir::toNativeSeparators(AppPaths::databasePath())
                                 : f.file;
        const QString where = file + (f.line > 0 ? u':' + QString::number(f.line) : QString());
        const QString kind = f.kind == DatabaseFinding::Kind::Wrong ? QStringLiteral("错误") : QStringLiteral("提示");
        writeOut(stdout, where + u": " + kind + u": " + f.text + u'\n');
    }
    const int wrong = check.wrongCount();
    writeOut(stdout, QString::number(wrong) + QStringLiteral(" 处错误，") + QString::number(check.findings.size() - wrong)
                         + QStringLiteral(" 处提示\n"));
    return wrong > 0 ? 1 : 0;
}
