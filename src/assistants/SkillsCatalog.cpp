#include "SkillsCatalog.h"

#include "GameDatabase.h"
#include "mIni.h"

int skillPositionIndex(QStringView code)
{
    for (int i = 0; i < int(SkillPositions.size()); ++i)
        if (SkillPositions[i].code == code)
            return i;
    return -1;
}

PositionEntries readPositionEntries(const GameDatabase &db, const QString &code)
{
    db.select();
    mIni::ReadGroup group;
    PositionEntries entries;
    for (int n = 1; n <= MaxEntries; ++n) {
        const QString skill = db.value(code, QStringLiteral("技能") + QString::number(n));
        if (!skill.isEmpty())
            entries.skills.append(skill);
        const QString move = db.value(code, QStringLiteral("花式动作") + QString::number(n));
        if (!move.isEmpty())
            entries.moves.append(move);
    }
    return entries;
}

std::array<QString, 7> readSkillDetails(const GameDatabase &db, const QString &name)
{
    db.select();
    mIni::ReadGroup group;
    std::array<QString, 7> details;
    for (size_t i = 0; i < SkillDetailKeys.size(); ++i)
        details[i] = db.value(name, SkillDetailKeys[i].toString());
    return details;
}

std::optional<QString> startingSkillPosition(const QString &positionClass, const QString &pickedPosition)
{
    // Each rule that chooses replaces the choice before it.
    std::optional<QString> choice;
    if (positionClass == u"C")
        return QStringLiteral("C");
    if (positionClass == u"F")
        choice = QStringLiteral("PF");
    if (pickedPosition == u"PF" || pickedPosition == u"SF")
        return pickedPosition;
    if (positionClass == u"G")
        choice = QStringLiteral("SG");
    if (pickedPosition == u"SG" || pickedPosition == u"PG")
        return pickedPosition;
    return choice;
}
