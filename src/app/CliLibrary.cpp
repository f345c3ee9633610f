#include "CliOutput.h"
#include "CliCommands.h"

#include "AppPaths.h"
#include "BuildLibrary.h"
#include "GameDatabase.h"
#include "RegularFile.h"
#include "SheetFile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// zrc-cli library [--data-dir DIR] [--dir FOLDER] [--sort COLUMN] [--json]
//
// The "我的配置" window's list on standard output: every sheet file of the
// folder (default: the folder Ctrl+S suggests), read by the sheet loader and
// replayed on the game data, as a table or as one JSON array. Status 0; 2
// for a bad option, a database or a folder that cannot be read.

namespace {

const QString Usage = QStringLiteral("用法: zrc-cli library [--data-dir DIR] [--dir FOLDER] [--sort COLUMN] [--json]\n");

int fail(const QString &message, bool usage = false)
{
    writeOut(stderr, u"zrc-cli library: " + message + u'\n' + (usage ? Usage : QString()));
    return 2;
}

QJsonValue number(const QString &text)
{
    bool ok = false;
    const double v = text.toDouble(&ok);
    return ok ? QJsonValue(v) : QJsonValue();
}

QJsonObject json(const LibraryEntry &e)
{
    QJsonObject o{{QStringLiteral("file"), e.file},
                  {QStringLiteral("status"), libraryStatusName(e.status)},
                  {QStringLiteral("reason"), e.reason},
                  {QStringLiteral("date"), e.saved.toString(Qt::ISODate)}};
    if (!e.loaded())
        return o;
    QJsonObject abilities;
    for (int i = 0; i < AbilityCount; ++i)
        abilities.insert(Abilities[i].name.toString(), number(e.values[i]));
    o.insert(QStringLiteral("character"), e.character);
    o.insert(QStringLiteral("position"), e.position);
    o.insert(QStringLiteral("level"), e.level);
    o.insert(QStringLiteral("training"), e.training);
    o.insert(QStringLiteral("abilities"), abilities);
    o.insert(QStringLiteral("total"), number(e.values[AbilityCount]));
    return o;
}

// One line per file, its cells separated by tabs; a reason follows on an
// indented line of its own.
QString table(const QList<LibraryEntry> &entries)
{
    static const QString StatusText[] = {QStringLiteral("一致"), QStringLiteral("不同"), QStringLiteral("无法读取")};
    QStringList header{QStringLiteral("状态")};
    for (int c = 0; c < LibraryColumn::Count; ++c)
        header.append(libraryColumnHeader(c));
    QString out = header.join(u'\t') + u'\n';
    for (const LibraryEntry &e : entries) {
        QStringList cells{StatusText[int(e.status)]};
        for (int c = 0; c < LibraryColumn::Count; ++c)
            cells.append(libraryCell(e, c));
        out += cells.join(u'\t') + u'\n';
        if (!e.reason.isEmpty())
            out += u"    " + e.reason + u'\n';
    }
    return out;
}

} // namespace

int runLibraryCommand(const QStringList &args)
{
    bool asJson = false;
    QString dataDir, folder = SheetFile::suggestedFolder(), sortName = QStringLiteral("file");
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        QString *value = a == u"--data-dir" || a.startsWith(u"--data-dir=") ? &dataDir
                         : a == u"--dir" || a.startsWith(u"--dir=")         ? &folder
                         : a == u"--sort" || a.startsWith(u"--sort=")       ? &sortName
                                                                            : nullptr;
        if (a == u"--json") {
            asJson = true;
        } else if (!value) {
            return fail(u"多余的参数 “" + a + u'”', true);
        } else if (a.contains(u'=')) {
            *value = a.section(u'=', 1);
        } else if (i + 1 < args.size()) {
            *value = args[++i];
        } else {
            return fail(a + QStringLiteral(" 需要一个值"), true);
        }
    }
    const int column = libraryColumnByName(sortName);
    if (column < 0)
        return fail(u"没有这一列: " + sortName
                    + QStringLiteral("（可用 file、character、position、level、training、total、date 或能力名）"));

    AppPaths::init(dataDir.isEmpty() ? QStringList() : QStringList{QStringLiteral("--data-dir"), dataDir});
    if (const RegularFile::Contents file = RegularFile::read(AppPaths::databasePath()); !file.ok())
        return fail(u"无法读取游戏数据库 " + QDir::toNativeSeparators(AppPaths::databasePath()) + u"："
                    + RegularFile::describe(file.problem));
    QString problem;
    const QStringList names = libraryFiles(folder, &problem);
    if (!problem.isEmpty())
        return fail(QDir::toNativeSeparators(folder) + u": " + problem);

    const LibraryData data = LibraryData::read(GameDatabase(AppPaths::databasePath()));
    QList<LibraryEntry> entries;
    for (const QString &name : names)
        entries.append(readLibraryEntry(QDir(folder).filePath(name), data));
    sortLibrary(entries, column);

    if (asJson) {
        QJsonArray array;
        for (const LibraryEntry &e : std::as_const(entries))
            array.append(json(e));
        writeOut(stdout, QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
    } else {
        writeOut(stdout, table(entries));
    }
    return 0;
}
