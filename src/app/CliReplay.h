#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <functional>

class BuildEngine;
struct SheetLoad;

// What `zrc-cli build` and `zrc-cli sheet` share: the arguments
// [--data-dir DIR] [FLAG]... CHARACTER [LIST=ITEM]... and the replay of the
// build on the calculator's engine. The character is chosen as in the
// all-characters list, then each item is picked in its list as a user would
// pick it. A pick the lists do not allow at that moment stops the replay
// (status 2); a pick refused by the no-stacking rule is reported and the
// replay goes on, the list still open.
//
// With --from-sheet FILE (FILE "-" for standard input) the build comes from
// a sheet or a post instead, replayed as the main window replays a pasted
// one; CHARACTER and LIST=ITEM are not given then. A text that does not
// load ends with its reason on stderr, status 2.
struct ReplayCommand {
    QString name;      // "build", in messages
    QString usage;     // the usage line
    QStringList flags; // flags without a value, e.g. "--json"
};

// Replays the build and hands the engine and the flags given to report,
// whose result is the exit status. Bad input: a message on stderr, status 2.
// `sheet` is the load's result with --from-sheet, otherwise null.
using ReplayReport = std::function<int(const BuildEngine &, const QSet<QString> &flags, const SheetLoad *sheet)>;
int replayBuild(const ReplayCommand &command, const QStringList &args, const ReplayReport &report);

// Why the game database under AppPaths cannot be read, for a message;
// empty when it can. A database that cannot be read is named, not mistaken
// for one without the character.
QString unreadableDatabase();
