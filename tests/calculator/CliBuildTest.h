#pragma once

#include <QObject>

// zrc-cli build, run as a player would run it, on the bundled sample.
class CliBuildTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savedBuildAsJson();
    void closedListOrUnknownItemStops();
    void missingDatabaseIsNamed();
    void unknownCharacterStops();
    void refusalIsReportedAndReplayGoesOn();
    void readableTable();
};
