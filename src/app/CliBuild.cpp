#include "CliCommands.h"
#include "CliReplay.h"

#include "BuildEngine.h"
#include "BuildState.h"

#include <QJsonDocument>

#include <cstdio>

// zrc-cli build [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]...
//
// Replays a build (see CliReplay.h) and prints the ability panel as a table,
// or with --json the whole state of the calculator.

namespace {

QString table(const BuildEngine &e)
{
    QString out = u"角色：" + e.characterName() + u'\n';
    for (int i = 0; i < AbilityCount; ++i) {
        out += Abilities[i].name.toString() + u"  " + e.abilityText(i).rightJustified(5);
        const QString &m = e.marker(i).text;
        if (!m.isEmpty())
            out += u"  " + m.rightJustified(5);
        if (e.abilityRed(i))
            out += u"  (提升)";
        out += u'\n';
    }
    out += u"综合  " + e.totalText().rightJustified(5);
    if (!e.marker(AbilityCount).text.isEmpty())
        out += u"  " + e.marker(AbilityCount).text.rightJustified(5);
    out += u'\n';
    if (!e.abilitiesVisible())
        out += QStringLiteral("（能力值尚未显示）\n");
    out += u"提示：" + e.tip() + u'\n';
    for (int i = 0; i < ListCount; ++i) {
        const OptionList &l = e.list(ListId(i));
        if (l.enabled && l.visible && i != int(ListId::ZYe))
            out += u"待选：" + listName(ListId(i)) + u'\n';
    }
    return out;
}

} // namespace

int runBuildCommand(const QStringList &args)
{
    const ReplayCommand command{QStringLiteral("build"),
                                QStringLiteral("zrc-cli build [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]..."),
                                {QStringLiteral("--json")}};
    return replayBuild(command, args, [](const BuildEngine &engine, const QSet<QString> &flags) {
        if (flags.contains(QStringLiteral("--json")))
            writeOut(stdout, QString::fromUtf8(QJsonDocument(buildStateJson(engine)).toJson(QJsonDocument::Indented)));
        else
            writeOut(stdout, table(engine));
        return 0;
    });
}
