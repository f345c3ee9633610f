#pragma once

#include <QObject>

class ShareTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shareAddressKeepsThePostTextAsWritten();
    void shareAddressProtectsTheQuery();
    void shareWindowOpenGoesToTheInstalledHandler();
    void aLocalSharePageTakesTheQueryItself();
};
