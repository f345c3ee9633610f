#pragma once

#include "Abilities.h"
#include "CharacterRecord.h"
#include "PickSequence.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class GameDatabase;

// "我的配置": the sheet files saved in one folder, each read by the sheet
// loader and replayed on the current game data. No widgets: the window and
// `zrc-cli library` list the same rows, sorted and filtered the same way.
// Nothing in the folder is ever written here.

// The game data a listing replays on, copied out of the database first, so
// the replays touch no process-wide state and may run on any thread.
struct LibraryData {
    QStringList characters; // the all-characters list
    QHash<QString, CharacterRecord> records;

    static LibraryData read(const GameDatabase &db);
};

struct LibraryEntry {
    // The outcomes for which `zrc-cli build --from-sheet` exits 0, 1 and 2.
    enum class Status { Agrees, Differs, Unreadable };

    QString file; // the name in the folder
    QString path;
    QDateTime saved;
    qint64 size = -1;
    Status status = Status::Unreadable;
    QString reason; // the loader's text (one line) when the status is not Agrees
    QString text;   // the file's text as found; empty when it could not be read
    PickSequence sequence;
    // What the sheet states: character, position (without its recommendation),
    // level and training; values[12] is the total.
    QString character, position, level, training;
    std::array<QString, AbilityCount + 1> values;

    bool loaded() const { return status != Status::Unreadable; }
};

QString libraryStatusName(LibraryEntry::Status status); // "agrees", "differs", "unreadable"

// One file: never opened unless it is a regular file of at most 1 MiB.
LibraryEntry readLibraryEntry(const QString &path, const LibraryData &data);

// The folder's "*.txt" entries (not the files in its subfolders), by file
// name; anything so named that is not a regular file is listed unreadable.
// `problem` is set, and nothing listed, when the folder cannot be read.
QStringList libraryFiles(const QString &folder, QString *problem = nullptr);
QList<LibraryEntry> readLibrary(const QString &folder, const LibraryData &data, QString *problem = nullptr);

// The columns, in the window's order: file name, 角色, 职业, 等级, 训练, 综合,
// the twelve abilities, the date saved.
namespace LibraryColumn {
inline constexpr int File = 0, Character = 1, Position = 2, Level = 3, Training = 4, Total = 5, FirstAbility = 6,
                     Date = FirstAbility + AbilityCount, Count = Date + 1;
}
QString libraryColumnHeader(int column);
// The column for `zrc-cli library --sort`: file, character, position,
// level, training, total, date, or an ability's name (综合 too); -1 if none.
int libraryColumnByName(const QString &name);
bool libraryColumnIsNumber(int column);
QString libraryCell(const LibraryEntry &entry, int column);

// Numbers descending (as numbers), texts ascending, by default; `reversed`
// turns that round. Rows without a number in the column come last either
// way; ties go by file name.
void sortLibrary(QList<LibraryEntry> &entries, int column, bool reversed = false);
// Whether a row shows for the character chosen ("" for all) and the text
// typed (any cell, the reason too, ignoring letter case; "" for all).
bool libraryRowMatches(const LibraryEntry &entry, const QString &character, const QString &text);
