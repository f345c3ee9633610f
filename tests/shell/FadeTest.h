#pragma once

#include <QObject>

class FadeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fadeInTakes49TicksTo255();
    void fadeOutTakes49TicksThenTheExitRuns();
    void closeDuringFadeInStopsItAndKeepsTheLevelInRange();
    void closingIsRefusedUntilTheFadeOutEnds();
    void windowsCloseNewestFirst();
};
