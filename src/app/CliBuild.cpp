#include "CliCommands.h"

#include "AppPaths.h"
#include "BuildEngine.h"
#include "BuildState.h"
#include "GameDatabase.h"

#include <QJsonDocument>

#include <cstdio>

// zrc-cli build [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]...
//
// Replays a build on the calculator's engine: the character is chosen as in
// the all-characters list, then each item is picked in its list as a user
// would pick it. A pick the lists do not allow at that moment stops the
// replay (status 2); a pick refused by the no-stacking rule is reported and
// the replay goes on, the list still open.

namespace {

void writeOut(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

int fail(const QString &message)
{
    writeOut(stderr, u"zrc-cli build: " + message + u'\n');
    return 2;
}

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
    bool json = false;
    QString dataDir;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--json") {
            json = true;
        } else if (a == u"--data-dir") {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("--data-dir 需要一个目录"));
            dataDir = args[++i];
        } else if (a.startsWith(u"--data-dir=")) {
            dataDir = a.mid(11);
        } else {
            words.append(a);
        }
    }
    if (words.isEmpty())
        return fail(QStringLiteral("用法: zrc-cli build [--data-dir DIR] [--json] CHARACTER [LIST=ITEM]..."));

    AppPaths::init(dataDir.isEmpty() ? QStringList() : QStringList{QStringLiteral("--data-dir"), dataDir});
    const GameDatabase db(AppPaths::databasePath());
    const QString character = words.takeFirst();
    if (!db.allCharacters().contains(character))
        return fail(u"没有这个角色: " + character);

    BuildEngine engine([&db](const QString &name) { return db.record(name); });
    engine.Xingming_Click(character);

    for (const QString &word : std::as_const(words)) {
        const qsizetype eq = word.indexOf(u'=');
        if (eq <= 0)
            return fail(u"应为 LIST=ITEM: " + word);
        const QString name = word.left(eq);
        const QString item = word.mid(eq + 1);
        const std::optional<ListId> id = listByName(name);
        if (!id)
            return fail(u"没有这个列表: " + name);
        const OptionList &l = engine.list(*id);
        const int refusedBefore = engine.refused();
        if (!engine.pick(*id, item)) {
            const QString why = !l.enabled ? QStringLiteral("未开放")
                                : !l.visible ? QStringLiteral("已隐藏")
                                             : u"没有“" + item + u"”";
            return fail(name + u' ' + why + u"；可选: " + l.items.join(u", "));
        }
        if (engine.refused() > refusedBefore)
            writeOut(stderr, name + u'=' + item + u": " + BuildEngine::RefusalText + u'\n');
    }

    if (json)
        writeOut(stdout, QString::fromUtf8(QJsonDocument(buildStateJson(engine)).toJson(QJsonDocument::Indented)));
    else
        writeOut(stdout, table(engine));
    return 0;
}
