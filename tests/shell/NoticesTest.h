#pragma once

#include <QObject>

class NoticesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionTextsHaveTheirTwoForms();
    void newDataVersionIsAnnouncedWithMessageThenShare();
    void upgradeNoticeWaitsAfterTheTourAndKeepsQuietOtherwise();
    void downloadPagesDecideTheUpdateMessage();
    void updateMessageThenAuthorPageThenMinimise();
};
