#include "BuildLibrary.h"

#include "BuildEngine.h"
#include "GameDatabase.h"
#include "Numbers.h"
#include "SheetFile.h"
#include "SheetLoader.h"
#include "SheetText.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <optional>

LibraryData LibraryData::read(const GameDatabase &db)
{
    LibraryData data;
    data.characters = db.allCharacters();
    for (const QString &name : std::as_const(data.characters))
        data.records.insert(name, db.record(name));
    return data;
}

QString libraryStatusName(LibraryEntry::Status status)
{
    switch (status) {
    case LibraryEntry::Status::Agrees: return QStringLiteral("agrees");
    case LibraryEntry::Status::Differs: return QStringLiteral("differs");
    case LibraryEntry::Status::Unreadable: break;
    }
    return QStringLiteral("unreadable");
}

LibraryEntry readLibraryEntry(const QString &path, const LibraryData &data)
{
    const QFileInfo info(path);
    LibraryEntry e;
    e.path = path;
    e.file = info.fileName();
    e.saved = info.lastModified();
    e.size = info.size();

    const SheetFile::Contents in = SheetFile::read(path);
    if (!in.ok()) {
        e.reason = in.problem;
        return e;
    }
    e.text = in.text;
    BuildEngine engine([&data](const QString &name) {
        CharacterRecord r = data.records.value(name);
        r.name = name;
        return r;
    });
    const SheetLoad load = loadSheet(in.text, engine, data.characters);
    if (!load.loaded()) {
        e.reason = load.oneLine();
        return e;
    }
    e.status = load.status == SheetLoad::Status::Agrees ? LibraryEntry::Status::Agrees : LibraryEntry::Status::Differs;
    if (e.status != LibraryEntry::Status::Agrees)
        e.reason = load.oneLine();
    e.sequence = load.sequence;

    const SheetText sheet = readSheetText(in.text);
    e.character = sheet.character();
    e.position = sheet.value(SheetText::PositionLine);
    e.level = sheet.value(SheetText::LevelLine);
    e.training = sheet.value(SheetText::TrainingLine);
    for (int i = 0; i <= AbilityCount; ++i)
        e.values[i] = sheet.ability(i);
    return e;
}

QStringList libraryFiles(const QString &folder, QString *problem)
{
    const QFileInfo info(folder);
    const auto fail = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return QStringList();
    };
    if (folder.isEmpty() || !info.exists())
        return fail(QStringLiteral("文件夹不存在"));
    if (!info.isDir())
        return fail(QStringLiteral("不是文件夹"));
    if (!info.isReadable() || !info.isExecutable())
        return fail(QStringLiteral("没有权限读取这个文件夹"));
    // System: FIFOs, sockets and devices too, so they are listed (and never opened).
    QDirIterator it(folder, {QStringLiteral("*.txt")}, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    QStringList names;
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    std::sort(names.begin(), names.end());
    if (problem)
        problem->clear();
    return names;
}

QList<LibraryEntry> readLibrary(const QString &folder, const LibraryData &data, QString *problem)
{
    QList<LibraryEntry> entries;
    const QDir dir(folder);
    for (const QString &name : libraryFiles(folder, problem))
        entries.append(readLibraryEntry(dir.filePath(name), data));
    return entries;
}

namespace {

struct ColumnInfo {
    QStringView name;   // for --sort
    QStringView header; // in the window
    bool number;
};

const ColumnInfo &columnInfo(int column)
{
    static const std::array<ColumnInfo, LibraryColumn::FirstAbility> first{{
        {u"file", u"文件名", false},
        {u"character", u"角色", false},
        {u"position", u"职业", false},
        {u"level", u"等级", true},
        {u"training", u"训练", false},
        {u"total", u"综合", true},
    }};
    static const std::array<ColumnInfo, AbilityCount> abilities = [] {
        std::array<ColumnInfo, AbilityCount> a{};
        for (int i = 0; i < AbilityCount; ++i)
            a[i] = {Abilities[i].name, Abilities[i].name, true};
        return a;
    }();
    static const ColumnInfo date{u"date", u"保存时间", true};
    if (column < LibraryColumn::FirstAbility)
        return first[column];
    return column < LibraryColumn::Date ? abilities[column - LibraryColumn::FirstAbility] : date;
}

// The number a row shows in a column, if any.
std::optional<double> numberOf(const LibraryEntry &e, int column)
{
    if (column == LibraryColumn::Date)
        return e.saved.isValid() ? std::optional<double>(double(e.saved.toMSecsSinceEpoch())) : std::nullopt;
    const QString text = libraryCell(e, column);
    if (!startsWithNumber(text))
        return std::nullopt;
    return leadingNumber(text);
}

} // namespace

QString libraryColumnHeader(int column) { return columnInfo(column).header.toString(); }
bool libraryColumnIsNumber(int column) { return columnInfo(column).number; }

int libraryColumnByName(const QString &name)
{
    if (name == u"综合")
        return LibraryColumn::Total;
    for (int c = 0; c < LibraryColumn::Count; ++c)
        if (columnInfo(c).name == name)
            return c;
    return -1;
}

QString libraryCell(const LibraryEntry &e, int column)
{
    switch (column) {
    case LibraryColumn::File: return e.file;
    case LibraryColumn::Character: return e.character;
    case LibraryColumn::Position: return e.position;
    case LibraryColumn::Level: return e.level;
    case LibraryColumn::Training: return e.training;
    case LibraryColumn::Total: return e.values[AbilityCount];
    case LibraryColumn::Date: return e.saved.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    default: break;
    }
    return e.values[column - LibraryColumn::FirstAbility];
}

void sortLibrary(QList<LibraryEntry> &entries, int column, bool reversed)
{
    const bool number = libraryColumnIsNumber(column);
    // Keys computed once: a comparison sort asks for each many times.
    struct Key {
        std::optional<double> number;
        QString text;
        qsizetype index;
    };
    QList<Key> keys;
    keys.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i)
        keys.append({number ? numberOf(entries[i], column) : std::nullopt,
                     number ? QString() : libraryCell(entries[i], column), i});
    const auto byFile = [&entries](const Key &a, const Key &b) {
        return entries[a.index].file < entries[b.index].file;
    };
    std::stable_sort(keys.begin(), keys.end(), [&](const Key &a, const Key &b) {
        if (number) {
            if (a.number.has_value() != b.number.has_value())
                return a.number.has_value(); // rows without a number last
            if (a.number && *a.number != *b.number)
                return reversed ? *a.number < *b.number : *a.number > *b.number;
        } else {
            const bool emptyA = a.text.isEmpty(), emptyB = b.text.isEmpty();
            if (emptyA != emptyB)
                return emptyB;
            if (a.text != b.text)
                return reversed ? b.text < a.text : a.text < b.text;
        }
        return byFile(a, b);
    });
    QList<LibraryEntry> sorted;
    sorted.reserve(entries.size());
    for (const Key &k : std::as_const(keys))
        sorted.append(std::move(entries[k.index]));
    entries = std::move(sorted);
}

bool libraryRowMatches(const LibraryEntry &e, const QString &character, const QString &text)
{
    if (!character.isEmpty() && e.character != character)
        return false;
    if (text.isEmpty())
        return true;
    for (int c = 0; c < LibraryColumn::Count; ++c)
        if (libraryCell(e, c).contains(text, Qt::CaseInsensitive))
            return true;
    return e.reason.contains(text, Qt::CaseInsensitive);
}
