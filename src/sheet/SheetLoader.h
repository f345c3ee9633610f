#pragma once

#include "ComparisonSlots.h"
#include "PickSequence.h"
#include "SheetText.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class BuildEngine;

// Loads a build from text: a sheet is replayed on a scratch engine, through
// the handlers a player uses, in the wizard's order (character, position,
// level, height where it is selectable, training, VIP, the outfit rows, the
// decorations, the teammates). The outfit lines show result labels, which
// are read back into the picks that made them; a number never chooses a
// pick. Then the twelve values and the total are compared with the sheet's.
//
// An unfinished sheet loads up to its first empty line; a shown item that
// the no-stacking rule refuses is its list's pending pick: everything
// before it loads and the list stays open. A post loads its character,
// position, height, level and training and is never compared.
struct SheetLoad {
    enum class Status { Agrees, Differs, Failed };

    struct Difference {
        int ability; // 0 … 11, 12 for the total
        QString sheet;
        QString computed;
    };

    SheetText::Kind kind = SheetText::Kind::None;
    Status status = Status::Failed;
    // The picks that make the build, for applyPicks on the main window;
    // refused picks and those after the first empty line are not in it.
    PickSequence sequence;
    QList<Difference> differences;
    // Title and text of the result message, and the same on one line.
    QString message;
    QString oneLine() const;

    bool loaded() const { return status != Status::Failed; }
    // The process exit status of zrc-cli: 0, 1 or 2.
    int exitStatus() const { return int(status); }
};

// `engine` is a scratch engine on the game data; `characters` the names
// the all-characters list offers. Nothing else is touched.
SheetLoad loadSheet(const QString &text, BuildEngine &engine, const QStringList &characters);

// The comparison slot's cells straight from the text, with an import's
// "无训练" and "无VIP"; a post leaves the VIP cell empty. nullopt, and the
// reason in `why`, when the text holds no build with values.
std::optional<ComparisonSlots::Column> comparisonCells(const QString &text, QString *why = nullptr);

namespace SheetLoadTexts {
inline const QString Agrees = QStringLiteral("已载入能力表：各项数值一致。");
inline const QString NotLoaded = QStringLiteral("未能载入：");
inline const QString NoSheet = QStringLiteral("未能载入：没有找到能力表或分享文字。");
} // namespace SheetLoadTexts
