#include "CliOutput.h"
#include "CliCommands.h"
#include "CliReplay.h"

#include "BuildEngine.h"
#include "BuildState.h"
#include "SheetLoader.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

// zrc-cli build [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]...
// zrc-cli build --from-sheet FILE [--data-dir DIR] [--json]
//
// Replays a build (see CliReplay.h) and prints the ability panel as a table,
// or with --json the whole state of the calculator. From a sheet, one more
// line tells how its numbers compare (with --json, the field "sheet"); the
// status is 0 when they agree, 1 when some differ.

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

QJsonObject sheetJson(const SheetLoad &load)
{
    QJsonArray differences;
    for (const SheetLoad::Difference &d : load.differences)
        differences.append(QJsonObject{
            {QStringLiteral("ability"), d.ability < AbilityCount ? Abilities[d.ability].name.toString() : QStringLiteral("综合")},
            {QStringLiteral("sheet"), d.sheet},
            {QStringLiteral("computed"), d.computed}});
    return {{QStringLiteral("kind"), load.kind == SheetText::Kind::Post ? QStringLiteral("post") : QStringLiteral("sheet")},
            {QStringLiteral("agrees"), load.status == SheetLoad::Status::Agrees},
            {QStringLiteral("differences"), differences},
            {QStringLiteral("message"), load.message}};
}

} // namespace

int runBuildCommand(const QStringList &args)
{
    const ReplayCommand command{QStringLiteral("build"),
                                QStringLiteral("zrc-cli build [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]...\n"
                                               "       zrc-cli build --from-sheet FILE [--data-dir DIR] [--json]"),
                                {QStringLiteral("--json")}};
    return replayBuild(command, args, [](const BuildEngine &engine, const QSet<QString> &flags, const SheetLoad *sheet) {
        if (flags.contains(QStringLiteral("--json"))) {
            QJsonObject state = buildStateJson(engine);
            if (sheet)
                state.insert(QStringLiteral("sheet"), sheetJson(*sheet));
            writeOut(stdout, QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Indented)), CliText::Json);
        } else {
            writeOut(stdout, table(engine));
            if (sheet)
                writeOut(stdout, sheet->oneLine() + u'\n');
        }
        return sheet ? sheet->exitStatus() : 0;
    });
}
