#pragma once

#include <QObject>

// The ability captions' "求…最高的配置" and the character changes the
// best-build window listens to.
class BestBuildMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionMenuAsksForTheBestBuild();
    void foundPicksApplyOnTheMainWindow();
};
