#pragma once

#include <QObject>

class HttpClientTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gbkPagesArriveAsText();
    void bodiesAreCutAtOneMebibyteAndKept();
    void silentServerEndsAtTheTimeLimit();
    void refusedConnectionFailsQuietly();
    void droppedAnswersNeverArrive();
    void localPagesAreReadLikeEveryOtherFile();
};
