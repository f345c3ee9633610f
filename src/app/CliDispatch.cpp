#include "CliCommands.h"
#include "CommandLineHelp.h"
#include "zrc_version.h"

#include <QCommandLineParser>

// zrc-cli's front: the program's own options, then the command's name, its
// options checked against the command's row, and its run function.

namespace {

const QString Usage = QStringLiteral("用法: zrc-cli [--help] [--version] COMMAND [ARG]...\n");

QString commandUsage(const CliCommand &c)
{
    QString out;
    for (qsizetype i = 0; i < c.usage.size(); ++i)
        out += (i == 0 ? QStringLiteral("用法: zrc-cli ") : QStringLiteral("      zrc-cli ")) + c.usage[i] + u'\n';
    return out;
}

QString overview()
{
    QString out = Usage
        + QStringLiteral("ZR角色助手的命令行伙伴：与窗口同一套规则，结果打印到标准输出。\n\n命令:\n");
    qsizetype width = 0;
    for (const CliCommand &c : cliCommands())
        width = qMax(width, c.name.size());
    for (const CliCommand &c : cliCommands())
        out += QStringLiteral("  ") + c.name.leftJustified(width + 2) + c.summary + u'\n';
    out += QStringLiteral("\n选项:\n") + optionLines({helpOption(), versionOption()})
        + QStringLiteral("\n“zrc-cli COMMAND --help”显示一个命令的用法。\n");
    return out;
}

QString commandHelp(const CliCommand &c)
{
    QString out = commandUsage(c) + c.summary + QStringLiteral("。\n");
    if (!c.description.isEmpty())
        out += u'\n' + c.description + u'\n';
    return out + QStringLiteral("\n选项:\n") + optionLines(c.options + QList<CliOption>{helpOption()});
}

// Bad input on the command line: the reason, then the usage, status 2.
int refuse(const QString &who, const QString &reason, const QString &usage)
{
    writeErr(who + QStringLiteral(": ") + reason + u'\n' + usage);
    return 2;
}

int runCommand(const CliCommand &c, const QStringList &args)
{
    QCommandLineParser parser;
    for (const CliOption &o : c.options + QList<CliOption>{helpOption()})
        parser.addOption(parserOption(o));
    const QString who = QStringLiteral("zrc-cli ") + c.name;
    if (!parser.parse(QStringList{who} + args))
        return refuse(who, parser.errorText(), commandUsage(c));
    if (parser.isSet(QStringLiteral("help"))) {
        writeOut(commandHelp(c));
        return 0;
    }
    return c.run(args);
}

} // namespace

int runCli(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addOption(parserOption(helpOption()));
    parser.addOption(parserOption(versionOption()));
    // Everything from the command's name on belongs to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parser.parse(QStringList{QStringLiteral("zrc-cli")} + args))
        return refuse(QStringLiteral("zrc-cli"), parser.errorText(), Usage);
    if (parser.isSet(QStringLiteral("help"))) {
        writeOut(overview());
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        writeOut(QStringLiteral("zrc-cli " ZRC_VERSION_STRING "\n"));
        return 0;
    }
    QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return refuse(QStringLiteral("zrc-cli"), QStringLiteral("缺少命令"), Usage);
    const QString name = words.takeFirst();
    for (const CliCommand &c : cliCommands()) {
        if (c.name == name)
            return runCommand(c, words);
    }
    return refuse(QStringLiteral("zrc-cli"), u"未知命令 “" + name + u"”", Usage);
}

bool cliDraws(const QStringList &args)
{
    for (const QString &a : args)
        if (a == u"-h" || a == u"--help" || a == u"-v" || a == u"--version")
            return false;
    return !args.isEmpty() && args.first() == u"card";
}
