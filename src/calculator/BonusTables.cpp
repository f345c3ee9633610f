#include "BonusTables.h"

namespace {

constexpr QStringView Any = u"any";

//  classes          跑动 弹跳 对抗 传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投   综合
constexpr ReferenceRow referenceRows[] = {
    {u"G",          {40,  10,  10,  40,  40,  10,  10,  40,  20,  40,  10,  10}, 280},
    {u"F 可选择",   {20,  40,  20,  20,  20,  20,  20,  20,  40,  20,  20,  20}, 280},
    {u"C",          {10,  20,  40,  20,  10,  40,  40,  10,  10,  10,  40,  40}, 290},
};

constexpr PositionsRow positionsByClass[] = {
    {u"可选择", u"C F PF SF G SG PG"},
    {u"C",      u"C"},
    {u"F",      u"F PF SF"},
    {u"G",      u"G SG PG"},
};

constexpr LevelsRow levelsByPosition[] = {
    {u"F G",         u"1级 11级"},
    {u"C",           u"1级 11级 16级 31级 45级 50级"},
    {u"PF SF SG PG", u"16级 31级 45级 50级"},
};

//  native    chosen     跑动 弹跳 对抗 传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投
constexpr PositionBonusRow positionBonus[] = {
    {u"G",      u"SG", {+15,  +3,  +3,  +1,  +1,  +3,  +3, +15, +21, +15,  +3,  +3}},
    {u"G",      u"PG", {+15, +10, +10, +15, +15,  +3, +10, +15,  +7,  +1, +10,  +3}},
    {Any,       u"SF", {+21,  +1,  +7,  +7,  +7,  +7,   0,  +7, +15, +21,  +7,  +7}},
    {Any,       u"PF", {  0, +15, +21,  +7,   0, +21,  +7,   0,  +1,   0, +21, +21}},
    {u"可选择", u"G",  {+20, -30, -10, +20, +20, -10, -10, +20, -20, +20, -10, -10}},
    {u"可选择", u"PG", {+35, -20,   0, +35, +35,  -7,   0, +35, -13, +21,   0,  -7}},
    {u"可选择", u"SG", {+35, -27,  -7, +21, +21,  -7,  -7, +35,  +1, +35,  -7,  -7}},
    {u"可选择", u"C",  {-10, -20, +20,   0, -10, +20, +20, -10, -30, -10, +20, +20}},
};

//  position level      跑动 弹跳 对抗 传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投
constexpr LevelBonusRow levelBonus[] = {
    {u"G",  u"11级", {+10,  +2,  +2, +10, +10,  +2,  +2, +10,  +4, +10,  +2,  +2}},
    {u"F",  u"11级", { +4, +10,  +4,  +4,  +4,  +4,  +4,  +4, +10,  +4,  +4,  +4}},
    {u"C",  u"11级", { +2,  +4, +10,  +4,  +2, +10, +10,  +2,  +2,  +2, +10, +10}},
    {u"C",  u"16级", { +3,  +7, +15,  +7,  +3, +15, +15,  +3,  +3,  +3, +15, +15}},
    {u"C",  u"31级", { +7, +14, +29, +14,  +7, +29, +29,  +7,  +7,  +7, +29, +29}},
    {u"C",  u"45级", {+10, +20, +40, +20, +10, +40, +40, +10, +10, +10, +40, +40}},
    {u"C",  u"50级", {+11, +21, +40, +20, +11, +40, +40, +11, +11, +10, +41, +40}},
    {u"PF", u"31级", { +5, +14, +10,  +7,  +5, +10,  +7,  +5, +10,  +5, +10, +10}},
    {u"PF", u"45级", {+10, +25, +19, +13, +10, +19, +13, +10, +19, +10, +19, +19}},
    {u"PF", u"50级", {+11, +25, +20, +13, +11, +19, +13, +11, +20, +10, +20, +19}},
    {u"SF", u"31级", {+10, +10,  +7,  +7,  +7,  +7,  +5,  +7, +14, +10,  +7,  +7}},
    {u"SF", u"45级", {+19, +19, +13, +13, +13, +13, +10, +13, +25, +19, +13, +13}},
    {u"SF", u"50级", {+20, +20, +13, +13, +14, +13, +10, +14, +26, +19, +14, +13}},
    {u"SG", u"31级", {+14,  +4,  +4, +10, +10,  +4,  +4, +14, +10, +14,  +4,  +4}},
    {u"SG", u"45级", {+25,  +7,  +7, +19, +19,  +7,  +7, +25, +19, +25,  +7,  +7}},
    {u"SG", u"50级", {+25,  +8,  +8, +19, +19,  +7,  +8, +26, +20, +26,  +7,  +7}},
    {u"PG", u"31级", {+14,  +5,  +6, +14, +14,  +4,  +5, +14,  +7, +10,  +5,  +4}},
    {u"PG", u"45级", {+25, +10, +10, +25, +25,  +7, +10, +25, +13, +19, +10,  +7}},
    {u"PG", u"50级", {+25, +11, +11, +25, +25,  +7, +11, +26, +14, +20, +10,  +7}},
};

constexpr TrainingListRow trainingLists[] = {
    {u"1级 11级", u"无训练 训练Ⅰ"},
    {u"16级",     u"无训练 训练Ⅰ 训练Ⅱ"},
    {u"31级",     u"无训练 训练Ⅰ 训练Ⅱ 训练Ⅲ"},
    {u"45级 50级", u"无训练 训练Ⅰ 训练Ⅱ 训练Ⅲ 训练Ⅳ"},
};

//  height     跑动 弹跳 对抗 传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投
constexpr HeightRow heightBonus[] = {
    {u"偏矮", { +1,   0,   0,   0,  +1,  -1,  -1,  +1,  +1,   0,  -1,  -1}},
    {u"中等", {  0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0}},
    {u"偏高", { -1,   0,   0,   0,  -1,  +1,  +1,  -1,  -1,   0,  +1,  +1}},
};

//  training     跑动 弹跳 对抗 传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投
constexpr TrainingRow trainingBonus[] = {
    {u"无训练", {  0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0}},
    {u"训练Ⅰ",  { +1,  +1,  +1,  +1,  +1,  +1,  +1,  +1,  +1,  +1,  +1,  +1}},
    {u"训练Ⅱ",  { +2,  +2,  +2,  +2,  +2,  +2,  +2,  +1,  +1,  +1,  +1,  +1}},
    {u"训练Ⅲ",  { +3,  +3,  +3,  +3,  +3,  +3,  +3,  +3,  +3,  +3,  +3,  +3}},
    {u"训练Ⅳ",  { +4,  +4,  +4,  +4,  +4,  +4,  +4,  +4,  +4,  +4,  +4,  +4}},
};

//  vip          跑动 弹跳 对抗 传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投
constexpr VipRow vipBonus[] = {
    {u"无VIP",  {  0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0}},
    {u"VIP",    { +2,  +2,  +2,  +2,  +2,  +2,  +2,  +2,  +2,  +2,  +2,  +2}},
};

constexpr LevelTierRow levelTiers[] = {
    {u"16级 31级 45级 50级", 1},
    {u"31级 45级 50级",      2},
};

//  list              abilities                                   every 16级+ 31级+
constexpr OutfitListRow outfitLists[] = {
    {ListId::Youxie1,  u"传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投", 7,  9, 11},
    {ListId::Wuxie,    u"传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投", 7,  9, 11},
    {ListId::Shangyi1, u"中投 三分 灌篮 近投",                          5,  7,  9},
    {ListId::Xiayi1,   u"传球 运球 篮板 盖帽 抢断",                     5,  7,  9},
    {ListId::Xiezi1,   u"跑动 弹跳 对抗",                               5,  7,  9},
};

//  first             picked            worth   second            receives              worth
constexpr SecondListRow secondLists[] = {
    {ListId::Youxie1,  u"",              7,  ListId::Youxie2,  u"跑动 弹跳 对抗",  6},
    {ListId::Youxie1,  u"",              9,  ListId::Youxie2,  u"跑动 弹跳 对抗",  8},
    {ListId::Youxie1,  u"",             11,  ListId::Youxie2,  u"跑动 弹跳 对抗", 10},
    {ListId::Shangyi1, u"中投 三分",     7,  ListId::Shangyi2, u"灌篮 近投",       2},
    {ListId::Shangyi1, u"灌篮 近投",     7,  ListId::Shangyi2, u"中投 三分",       2},
    {ListId::Shangyi1, u"中投 三分",     9,  ListId::Shangyi2, u"灌篮 近投",       3},
    {ListId::Shangyi1, u"灌篮 近投",     9,  ListId::Shangyi2, u"中投 三分",       3},
    {ListId::Xiayi1,   u"传球 运球 抢断", 7, ListId::Xiayi2,   u"篮板 盖帽",       2},
    {ListId::Xiayi1,   u"篮板 盖帽",     7,  ListId::Xiayi2,   u"传球 运球 抢断",  2},
    {ListId::Xiayi1,   u"传球 运球 抢断", 9, ListId::Xiayi2,   u"篮板 盖帽",       3},
    {ListId::Xiayi1,   u"篮板 盖帽",     9,  ListId::Xiayi2,   u"传球 运球 抢断",  3},
    {ListId::Xiezi1,   u"弹跳",          7,  ListId::Xiezi2,   u"跑动 对抗",       2},
    {ListId::Xiezi1,   u"跑动 对抗",     7,  ListId::Xiezi2,   u"弹跳",            2},
    {ListId::Xiezi1,   u"弹跳",          9,  ListId::Xiezi2,   u"跑动 对抗",       3},
    {ListId::Xiezi1,   u"跑动 对抗",     9,  ListId::Xiezi2,   u"弹跳",            3},
};

constexpr QStringView AllAbilities = u"跑动 弹跳 对抗 传球 运球 篮板 盖帽 抢断 中投 三分 灌篮 近投";

//  list                   不选择 special  abilities                amounts
constexpr FixedListRow fixedLists[] = {
    {ListId::Jiaqiangbao1,  true,  u"",     u"中投 三分 灌篮 近投",      {2, 0, 0}},
    {ListId::Jiaqiangbao2,  false, u"",     u"传球 运球 篮板 盖帽 抢断", {2, 0, 0}},
    {ListId::Xinshouzhuang, true,  u"",     u"跑动 弹跳 对抗",           {3, 0, 0}},
    {ListId::Faxing,        true,  u"龙头", AllAbilities,                {1, 2, 3}},
    {ListId::Toubeibu,      true,  u"角",   AllAbilities,                {1, 2, 3}},
    {ListId::Shoujianbu,    true,  u"",     AllAbilities,                {1, 2, 3}},
    {ListId::Tuijiaobu,     true,  u"",     AllAbilities,                {1, 2, 3}},
    {ListId::DuiyouA1,      true,  u"角",   u"",                         {0, 0, 0}},
    {ListId::DuiyouA2,      true,  u"龙头", u"",                         {0, 0, 0}},
    {ListId::DuiyouB1,      true,  u"角",   u"",                         {0, 0, 0}},
    {ListId::DuiyouB2,      true,  u"龙头", u"",                         {0, 0, 0}},
};

// Special +3 items of horns and dragon heads.
constexpr int SpecialAmount = 3;

const QString NoneItem = QStringLiteral("不选择");

QStringList words(QStringView text)
{
    QStringList out;
    for (QStringView w : text.split(u' ', Qt::SkipEmptyParts))
        out.append(w.toString());
    return out;
}

bool hasWord(QStringView list, QStringView word)
{
    for (QStringView w : list.split(u' ', Qt::SkipEmptyParts))
        if (w == word)
            return true;
    return false;
}

QString plusItem(QStringView ability, int amount)
{
    return ability.toString() + u'+' + QString::number(amount);
}

void appendPlus(QStringList &out, QStringView abilities, int amount)
{
    for (QStringView a : abilities.split(u' ', Qt::SkipEmptyParts))
        out.append(plusItem(a, amount));
}

} // namespace

const std::span<const ReferenceRow> ReferenceRows = referenceRows;
const std::span<const PositionsRow> PositionsByClass = positionsByClass;
const std::span<const LevelsRow> LevelsByPosition = levelsByPosition;
const std::span<const PositionBonusRow> PositionBonus = positionBonus;
const std::span<const LevelBonusRow> LevelBonus = levelBonus;
const std::span<const TrainingListRow> TrainingLists = trainingLists;
const std::span<const HeightRow> HeightBonus = heightBonus;
const std::span<const TrainingRow> TrainingBonus = trainingBonus;
const std::span<const VipRow> VipBonus = vipBonus;
const std::span<const LevelTierRow> LevelTiers = levelTiers;
const std::span<const OutfitListRow> OutfitLists = outfitLists;
const std::span<const SecondListRow> SecondLists = secondLists;
const std::span<const FixedListRow> FixedLists = fixedLists;

const ReferenceRow &referenceRow(QStringView positionClass)
{
    for (const ReferenceRow &row : referenceRows)
        if (hasWord(row.classes, positionClass))
            return row;
    return referenceRows[0];
}

int levelTier(QStringView level)
{
    int tier = 0;
    for (const LevelTierRow &row : levelTiers)
        if (hasWord(row.levels, level))
            tier = std::max(tier, row.tier);
    return tier;
}

const Catalogue &Catalogue::instance()
{
    static const Catalogue catalogue;
    return catalogue;
}

Catalogue::Catalogue()
{
    for (const PositionsRow &row : positionsByClass)
        m_positions.insert(row.positionClass.toString(), words(row.positions));
    for (const LevelsRow &row : levelsByPosition)
        for (const QString &p : words(row.positions))
            m_levels.insert(p, words(row.levels));
    for (const TrainingListRow &row : trainingLists)
        for (const QString &l : words(row.levels))
            m_trainings.insert(l, words(row.items));
    for (const HeightRow &row : heightBonus)
        m_heights.append(row.height.toString());
    for (const VipRow &row : vipBonus)
        m_vips.append(row.vip.toString());

    for (const OutfitListRow &row : outfitLists) {
        const int amounts[3] = {row.everyLevel, row.from16, row.from31};
        QStringList items{NoneItem};
        for (int tier = 0; tier < 3; ++tier) {
            appendPlus(items, row.abilities, amounts[tier]);
            m_outfit[int(row.list)][tier] = items;
        }
    }
    for (const FixedListRow &row : fixedLists) {
        QStringList items;
        if (row.none)
            items.append(NoneItem);
        if (!row.special.isEmpty())
            for (const AbilityInfo &a : Abilities)
                items.append(a.name.toString() + row.special.toString());
        for (int amount : row.amounts)
            if (amount)
                appendPlus(items, row.abilities, amount);
        m_fixed[int(row.list)] = items;
    }

    // Item meanings: every +n item any table can produce, horns and dragon heads.
    m_items.insert(NoneItem, ItemInfo{ItemInfo::None, -1, 0, {}});
    for (int i = 0; i < AbilityCount; ++i) {
        const QString name = Abilities[i].name.toString();
        const QString horn = name + u"角";
        m_items.insert(horn, ItemInfo{ItemInfo::Horn, i, SpecialAmount, horn});
        m_items.insert(name + u"龙头", ItemInfo{ItemInfo::DragonHead, i, SpecialAmount, horn});
    }
    auto addPlus = [this](QStringView abilities, int amount) {
        for (QStringView a : abilities.split(u' ', Qt::SkipEmptyParts))
            m_items.insert(plusItem(a, amount), ItemInfo{ItemInfo::Plus, abilityIndex(a), amount, {}});
    };
    for (const OutfitListRow &row : outfitLists) {
        addPlus(row.abilities, row.everyLevel);
        addPlus(row.abilities, row.from16);
        addPlus(row.abilities, row.from31);
    }
    for (const FixedListRow &row : fixedLists)
        for (int amount : row.amounts)
            if (amount)
                addPlus(row.abilities, amount);

    // Second lists, keyed by the first item that leads to them.
    for (const SecondListRow &row : secondLists) {
        QStringList received;
        appendPlus(received, row.secondAbilities, row.secondAmount);
        addPlus(row.secondAbilities, row.secondAmount);
        for (const QString &first : m_outfit[int(row.first)][2]) {
            const ItemInfo &info = item(first);
            if (info.kind != ItemInfo::Plus || info.amount != row.firstAmount)
                continue;
            if (!row.firstAbilities.isEmpty() && !hasWord(row.firstAbilities, Abilities[info.ability].name))
                continue;
            m_second[int(row.first)][first].append(received);
        }
    }
}

const QStringList &Catalogue::positions(const QString &positionClass) const
{
    auto it = m_positions.constFind(positionClass);
    return it == m_positions.cend() ? m_empty : *it;
}

const QStringList &Catalogue::levels(const QString &position) const
{
    auto it = m_levels.constFind(position);
    return it == m_levels.cend() ? m_empty : *it;
}

const QStringList &Catalogue::trainings(const QString &level) const
{
    auto it = m_trainings.constFind(level);
    return it == m_trainings.cend() ? m_empty : *it;
}

const QStringList &Catalogue::outfitList(ListId list, int tier) const
{
    return m_outfit[int(list)][std::clamp(tier, 0, 2)];
}

const QStringList &Catalogue::fixedList(ListId list) const
{
    return m_fixed[int(list)];
}

const QStringList &Catalogue::secondItems(ListId first, const QString &firstItem) const
{
    const auto &map = m_second[int(first)];
    auto it = map.constFind(firstItem);
    return it == map.cend() ? m_empty : *it;
}

const ItemInfo &Catalogue::item(const QString &text) const
{
    auto it = m_items.constFind(text);
    return it == m_items.cend() ? m_unknown : *it;
}
