#pragma once

#include <QObject>

// The comparison window as a player uses it: importing builds, clearing,
// marking, the second window, placement, and what the configuration file
// holds after each step (read from disk, as a restarted program would).
class ComparisonWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importStoresTheBuildAtOnceWithItsFallbackTexts();
    void importWithoutShownValuesWarnsAndChangesNothing();
    void buttonsFollowTheStoredSlots();
    void clearingStoresOneSlotOrAll();
    void opensBesideTheMainWindow();
    void marksEndBlackAndRegularAfterADoubleClick();
    void secondWindowAndItsLinks();
    void theWindowClosedLastDecides();
    void closingWithoutAChangeWritesNothing();
    void reopeningShowsTheStoredBuilds();
    void exitingWithTheWindowOpenSavesIt();
    void storedTextShownAsWritten();
};
