#pragma once

#include <QObject>

// Start-up, the box of teams, the character box and the look-around.
class ListsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpListsTeamsInKeyOrderAndAllCharacters();
    void missingDatabaseCountsMinusOne();
    void teamPickAnnouncesItsMembers();
    void teamLabelBringsTheBoxBack();
    void lookAroundNeverPicksAllCharactersAsATeam();
    void lookAroundMeetsASpecialCharacter();
    void lookAroundOrdinaryKeepsTipHidden();
    void lookAroundWithoutTeamsReselectsAllCharacters();
    void resizeAboveScreenRestoresHeight();
    void characterLinksReactToThePointer();
};
