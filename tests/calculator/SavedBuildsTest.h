#pragma once

#include <QObject>

// The saved builds of builds/*.json, replayed on every run: a character, the
// picks a player made, and the state the build must end in.
class SavedBuildsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replay_data();
    void replay();
    void everyBonusRowIsReplayed();
};

// Reads a saved build's character: inline, or by name from the bundled sample.
struct CharacterRecord;
class QJsonObject;
CharacterRecord savedBuildRecord(const QJsonObject &build, const QJsonObject &file);
// Every key of `expected` must match `actual`; objects are compared key by
// key (keys not named are free). The mismatches, as readable lines.
QStringList compareState(const QJsonValue &expected, const QJsonValue &actual, const QString &path);
