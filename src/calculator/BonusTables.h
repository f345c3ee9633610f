#pragma once

#include "Abilities.h"
#include "BuildEngine.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <span>

// Every table of the calculator as data: one row here per row of the game's
// published tables, same order, same columns, so a row can be checked at a
// glance. Word lists are written as space-separated text ("C F PF SF G SG PG",
// "中投 三分 灌篮 近投"); ability lists always follow the ability order. The
// item lists the combos offer are generated from these rows (see Catalogue).

// Twelve amounts in ability order, 跑动 … 近投; 0 is a blank cell (unchanged).
using Deltas = std::array<int, AbilityCount>;

// Reference values of an ordinary character, for the deviation markers.
// `classes` lists the class texts of the row; the first row also serves
// every class not listed.
struct ReferenceRow {
    QStringView classes;
    Deltas values;
    int total;
};
extern const std::span<const ReferenceRow> ReferenceRows;
const ReferenceRow &referenceRow(QStringView positionClass);

// Positions a class may play (ZYe items).
struct PositionsRow {
    QStringView positionClass;
    QStringView positions;
};
extern const std::span<const PositionsRow> PositionsByClass;

// Levels offered for a position (Dji items).
struct LevelsRow {
    QStringView positions;
    QStringView levels;
};
extern const std::span<const LevelsRow> LevelsByPosition;

// Position bonus: `native` "" means any class.
struct PositionBonusRow {
    QStringView native;
    QStringView chosen;
    Deltas bonus;
};
extern const std::span<const PositionBonusRow> PositionBonus;

// Level bonus: the whole growth from 1级 to that level.
struct LevelBonusRow {
    QStringView position;
    QStringView level;
    Deltas bonus;
};
extern const std::span<const LevelBonusRow> LevelBonus;

// Training lists (Xlian items) by level.
struct TrainingListRow {
    QStringView levels;
    QStringView items;
};
extern const std::span<const TrainingListRow> TrainingLists;

// Standard height table; its rows are also the Sgao items of a selectable height.
struct HeightRow {
    QStringView height;
    Deltas bonus;
};
extern const std::span<const HeightRow> HeightBonus;

// Training bonus.
struct TrainingRow {
    QStringView training;
    Deltas bonus;
};
extern const std::span<const TrainingRow> TrainingBonus;

// VIP bonus; its rows are the Vip items.
struct VipRow {
    QStringView vip;
    Deltas bonus;
};
extern const std::span<const VipRow> VipBonus;

// Level tiers of the outfit lists: tier 1 from 16级, tier 2 from 31级.
struct LevelTierRow {
    QStringView levels;
    int tier;
};
extern const std::span<const LevelTierRow> LevelTiers;
int levelTier(QStringView level);

// Outfit first lists: 不选择, then each ability of `abilities` + the amount
// of every tier up to the level's, tier after tier.
struct OutfitListRow {
    ListId list;
    QStringView abilities;
    int everyLevel;
    int from16;
    int from31;
};
extern const std::span<const OutfitListRow> OutfitLists;

// Second lists: picking in `first` an item of `firstAbilities` ("" = any)
// worth `firstAmount` appends `secondAbilities` + `secondAmount` to `second`.
struct SecondListRow {
    ListId first;
    QStringView firstAbilities;
    int firstAmount;
    ListId second;
    QStringView secondAbilities;
    int secondAmount;
};
extern const std::span<const SecondListRow> SecondLists;

// Lists that are the same at every level. Items in this order: 不选择 (when
// `none`), the twelve special items (`special`: "龙头", "角" or ""), then
// `abilities` + each of `amounts` (0 = unused), amount after amount.
struct FixedListRow {
    ListId list;
    bool none;
    QStringView special;
    QStringView abilities;
    std::array<int, 3> amounts;
};
extern const std::span<const FixedListRow> FixedLists;

// What an item text means.
struct ItemInfo {
    enum Kind { Unknown, None, Plus, Horn, DragonHead };
    Kind kind = Unknown;
    int ability = -1; // index in ability order
    int amount = 0;   // what it raises
    QString hornKey;  // 角 item of the same ability, for Horn and DragonHead
};

// The item lists and item meanings generated from the tables above, built once.
class Catalogue {
public:
    static const Catalogue &instance();

    const QStringList &positions(const QString &positionClass) const;
    const QStringList &levels(const QString &position) const;
    const QStringList &trainings(const QString &level) const;
    const QStringList &heights() const { return m_heights; }
    const QStringList &vips() const { return m_vips; }
    const QStringList &outfitList(ListId list, int tier) const;
    const QStringList &fixedList(ListId list) const;
    // Items appended to the second list when `firstItem` is picked in `first`.
    const QStringList &secondItems(ListId first, const QString &firstItem) const;
    const ItemInfo &item(const QString &text) const;

private:
    Catalogue();
    QHash<QString, QStringList> m_positions, m_levels, m_trainings;
    QStringList m_heights, m_vips;
    std::array<std::array<QStringList, 3>, ListCount> m_outfit;
    std::array<QStringList, ListCount> m_fixed;
    std::array<QHash<QString, QStringList>, ListCount> m_second;
    QHash<QString, ItemInfo> m_items;
    QStringList m_empty;
    ItemInfo m_unknown;
};
