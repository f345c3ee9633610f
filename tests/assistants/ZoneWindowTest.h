#pragma once

#include <QObject>

// The zone window as a player uses it, with a scripted echo backend.
class ZoneWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void measuresZoneByZone();
    void verdictOnScreen_data();
    void verdictOnScreen();
    void shareWaitsForAResultAndCopiesIt();
    void closingMidMeasurementWritesNothing();
    void refusedEchoesReturnToIdle();
    void platformNoticesShownOncePerZone();
    void addressLookedUpOncePerOpening();
    void pageTextShownAsWritten();
    void addressLookupFailures_data();
    void addressLookupFailures();
    void addressPageThatIsAFifoFailsAtOnce();
};
