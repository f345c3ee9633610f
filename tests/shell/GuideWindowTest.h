#pragma once

#include <QObject>

class GuideWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunTourReadmeStartAndShare();
    void returningUserNeverSeesTheGuide();
    void otherOrUnreadableStoredVersionsShowTheTour();
    void withoutItsFirstPictureTheTourIsSkippedAndOfferedAgain();
    void unreadableLaterPicturesAreSteppedPast();
    void missingDatabaseWarnsAndStartUpGoesOn();
    void missingReadmeIsSaidInTheTextBox();
    void fifosInPlaceOfFilesCountAsMissing();
    void closingTheGuideDuringTheTourLeavesNoWindow();
};
