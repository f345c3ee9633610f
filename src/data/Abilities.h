#pragma once

#include <QStringView>
#include <array>

// The twelve abilities in their fixed order, with the names of the controls
// that show each of them. Every list, table and sheet uses this order.
struct AbilityInfo {
    QStringView name;        // 跑动 …, as in the database keys and item texts
    QStringView valueLabel;  // value label on Main and on the portrait window
    QStringView marker;      // deviation marker on Main
    QStringView caption;     // caption label (Main's ability panel, portrait window)
    QStringView bar;         // portrait bar
};

inline constexpr int AbilityCount = 12;

inline constexpr std::array<AbilityInfo, AbilityCount> Abilities{{
    {u"跑动", u"Paodong",   u"PD", u"Label_PD", u"Lpd"},
    {u"弹跳", u"Tantiao",   u"TT", u"Label_TT", u"Ltt"},
    {u"对抗", u"Duikang",   u"DK", u"Label_DK", u"Ldk"},
    {u"传球", u"Chuanqiu",  u"CQ", u"Label_CQ", u"Lcq"},
    {u"运球", u"Yunqiu",    u"YQ", u"Label_YQ", u"Lyq"},
    {u"篮板", u"Lanban",    u"LB", u"Label_LB", u"Llb"},
    {u"盖帽", u"Gaimao",    u"GM", u"Label_GM", u"Lgm"},
    {u"抢断", u"Qiangduan", u"QD", u"Label_QD", u"Lqd"},
    {u"中投", u"Zhongtou",  u"ZT", u"Label_ZT", u"Lzt"},
    {u"三分", u"Sanfen",    u"SF", u"Label_SF", u"Lsf"},
    {u"灌篮", u"Guanlan",   u"GL", u"Label_GL", u"Lgl"},
    {u"近投", u"Jintou",    u"JT", u"Label_JT", u"Ljt"},
}};

// The total and its marker.
inline constexpr QStringView TotalLabel = u"Zonghe";
inline constexpr QStringView TotalMarker = u"ZH";

// Index of an ability by its name, or -1.
constexpr int abilityIndex(QStringView name)
{
    for (int i = 0; i < AbilityCount; ++i)
        if (Abilities[i].name == name)
            return i;
    return -1;
}
