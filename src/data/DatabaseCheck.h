#pragma once

#include <QList>
#include <QString>

// Checks a data folder the way the program will read it, for the people
// who maintain the game database: the layout of ZRCdata.dat (lists,
// records, skills, data version), its text, duplicates, values cut at 143
// bytes, values that look like markup (shown as text), and the pictures. Each finding names its line and what the
// program will do with it.
struct DatabaseFinding {
    enum class Kind { Wrong, Note }; // Wrong: the program will show something wrong or nothing
    Kind kind = Kind::Wrong;
    QString file;        // relative to the data folder
    qsizetype line = 0;  // 1-based; 0 when the finding has no line
    QString text;
};

struct DatabaseCheck {
    QList<DatabaseFinding> findings;
    int wrongCount() const;

    static DatabaseCheck run(const QString &dataDir);
};
