#pragma once

#include "BuildEngine.h"
#include "CharacterRecord.h"
#include "Numbers.h"

#include <QStringList>
#include <array>
#include <memory>

// Characters for the calculator tests, given directly rather than read from a
// database file.
inline CharacterRecord makeRecord(const QString &name, const QString &positionClass, const QString &height,
                                  const std::array<int, AbilityCount> &values,
                                  const QString &special = QString(),
                                  const std::array<double, AbilityCount> &adjust = {},
                                  const QString &recommended = QString())
{
    CharacterRecord r;
    r.name = name;
    r.team = QStringLiteral("东港海鸥");
    r.gender = QStringLiteral("男");
    r.positionClass = positionClass;
    r.recommended = recommended;
    r.height = height;
    for (int i = 0; i < AbilityCount; ++i)
        r.abilities[i] = QString::number(values[i]);
    r.special = special;
    r.specialAdjust = adjust;
    return r;
}

// An engine whose only character is `record`, already chosen.
inline std::unique_ptr<BuildEngine> engineWith(const CharacterRecord &record)
{
    auto e = std::make_unique<BuildEngine>([record](const QString &) { return record; });
    e->Xingming_Click(record.name);
    return e;
}

inline std::array<double, AbilityCount> values(const BuildEngine &e)
{
    std::array<double, AbilityCount> v{};
    for (int i = 0; i < AbilityCount; ++i)
        v[i] = leadingNumber(e.abilityText(i));
    return v;
}

inline QStringList texts(const BuildEngine &e)
{
    QStringList t;
    for (int i = 0; i < AbilityCount; ++i)
        t.append(e.abilityText(i));
    return t;
}

inline double sum(const std::array<double, AbilityCount> &v)
{
    double s = 0;
    for (double x : v)
        s += x;
    return s;
}

// Lists that take an answer now: enabled and shown, the position list aside.
inline QStringList openLists(const BuildEngine &e)
{
    QStringList open;
    for (int i = 1; i < ListCount; ++i) {
        const OptionList &l = e.list(ListId(i));
        if (l.enabled && l.visible)
            open.append(listName(ListId(i)));
    }
    return open;
}

// Picks in order; fails the calling test at the first pick the lists refuse.
#define PICKS(engine, ...)                                                                  \
    do {                                                                                   \
        const QList<QPair<QString, QString>> picks_{__VA_ARGS__};                          \
        for (const auto &p_ : picks_)                                                      \
            QVERIFY2((engine).pick(p_.first, p_.second),                                   \
                     qPrintable(u"the player could not pick " + p_.second + u" in " + p_.first)); \
    } while (false)

inline const std::array<int, AbilityCount> Fifty{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};

// Everything the player can see of the calculator, as one text, to check
// that a step changed nothing.
inline QString snapshot(const BuildEngine &e)
{
    QString s = texts(e).join(u',') + u'|' + e.totalText() + u'|' + e.tip() + u'|' + e.focus() + u'|'
        + pageName(e.page()) + u'|' + QString::number(e.abilitiesVisible()) + u'|'
        + QString::number(e.refused());
    for (int i = 0; i < AbilityCount; ++i)
        s += e.abilityRed(i) ? u'R' : u'-';
    for (int i = 0; i < ListCount; ++i) {
        const OptionList &l = e.list(ListId(i));
        s += u'|' + listName(ListId(i)) + u':' + l.text + u':' + QString::number(l.enabled)
            + QString::number(l.visible) + u':' + l.items.join(u' ');
    }
    for (int i = 0; i < ResultCount; ++i)
        s += u'|' + e.result(ResultId(i)).text + QString::number(e.result(ResultId(i)).visible);
    for (HornSlot k : {HornSlot::FaxingJiao, HornSlot::DuiyouAJiao, HornSlot::DuiyouBJiao})
        s += u'|' + e.hornKey(k).value_or(QStringLiteral("<unset>"));
    return s;
}

// The abilities' differences between two moments.
inline std::array<double, AbilityCount> diff(const std::array<double, AbilityCount> &after,
                                             const std::array<double, AbilityCount> &before)
{
    std::array<double, AbilityCount> d{};
    for (int i = 0; i < AbilityCount; ++i)
        d[i] = after[i] - before[i];
    return d;
}

inline std::array<double, AbilityCount> toDouble(const std::array<int, AbilityCount> &v)
{
    std::array<double, AbilityCount> d{};
    for (int i = 0; i < AbilityCount; ++i)
        d[i] = v[i];
    return d;
}
