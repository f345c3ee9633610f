#pragma once

#include "CharacterRecord.h"

#include <QString>
#include <QStringList>

// Read-only view of the game database ZRCdata.dat. Every read goes through
// the profile-file module; the file is never written. A missing file reads
// as empty everywhere.
class GameDatabase {
public:
    explicit GameDatabase(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;

    // 所有球队: the non-empty 球队1 … 球队25, in key order (gaps skipped).
    QStringList teams() const;
    // 所有角色: the non-empty 角色1 … 角色60, in key order.
    QStringList allCharacters() const;
    // A team's section: the non-empty 角色1 … 角色5.
    QStringList teamMembers(const QString &team) const;
    // A character's section (the name is the section name).
    CharacterRecord record(const QString &name) const;
    // Any entry, as IniRead returns it.
    QString value(const QString &section, const QString &key) const;

    // Makes this database the current profile file, read-only.
    void select() const;

private:
    QString m_path;
};
