#pragma once

#include <QObject>

class WiringTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toolLinksOpenOneModelessWindowEach();
    void everyLinkBringsItsWindowBack();
    void exitLeavesTheMainWindowMinimised();
};
