#include "CliReplay.h"

#include "AppPaths.h"
#include "BuildEngine.h"
#include "GameDatabase.h"

#include <cstdio>

void writeOut(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

int replayBuild(const ReplayCommand &command, const QStringList &args,
                const std::function<int(const BuildEngine &, const QSet<QString> &)> &report)
{
    const auto fail = [&command](const QString &message) {
        writeOut(stderr, u"zrc-cli " + command.name + u": " + message + u'\n');
        return 2;
    };
    QSet<QString> flags;
    QString dataDir;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (command.flags.contains(a)) {
            flags.insert(a);
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
        return fail(u"用法: " + command.usage);

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
    return report(engine, flags);
}
