#pragma once

#include <QList>
#include <QString>

// What the picture drawing needs to know of a character.
struct CharacterCard {
    QString name;
    QString positionClass;  // 职业
    QString height;         // 身高
    bool portrait = true;   // false: no picture, so the program's fallback shows
};

struct Database {
    QString text;                  // the whole ZRCdata.dat, LF line ends
    QList<CharacterCard> characters;
};

// Assembles the game database from the sources in srcDir:
//   ZRCdata.ini     hand-written sections (comment lines starting with ";" dropped)
//   characters.tsv  one character section per row
//   skills.tsv      the position lists C, PF, SF, SG, PG and one detail section per row
// Fails on malformed rows, duplicate section names and values too long for
// the program's reader.
Database buildDatabase(const QString &srcDir);
