#pragma once

#include "Abilities.h"

#include <QString>
#include <array>
#include <optional>

// What the best-build search maximises: a weighted sum of the twelve
// abilities. "三分" weighs one ability, "综合" all twelve (the total), and
// "三分=2,中投=1" any non-negative decimal weights (at least one positive).
//
// Scores are exact: a weight is held in millionths and an ability value in
// millionths, so a score is an integer in units of 10^-12 and two builds tie
// exactly when their weighted sums are equal as decimals.
using Score = __int128;

struct BuildObjective {
    QString text;                           // as given, e.g. "三分=2,中投=1"
    std::array<qint64, AbilityCount> weight{}; // millionths

    // nullopt with the reason for an unknown name, a bad or negative weight,
    // or weights that are all zero.
    static std::optional<BuildObjective> parse(const QString &text, QString *error = nullptr);

    // The thirteen captions of the ability panel: 0 … 11 an ability, 12 综合.
    static BuildObjective caption(int row);
};

inline constexpr qint64 Millionths = 1000000;

// A value in millionths, or nullopt when it is too large for exact scoring
// (beyond ±10^12).
std::optional<qint64> valueMillionths(double value);

// Σ weight × value over the twelve values (nullopt: a value out of range).
std::optional<Score> scoreOf(const BuildObjective &objective, const std::array<double, AbilityCount> &values);

// The weighted sum of whole-number deltas, in score units.
Score deltaScore(const BuildObjective &objective, const std::array<int, AbilityCount> &deltas);

// A score as plain decimal text: "161", "322.5".
QString scoreText(Score score);
