#include "GameDatabase.h"

#include "Numbers.h"
#include "mIni.h"

#include <QFileInfo>

namespace {

// The non-empty values of <prefix>1 … <prefix>count, in key order.
QStringList numberedList(const GameDatabase &db, const QString &section,
                         const QString &prefix, int count)
{
    db.select();
    mIni::ReadGroup group;
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        const QString name = db.value(section, prefix + QString::number(i));
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

} // namespace

GameDatabase::GameDatabase(QString path)
    : m_path(std::move(path))
{
}

bool GameDatabase::exists() const
{
    return QFileInfo(m_path).isFile();
}

void GameDatabase::select() const
{
    // The game data is never written, not even the clean-up of empty keys.
    if (mIni::IniFile() != m_path || mIni::IniAccess() != mIni::Access::ReadOnly)
        mIni::setIniFile(m_path, mIni::Access::ReadOnly);
}

QString GameDatabase::value(const QString &section, const QString &key) const
{
    select();
    return mIni::IniRead(section, key);
}

QStringList GameDatabase::teams() const
{
    return numberedList(*this, QStringLiteral("所有球队"), QStringLiteral("球队"), 25);
}

QStringList GameDatabase::allCharacters() const
{
    return numberedList(*this, QStringLiteral("所有角色"), QStringLiteral("角色"), 60);
}

QStringList GameDatabase::teamMembers(const QString &team) const
{
    return numberedList(*this, team, QStringLiteral("角色"), 5);
}

CharacterRecord GameDatabase::record(const QString &name) const
{
    select();
    mIni::ReadGroup group;
    CharacterRecord r;
    r.name = name;
    r.team = value(name, QStringLiteral("球队"));
    r.gender = value(name, QStringLiteral("性别"));
    r.positionClass = value(name, QStringLiteral("职业"));
    r.recommended = value(name, QStringLiteral("推荐职业"));
    r.height = value(name, QStringLiteral("身高"));
    for (int i = 0; i < AbilityCount; ++i)
        r.abilities[i] = value(name, Abilities[i].name.toString());
    r.special = value(name, QStringLiteral("特殊"));
    for (int i = 0; i < AbilityCount; ++i)
        r.specialAdjust[i] = leadingNumber(value(name, QStringLiteral("特殊") + Abilities[i].name));
    // The last adjustment is applied as a whole number.
    r.specialAdjust[AbilityCount - 1] = roundHalfEven(r.specialAdjust[AbilityCount - 1]);
    return r;
}
