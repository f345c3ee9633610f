#pragma once

#include <QObject>

class NoticesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dataVersionIsAnnouncedOnceAndNeverAgain();
    void exitKeepsTheStoredVersionWhenNoneWasRead();
    void newerProgramMinimisesTheMainWindow();
    void answerAfterTheExitBeganIsDropped();
    void fadeOutEndsTheNotices();
};
