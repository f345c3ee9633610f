#pragma once

#include <QObject>
#include <QTemporaryDir>

class ShareWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void twoShareActionsLeaveOneWindowWithTheSecondPost();
    void thePageClosesItsWindow();
    void linksOpenTheirPagesAndShowWhereThePointerIs();
    void queDingClosesAndTheSurfaceDrags();

private:
    QTemporaryDir m_dir;
};
