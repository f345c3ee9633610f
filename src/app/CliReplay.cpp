#include "CliInput.h"
#include "CliOutput.h"
#include "CliReplay.h"

#include "AppPaths.h"
#include "BuildEngine.h"
#include "GameDatabase.h"
#include "RegularFile.h"
#include "SheetFile.h"
#include "SheetLoader.h"

#include <QDir>

#include <array>
#include <cstdio>

namespace {

// What each list asks for, in the window's words.
const std::array<QStringView, ListCount> ListCaptions{
    u"职业", u"等级", u"身高", u"训练", u"VIP",
    u"有鞋装", u"有鞋装", u"无鞋装", u"上衣", u"上衣", u"下衣", u"下衣", u"鞋子", u"鞋子",
    u"加强包", u"加强包", u"新手装",
    u"发型", u"装饰一", u"装饰二", u"装饰三",
    u"队友A角", u"队友A龙头", u"队友B角", u"队友B龙头",
};

// Why a closed list cannot take a pick: the list the build waits for, as the
// build's own "待选" lines name it (the position list stays open throughout,
// so it is waited for only while nothing is picked in it).
QString waitingFor(const BuildEngine &engine)
{
    for (int i = 1; i < ListCount; ++i) {
        const OptionList &l = engine.list(ListId(i));
        if (l.enabled && l.visible)
            return u"先选 " + listName(ListId(i)) + u'（' + ListCaptions[i] + u'）';
    }
    const OptionList &position = engine.list(ListId::ZYe);
    if (position.enabled && position.text.isEmpty())
        return u"先选 " + listName(ListId::ZYe) + u'（' + ListCaptions[0] + u'）';
    return QStringLiteral("这一步已经结束");
}

// The text of --from-sheet's FILE, by the rules of opening a sheet file.
SheetFile::Contents readSheetArgument(const QString &path)
{
    if (path != u"-")
        return SheetFile::read(path);
    const CliInput::Input in = CliInput::readStandardInput(SheetFile::MaxBytes);
    if (in.tooLarge)
        return {QString(), QStringLiteral("输入超过 1 MiB，不是能力表。")};
    if (!in.ok())
        return {QString(), u"读取标准输入失败：" + in.error};
    return {SheetFile::decode(in.bytes), QString()};
}

} // namespace

QString unreadableDatabase()
{
    const RegularFile::Contents file = RegularFile::read(AppPaths::databasePath());
    if (file.ok())
        return QString();
    return u"无法读取游戏数据库 " + QDir::toNativeSeparators(AppPaths::databasePath()) + u"："
           + RegularFile::describe(file.problem);
}

int replayBuild(const ReplayCommand &command, const QStringList &args, const ReplayReport &report)
{
    const auto fail = [&command](const QString &message) {
        writeOut(stderr, u"zrc-cli " + command.name + u": " + message + u'\n');
        return 2;
    };
    QSet<QString> flags;
    QString dataDir;
    std::optional<QString> sheetFile;
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
        } else if (a == u"--from-sheet") {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("--from-sheet 需要一个文件（- 为标准输入）"));
            sheetFile = args[++i];
        } else if (a.startsWith(u"--from-sheet=")) {
            sheetFile = a.mid(13);
        } else {
            words.append(a);
        }
    }
    if (sheetFile && !words.isEmpty())
        return fail(QStringLiteral("--from-sheet 不能与 CHARACTER 或 LIST=ITEM 同时给出"));
    if (!sheetFile && words.isEmpty())
        return fail(u"用法: " + command.usage);

    AppPaths::init(dataDir.isEmpty() ? QStringList() : QStringList{QStringLiteral("--data-dir"), dataDir});
    // A database that cannot be read is named, not mistaken for one without the character.
    if (const QString why = unreadableDatabase(); !why.isEmpty())
        return fail(why);
    const GameDatabase db(AppPaths::databasePath());
    if (sheetFile) {
        const SheetFile::Contents in = readSheetArgument(*sheetFile);
        if (!in.ok())
            return fail(*sheetFile + u": " + in.problem);
        BuildEngine engine([&db](const QString &name) { return db.record(name); });
        const SheetLoad load = loadSheet(in.text, engine, db.allCharacters());
        if (!load.loaded())
            return fail(load.oneLine());
        return report(engine, flags, &load);
    }
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
            if (!l.enabled || !l.visible)
                return fail(name + (l.enabled ? u" 已隐藏，" : u" 未开放，") + waitingFor(engine));
            return fail(name + u" 没有“" + item + u"”；可选: " + l.items.join(u", "));
        }
        if (engine.refused() > refusedBefore)
            writeOut(stderr, name + u'=' + item + u": " + BuildEngine::RefusalText + u'\n');
    }
    return report(engine, flags, nullptr);
}
