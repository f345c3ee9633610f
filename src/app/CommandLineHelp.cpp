#include "CommandLineHelp.h"

#include "CliOutput.h"

namespace {

QString spelling(const CliOption &option)
{
    QStringList names;
    for (const QString &name : option.names)
        names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        text += u' ' + option.valueName;
    // Long-only options line up under the long names of the others.
    return option.names.value(0).size() == 1 ? text : QStringLiteral("    ") + text;
}

} // namespace

QString optionLines(const QList<CliOption> &options)
{
    qsizetype width = 0;
    for (const CliOption &o : options)
        width = qMax(width, spelling(o).size());
    QString out;
    for (const CliOption &o : options)
        out += QStringLiteral("  ") + spelling(o).leftJustified(width + 2) + o.description + u'\n';
    return out;
}

QCommandLineOption parserOption(const CliOption &option)
{
    return QCommandLineOption(option.names, option.description, option.valueName);
}

CliOption helpOption() { return {{QStringLiteral("h"), QStringLiteral("help")}, QString(), QStringLiteral("显示本帮助")}; }

CliOption versionOption()
{
    return {{QStringLiteral("v"), QStringLiteral("version")}, QString(), QStringLiteral("显示版本")};
}

void writeOut(const QString &text) { writeOut(stdout, text); }
void writeErr(const QString &text) { writeOut(stderr, text); }
