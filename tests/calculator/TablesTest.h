#pragma once

#include <QObject>

// Every row of every bonus table, applied through the engine where the
// player would meet it, plus the cross-checks the tables must satisfy.
class TablesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tablesAgreeWithThemselves();
    void positionBonusForEveryPair();
    void levelBonusForEveryLevelOffered();
    void heightTrainingAndVipRows();
    void outfitListsByTier();
    void everyOutfitItemRaisesWhatItNames();
    void decorationAndTeammateLists();
    void everyDecorationItemRaisesWhatItNames();
};
