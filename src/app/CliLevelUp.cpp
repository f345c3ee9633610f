#include "CliOutput.h"
#include "CliCommands.h"

#include "LevelUpModel.h"

#include <cstdio>

// zrc-cli levelup EXPERIENCE [SPEED]
//
// Prints the status sentence of the level-up window opened with these two
// saved box texts (SPEED "2000" when left out). The texts are read as the
// window reads them, so "12abc" counts as 12 and "" as 0; an experience of 0
// leaves the window's initial text unless the speed was refilled.

int runLevelUpCommand(const QStringList &args)
{
    // "--" ends the options: what follows is taken as written, "-5000" too.
    QStringList words = args;
    if (const qsizetype end = words.indexOf(QStringLiteral("--")); end >= 0)
        words.removeAt(end);
    if (words.isEmpty() || words.size() > 2) {
        writeOut(stderr, QStringLiteral("用法: zrc-cli levelup EXPERIENCE [SPEED]\n"));
        return 2;
    }
    LevelUpModel model;
    model.load(words.at(0), words.size() > 1 ? words.at(1) : LevelUpModel::DefaultSpeed);
    writeOut(stdout, model.status() + u'\n');
    return 0;
}
