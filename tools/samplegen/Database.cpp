#include "Database.h"

#include "GenerationError.h"
#include "TextFiles.h"

#include "data/Abilities.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <utility>

namespace {

const QStringList Positions{u"C"_qs, u"PF"_qs, u"SF"_qs, u"SG"_qs, u"PG"_qs};
const QStringList SkillDetailKeys{u"必备指数"_qs, u"类型"_qs, u"职业"_qs, u"等级"_qs,
                                  u"价格"_qs, u"触发条件"_qs, u"其他说明"_qs};
constexpr int MaxListed = 35;   // 技能1 … 技能35, 花式动作1 … 花式动作35
constexpr int MaxValueBytes = 143;

QString handWritten(const QString &path)
{
    QStringList kept;
    for (QString line : readSource(path).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.trimmed().startsWith(QLatin1Char(';')))
            kept.append(line);
    }
    return kept.join(QLatin1Char('\n')).trimmed() + QLatin1Char('\n');
}

// "篮板=-2,中投=1.5" → the 特殊… keys in ability order.
QString specialKeys(const QString &list, const QString &where)
{
    QString values[AbilityCount];
    for (const QString &item : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = item.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = item.section(QLatin1Char('='), 1).trimmed();
        const int i = abilityIndex(name);
        bool isNumber = false;
        value.toDouble(&isNumber);
        if (i < 0 || !isNumber)
            fail(QStringLiteral("%1: bad 特殊调整 item \"%2\"").arg(where, item));
        values[i] = value;
    }
    QString out;
    for (int i = 0; i < AbilityCount; ++i)
        if (!values[i].isEmpty())
            out += u"特殊"_qs + Abilities[i].name.toString() + QLatin1Char('=') + values[i] + QLatin1Char('\n');
    return out;
}

QString characterSections(const Table &table, QList<CharacterCard> *cards)
{
    QString out;
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        const QString name = table.cell(r, u"名称"_qs);
        out += u"\n["_qs + name + u"]\n"_qs;
        for (const char16_t *key : {u"球队", u"性别", u"职业", u"推荐职业", u"身高"})
            out += QString::fromUtf16(key) + QLatin1Char('=') + table.cell(r, QString::fromUtf16(key)) + QLatin1Char('\n');
        for (const AbilityInfo &ability : Abilities) {
            const QString value = table.cell(r, ability.name.toString());
            bool whole = false;
            value.toInt(&whole);
            if (!whole)
                fail(QStringLiteral("%1: %2 is not a whole number").arg(table.where(r), ability.name.toString()));
            out += ability.name.toString() + QLatin1Char('=') + value + QLatin1Char('\n');
        }
        out += u"特殊="_qs + table.cell(r, u"特殊"_qs) + QLatin1Char('\n');
        out += specialKeys(table.cell(r, u"特殊调整"_qs), table.where(r));

        const QString portrait = table.cell(r, u"头像"_qs);
        if (portrait != u"有"_qs && portrait != u"无"_qs)
            fail(QStringLiteral("%1: 头像 must be 有 or 无").arg(table.where(r)));
        cards->append({name, table.cell(r, u"职业"_qs), table.cell(r, u"身高"_qs), portrait == u"有"_qs});
    }
    return out;
}

QString skillSections(const Table &table)
{
    QMap<QString, QStringList> skills, moves;
    QString details;
    for (qsizetype r = 0; r < table.rowCount(); ++r) {
        const QString name = table.cell(r, u"名称"_qs);
        const QString list = table.cell(r, u"列表"_qs);
        if (list != u"技能"_qs && list != u"花式动作"_qs)
            fail(QStringLiteral("%1: 列表 must be 技能 or 花式动作").arg(table.where(r)));
        for (const QString &position : table.cell(r, u"职业"_qs).split(u'、')) {
            if (!Positions.contains(position))
                fail(QStringLiteral("%1: unknown position \"%2\"").arg(table.where(r), position));
            (list == u"技能"_qs ? skills : moves)[position].append(name);
        }
        details += u"\n["_qs + name + u"]\n"_qs;
        for (const QString &key : SkillDetailKeys)
            details += key + QLatin1Char('=') + table.cell(r, key) + QLatin1Char('\n');
    }

    QString out;
    for (const QString &position : Positions) {
        out += u"\n["_qs + position + u"]\n"_qs;
        for (const auto &[prefix, names] : {std::pair{u"技能"_qs, skills[position]},
                                            std::pair{u"花式动作"_qs, moves[position]}}) {
            if (names.size() > MaxListed)
                fail(QStringLiteral("position %1 lists more than %2 %3").arg(position).arg(MaxListed).arg(prefix));
            for (qsizetype i = 0; i < names.size(); ++i)
                out += prefix + QString::number(i + 1) + QLatin1Char('=') + names[i] + QLatin1Char('\n');
        }
    }
    return out + details;
}

// Checks what the program's reader relies on: one name, one section; values
// it would not cut.
void checkLayout(const QString &text)
{
    static const QRegularExpression sectionLine(u"^\\[(.*)\\]$"_qs);
    QSet<QString> sections;
    QString section;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const auto match = sectionLine.match(line);
        if (match.hasMatch()) {
            section = match.captured(1);
            if (sections.contains(section.toCaseFolded()))
                fail(QStringLiteral("section [%1] appears twice: names must be unique").arg(section));
            sections.insert(section.toCaseFolded());
        } else if (line.contains(QLatin1Char('='))) {
            const QString value = line.section(QLatin1Char('='), 1).trimmed();
            if (gbkLength(value) > MaxValueBytes)
                fail(QStringLiteral("[%1] %2: value longer than %3 bytes")
                         .arg(section, line.section(QLatin1Char('='), 0, 0)).arg(MaxValueBytes));
        }
    }
}

} // namespace

Database buildDatabase(const QString &srcDir)
{
    Database db;
    db.text = handWritten(srcDir + u"/ZRCdata.ini"_qs);
    db.text += characterSections(Table::read(srcDir + u"/characters.tsv"_qs), &db.characters);
    db.text += skillSections(Table::read(srcDir + u"/skills.tsv"_qs));
    checkLayout(db.text);
    return db;
}
