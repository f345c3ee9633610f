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

// The other links: bold under the pointer, larger while pressed.
inline const LinkLookRow Plain{u"", {{}, Bold, {}, {}}, {{}, Bold, {}, 11}, {{}, Normal, {}, 9}, {{}, Normal, {}, {}}, true};

} // namespace LinkLooks
