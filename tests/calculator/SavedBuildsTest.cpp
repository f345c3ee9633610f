#include "SavedBuildsTest.h"

#include "BonusTables.h"
#include "BuildState.h"
#include "GameDatabase.h"
#include "TestRecords.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

CharacterRecord savedBuildRecord(const QJsonObject &build, const QJsonObject &file)
{
    const QJsonObject r = build.contains(u"record") ? build[u"record"].toObject() : file[u"record"].toObject();
    const QString byName = build.contains(u"character") ? build[u"character"].toString()
                                                          : file[u"character"].toString();
    if (!byName.isEmpty())
        return GameDatabase(QStringLiteral(ZRC_TEST_SAMPLE_DIR "/ZRCdata.dat")).record(byName);
    CharacterRecord rec;
    rec.name = r[u"name"].toString();
    rec.team = r[u"team"].toString();
    rec.gender = r[u"gender"].toString();
    rec.positionClass = r[u"class"].toString();
    rec.recommended = r[u"recommended"].toString();
    rec.height = r[u"height"].toString();
    rec.special = r[u"special"].toString();
    const QJsonArray abilities = r[u"abilities"].toArray();
    const QJsonArray adjust = r[u"adjust"].toArray();
    for (int i = 0; i < AbilityCount; ++i) {
        const QJsonValue v = abilities.at(i);
        rec.abilities[i] = v.isString() ? v.toString() : plainNumber(v.toDouble());
        rec.specialAdjust[i] = adjust.at(i).toDouble();
    }
    return rec;
}

QStringList compareState(const QJsonValue &expected, const QJsonValue &actual, const QString &path)
{
    QStringList out;
    if (expected.isObject()) {
        const QJsonObject e = expected.toObject();
        const QJsonObject a = actual.toObject();
        for (auto it = e.begin(); it != e.end(); ++it) {
            if (!a.contains(it.key()))
                out.append(path + u'.' + it.key() + u": not in the build's state");
            else
                out += compareState(it.value(), a[it.key()], path + u'.' + it.key());
        }
    } else if (expected != actual) {
        auto text = [](const QJsonValue &v) {
            return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
        };
        out.append(path + u": the player saw " + text(actual) + u", expected " + text(expected));
    }
    return out;
}

void SavedBuildsTest::replay_data()
{
    QTest::addColumn<QJsonObject>("file");
    QTest::addColumn<QJsonObject>("build");
    const QDir dir(QStringLiteral(ZRC_TEST_SOURCE_DIR "/builds"));
    const QStringList files = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    QVERIFY2(files.size() >= 8, "the saved builds are missing");
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(name + u": " + error.errorString()));
        const QJsonObject file = doc.object();
        const QJsonArray builds = file.contains(u"builds") ? file[u"builds"].toArray() : QJsonArray{file};
        for (int i = 0; i < builds.size(); ++i)
            QTest::addRow("%s #%d", qPrintable(name), i + 1) << file << builds[i].toObject();
    }
}

void SavedBuildsTest::replay()
{
    QFETCH(QJsonObject, file);
    QFETCH(QJsonObject, build);
    const CharacterRecord record = savedBuildRecord(build, file);
    QVERIFY2(!record.positionClass.isEmpty(), "the saved build's character has no record");
    auto e = engineWith(record);
    for (const QJsonValue &p : build[u"picks"].toArray()) {
        const QString pick = p.toString();
        const qsizetype eq = pick.indexOf(u'=');
        const quint64 refreshes = e->refreshSerial();
        QVERIFY2(e->pick(pick.left(eq), pick.mid(eq + 1)), qPrintable(u"the player could not pick " + pick));
        if (e->refreshSerial() != refreshes)
            QVERIFY2(e->totalText().toDouble() == sum(values(*e)),
                     qPrintable(u"after " + pick + u" the total " + e->totalText() + u" is not the sum of the values"));
    }
    const QStringList mismatches = compareState(build[u"expect"], buildStateJson(*e), QStringLiteral("build"));
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(u'\n')));
}

namespace {

// "传球+7" → 传球 and 7; "三分龙头" → 三分 and 0 (a special item).
struct ItemWords {
    QString ability;
    int amount = 0;
    QString special;
};

ItemWords itemWords(const QString &item)
{
    if (const qsizetype plus = item.indexOf(u'+'); plus > 0)
        return {item.left(plus), item.mid(plus + 1).toInt(), {}};
    for (const QString &special : {u"龙头"_qs, u"角"_qs})
        if (item.endsWith(special))
            return {item.chopped(special.size()), 0, special};
    return {};
}

bool among(QStringView abilities, const QString &ability)
{
    return abilities.isEmpty() || abilities.split(u' ').contains(ability);
}

} // namespace

// A changed cell of a bonus table must change some saved build's numbers:
// every row of every table is used by at least one saved build, and every
// amount of the outfit, second-list and fixed-list tables is picked.
void SavedBuildsTest::everyBonusRowIsReplayed()
{
    // Cells of the item tables: (row, amount or special) picked by a build.
    QSet<QPair<const void *, QString>> picked;
    QSet<const void *> used;
    const QDir dir(QStringLiteral(ZRC_TEST_SOURCE_DIR "/builds"));
    for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QJsonObject file = QJsonDocument::fromJson(f.readAll()).object();
        const QJsonArray builds = file.contains(u"builds") ? file[u"builds"].toArray() : QJsonArray{file};
        for (const QJsonValue &b : builds) {
            const CharacterRecord record = savedBuildRecord(b.toObject(), file);
            used.insert(&referenceRow(record.positionClass));
            QString position;
            QHash<QString, ItemWords> inList; // the last item picked in each list
            for (const QJsonValue &p : b[u"picks"].toArray()) {
                const QString pick = p.toString();
                const QString list = pick.section(u'=', 0, 0);
                const QString item = pick.section(u'=', 1);
                const ItemWords words = itemWords(item);
                inList[list] = words;
                const std::optional<ListId> id = listByName(list);
                for (const OutfitListRow &row : OutfitLists)
                    if (id == row.list && words.amount && among(row.abilities, words.ability))
                        picked.insert({&row, QString::number(words.amount)});
                for (const FixedListRow &row : FixedLists)
                    if (id == row.list && (words.amount || !words.special.isEmpty()))
                        picked.insert({&row, words.special.isEmpty() ? QString::number(words.amount) : words.special});
                for (const SecondListRow &row : SecondLists) {
                    const ItemWords first = inList.value(listName(row.first));
                    if (id == row.second && words.amount == row.secondAmount && among(row.secondAbilities, words.ability)
                        && first.amount == row.firstAmount && among(row.firstAbilities, first.ability))
                        picked.insert({&row, QString()});
                }
                if (list == u"ZYe") {
                    position = item;
                    for (const PositionBonusRow &row : PositionBonus)
                        if ((row.native == u"any" || row.native == record.positionClass) && row.chosen == item)
                            used.insert(&row);
                }
                for (const LevelBonusRow &row : LevelBonus)
                    if (list == u"Dji" && row.position == position && row.level == item)
                        used.insert(&row);
                const QString height = list == u"Dji" && record.height != u"可设置" ? record.height
                                       : list == u"Sgao"                          ? item
                                                                                   : QString();
                for (const HeightRow &row : HeightBonus)
                    if (record.special != u"1" && row.height == height)
                        used.insert(&row);
                for (const TrainingRow &row : TrainingBonus)
                    if (list == u"Xlian" && row.training == item)
                        used.insert(&row);
                for (const VipRow &row : VipBonus)
                    if (list == u"Vip" && row.vip == item)
                        used.insert(&row);
            }
        }
    }
    QStringList unused;
    for (const ReferenceRow &row : ReferenceRows)
        if (!used.contains(&row))
            unused.append(u"reference " + row.classes.toString());
    for (const PositionBonusRow &row : PositionBonus)
        if (!used.contains(&row))
            unused.append(u"position " + row.native.toString() + u' ' + row.chosen.toString());
    for (const LevelBonusRow &row : LevelBonus)
        if (!used.contains(&row))
            unused.append(u"level " + row.position.toString() + u' ' + row.level.toString());
    for (const HeightRow &row : HeightBonus)
        if (!used.contains(&row))
            unused.append(u"height " + row.height.toString());
    for (const TrainingRow &row : TrainingBonus)
        if (!used.contains(&row))
            unused.append(u"training " + row.training.toString());
    for (const VipRow &row : VipBonus)
        if (!used.contains(&row))
            unused.append(u"VIP " + row.vip.toString());
    for (const OutfitListRow &row : OutfitLists)
        for (int amount : {row.everyLevel, row.from16, row.from31})
            if (!picked.contains({&row, QString::number(amount)}))
                unused.append(u"outfit " + listName(row.list) + u" +" + QString::number(amount));
    for (const SecondListRow &row : SecondLists)
        if (!picked.contains({&row, QString()}))
            unused.append(u"second list " + listName(row.first) + u' ' + row.firstAbilities.toString() + u" +"
                          + QString::number(row.firstAmount));
    for (const FixedListRow &row : FixedLists) {
        QStringList cells;
        if (!row.special.isEmpty())
            cells.append(row.special.toString());
        for (int amount : row.amounts)
            if (amount)
                cells.append(QString::number(amount));
        for (const QString &cell : std::as_const(cells))
            if (!picked.contains({&row, cell}))
                unused.append(u"fixed list " + listName(row.list) + u' ' + cell);
    }
    QVERIFY2(unused.isEmpty(), qPrintable(u"no saved build uses: " + unused.join(u", ")));
}
