#pragma once

#include <QStringView>
#include <array>

// What a click on a caption of the ability panel writes into the tip line:
// one row per caption, the twelve abilities in their order, then the total.
struct AbilityExplanation {
    QStringView captionLabel; // the clickable caption on Main
    QStringView valueLabel;   // the value beside it, bold with it under the pointer
    QStringView text;         // written to Tip
};

inline constexpr int ExplanationCount = 13;

extern const std::array<AbilityExplanation, ExplanationCount> AbilityExplanations;

// The tool tip every caption carries.
inline constexpr QStringView CaptionToolTip = u"点击查看说明";
