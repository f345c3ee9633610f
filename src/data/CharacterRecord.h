#pragma once

#include "Abilities.h"

#include <QString>
#include <array>

// One character's section of the game database, as read. Texts are kept
// exactly as read; an absent section gives empty texts and zero adjustments.
struct CharacterRecord {
    QString name;          // the section name: the name chosen in the character box
    QString team;          // 球队
    QString gender;        // 性别
    QString positionClass; // 职业: "C", "F", "G", "可选择" (anything else is kept as is)
    QString recommended;   // 推荐职业, may be empty
    QString height;        // 身高: a height class, "可设置", or any text
    std::array<QString, AbilityCount> abilities; // 跑动 … 近投, texts as read
    QString special;       // 特殊: "1" marks own height adjustments
    // 特殊跑动 … 特殊近投; 0 for an empty key. The last (近投) is held as a
    // whole number, rounded half to even.
    std::array<double, AbilityCount> specialAdjust{};
};
