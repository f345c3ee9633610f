#pragma once

#include "ClickLabel.h"

#include <QStringView>
#include <array>

// Looks of the main window's link labels, one row per label (see LinkLookRow).

namespace LinkLooks {

inline constexpr bool Bold = true, Normal = false;

// The links of the character frame.
inline const std::array<LinkLookRow, 3> CharacterFrame{{
    {u"Label_SBKK", {0x0000FF, Bold, false, {}}, {{}, Bold, {}, 11}, {0x404080, Normal, {}, 9}, {0x004000, Normal, {}, {}}, true},
    {u"Label_XSTX", {0x0000FF, Bold, false, {}}, {{}, Bold, {}, 11}, {0x008000, Normal, {}, 9}, {0xFF0000, Normal, {}, {}}, false},
    {u"Qiudui2",    {0xFF0000, Bold, {}, {}},    {{}, Normal, {}, 7}, {{}, Normal, {}, 9},     {0x000000, Normal, {}, {}}, false},
}};

// The other links: bold under the pointer, larger while the left button is
// down, back to size 9 and normal weight when it comes up; their frame
// makes them normal again.
inline const std::array<LinkLookRow, 9> Tools{{
    {u"L_SJzs",     {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
    {u"L_JNzs",     {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
    {u"L_XQzs",     {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
    {u"L_GG",       {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
    {u"Label_NLDB", {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
    {u"Label_FZNL", {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
    {u"L_update",   {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
    {u"Fankui",     {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
    {u"fenxiang",   {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true},
}};

// Which frame gives which links their frame look back when the pointer
// moves over it. (The settings pages reset their own page links.)
struct FrameReset {
    QStringView frame;
    std::array<QStringView, 4> links; // empty names fill the row
};

inline constexpr std::array<FrameReset, 4> FrameResets{{
    {u"Frame1", {u"Label_SBKK", u"Label_XSTX", u"Qiudui2", {}}},
    {u"Frame3", {u"L_SJzs", u"L_JNzs", u"L_XQzs", u"L_GG"}},
    {u"Frame4", {u"Label_NLDB", u"Label_FZNL", {}, {}}},
    {u"Frame5", {u"L_update", u"Fankui", u"fenxiang", {}}},
}};

// The look row of a link, from either table; null for another name.
inline const LinkLookRow *rowOf(QStringView link)
{
    for (const LinkLookRow &row : CharacterFrame)
        if (row.label == link)
            return &row;
    for (const LinkLookRow &row : Tools)
        if (row.label == link)
            return &row;
    return nullptr;
}

} // namespace LinkLooks
