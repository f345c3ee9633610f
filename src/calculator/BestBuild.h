#pragma once

#include "BuildEngine.h"
#include "BuildObjective.h"
#include "CharacterRecord.h"

#include <QList>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <optional>

// The exact best-build search: over every one-pass build of a character (no
// position re-pick, every answer accepted, each list answered with an item it
// offers at that point), the build that contains the given picks and
// maximises the objective; on a tie, the build whose item indices, in
// answering order, are lexicographically smallest.
//
// The first page (position, level, height, training, VIP) is walked on the
// engine itself. From the outfit on, every list adds whole-number bonuses
// that do not depend on the values so far, so the rest of the build is a
// chain of segments whose options are walked once per level tier on the
// engine and kept: the outfit rows, the pack and starter outfit, then one
// segment per decoration and teammate list. Segments are independent except
// for the six horn and dragon-head slots, whose keys must differ; a dynamic
// programme over (segment, keys taken) handles that coupling. See
// docs/best-build.md.

// One pick of a found build. `index` is the item's place in the list as
// offered at that point, `count` the number of items offered.
struct BestPick {
    ListId list;
    int index = 0;
    int count = 0;
    QString item;
    bool operator==(const BestPick &) const = default;
};

// Restricts the items a list may be answered with (tests cut the space down
// with it). Returns true for an allowed pick.
using PickFilter = std::function<bool(const BestPick &)>;

struct BestConstraint {
    ListId list;
    QString item;
};

struct BestBuildRequest {
    CharacterRecord record;            // read beforehand; the search reads no file
    QList<BestConstraint> constraints; // picks the answer must contain
    BuildObjective objective;
    PickFilter filter;                 // empty: every item
    const std::atomic_bool *cancel = nullptr;
};

struct BestBuildResult {
    enum Status { Found, NoBuild, Cancelled };
    Status status = NoBuild;
    QString reason;                // NoBuild: why, for the player
    QList<BestPick> picks;         // answering order; a height the level step sets is left out
    Score score = 0;               // the objective's value, exactly
    std::array<double, AbilityCount> values{}; // the build replayed on the engine
    std::array<QString, AbilityCount> texts;   // as the ability labels show them
    QString total;                 // Zonghe
    qint64 searched = 0;           // partial builds looked at
};

BestBuildResult findBestBuild(const BestBuildRequest &request);

// "ZYe=SG Dji=50级 …": the words `zrc-cli build` replays.
QStringList pickWords(const QList<BestPick> &picks);
