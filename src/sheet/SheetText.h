#pragma once

#include <QString>
#include <QStringView>
#include <array>

// Finds a build written as text inside anything pasted or opened: the
// ability sheet (42 lines, possibly among chat lines, as chat programs leave
// it) or the one-line share post. Reads text only; replaying it is
// SheetLoader's work.
//
// A sheet survives what chat programs do to it: CR LF, LF or CR alone, runs of blanks
// inside a caption collapsed or removed, a half-width ":" for "：", blanks
// at the ends of a line, and its last line or two missing. A post may carry
// "%23" or "#" for its topic marks.
//
// The first good sheet wins, then the first post; when neither is found,
// the first sheet that could not be read tells why. Reading takes time
// linear in the text.
struct SheetText {
    enum class Kind { None, Sheet, Post };
    static constexpr int LineCount = 42;
    static constexpr int PositionLine = 3, HeightLine = 4, LevelLine = 5, TrainingLine = 6, VipLine = 7;
    static constexpr int FirstAbilityLine = 27, TotalLine = 39;

    Kind kind = Kind::None;
    // What follows the caption of each line (index = line number − 1), its
    // trailing blanks removed; the position without its recommendation and
    // the numbers without their markers. A post fills the lines it holds
    // (character, position, height, level, training and the numbers).
    std::array<QString, LineCount> values;
    // A sheet that could not be read: the line that is wrong and why.
    int badLine = 0;
    QString problem;

    bool ok() const { return kind != Kind::None && badLine == 0; }
    const QString &value(int line) const { return values[line - 1]; }
    const QString &character() const { return values[0]; }
    const QString &ability(int i) const { return values[FirstAbilityLine - 1 + i]; } // 12 = total
};

SheetText readSheetText(QStringView text);

// The caption a sheet line starts with, as the program writes it ("" for a
// separator; lines 41 and 42 have none).
QString sheetCaption(int line);
