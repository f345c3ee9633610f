#pragma once

#include <QObject>

// The real echo backend of this system against 127.0.0.x, and zrc-cli ping.
class PingLinuxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void echoesFromLoopback();
    void filterTakesOnlyOurReply();
    void silentHostCountsAsFailure();
    void concurrentEchoesKeepTheirOwnReplies();
    void commandLinePrintsTheSheet();
    void refusedWithoutPermission();
};
