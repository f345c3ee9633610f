#pragma once

#include <QStringView>
#include <array>

// The game's experience table, level 1 to level 50: one row per level step.
// A step marked "*" adds no ability values. `need` is the experience the
// step needs as the table shows it; `total` the total experience at the end
// of the step, which the total label (Lv01 … Lv49) shows and puts into the
// experience box when clicked.
struct LevelStep {
    QStringView step;
    QStringView need;
    QStringView label;
    int total;
};

inline constexpr int LevelStepCount = 49;

extern const std::array<LevelStep, LevelStepCount> LevelSteps;
