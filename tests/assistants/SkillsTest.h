#pragma once

#include <QObject>

class SkillsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startingPosition_data();
    void startingPosition();
    void listsSkipGapsAndCountTheirEntries();
    void emptyPositionShowsEmptyListsAndColours();
    void detailsShowAndSwitchingClearsThem();
    void forwardWithSmallForwardPickedOpensOnSmallForward();
    void databaseStaysByteIdentical();
    void reopenedWindowStartsAfresh();
    void detailsFollowTheSelectionOnly();
    void detailsShownAsWritten();
};
