#pragma once

// Geometry of the ability bars in the portrait window, in twips. A bar runs
// from its fixed left end X1 to X2; values of 100 or more are capped.

inline constexpr double BarTwipsPerPoint = 18.5;
inline constexpr double BarCapX2 = 2450;

// Right end X2 of a bar for the given value.
constexpr double barEnd(double x1Twips, double value)
{
    return value < 100 ? x1Twips + BarTwipsPerPoint * value : BarCapX2;
}

// Left of the value label: just right of the bar's end.
constexpr double valueLabelLeft(double barEndTwips)
{
    return barEndTwips + 10;
}
