#pragma once

#include <QString>

// The level-up sums: how far an experience total is from level 50 and how
// many days it takes at a daily speed. No widgets.
namespace LevelUpMath {

inline constexpr double CapTotal = 6524156;      // total experience of level 50
inline constexpr double BarLengthTwips = 9675;   // the full progress bar
inline constexpr double BarScale = 674.325585;   // experience per twip of bar

// Length of the progress bar for an experience total: full from level 50 on,
// never below empty (a pasted "-5" reads as a negative total).
double barTwips(double experience);

// The status sentence for an experience total below, at or above level 50
// and a daily speed (nonzero).
QString status(double experience, double speed);

// A number written with exactly `decimals` decimals and at least one digit
// before the point, as the patterns "0.00" and "0.000000" write it: the
// number is taken to 15 significant digits and rounded half away from zero,
// so 0.015 gives "0.02" and 0.5 "0.500000".
QString fixedDecimals(double value, int decimals);

} // namespace LevelUpMath
