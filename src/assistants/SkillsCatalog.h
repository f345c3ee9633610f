#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

class GameDatabase;

// What the skills assistant reads from the game database, and which
// position it starts on. No widgets; the database is only read.

// The five positions of the skills assistant: button name (also the
// database section of the position), caption and background colour.
struct SkillPosition {
    QStringView code;
    QStringView caption;
    int red, green, blue;
};

inline constexpr std::array<SkillPosition, 5> SkillPositions{{
    {u"C",  u"中锋（C）",     255, 100, 35},
    {u"PF", u"大前锋（PF）",   189, 77,  255},
    {u"SF", u"小前锋（SF）",   88,  207, 255},
    {u"SG", u"得分后卫（SG）", 255, 185, 58},
    {u"PG", u"组织后卫（PG）", 35,  255, 165},
}};

// Index of a position code in SkillPositions, or -1.
int skillPositionIndex(QStringView code);

// The skills and fancy moves of a position: the non-empty 技能1 … 技能35 and
// 花式动作1 … 花式动作35 of its section, in number order (gaps skipped).
struct PositionEntries {
    QStringList skills;
    QStringList moves;
};
inline constexpr int MaxEntries = 35;
PositionEntries readPositionEntries(const GameDatabase &db, const QString &code);

// The seven details of a skill or fancy move, read from the section of its
// name; absent keys read as empty.
inline constexpr std::array<QStringView, 7> SkillDetailKeys{
    u"必备指数", u"类型", u"职业", u"等级", u"价格", u"触发条件", u"其他说明"};
std::array<QString, 7> readSkillDetails(const GameDatabase &db, const QString &name);

// The position the window opens on, from the character's position class
// (as the main window shows it) and the position picked for the build:
// C opens on C; F on PF unless SF is picked; G on SG unless PG is picked.
// Otherwise a picked PF, SF, SG or PG, or none.
std::optional<QString> startingSkillPosition(const QString &positionClass, const QString &pickedPosition);
