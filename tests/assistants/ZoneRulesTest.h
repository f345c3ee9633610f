#pragma once

#include <QObject>

// The zone assistant's rules without the window: bands, addresses, a zone's
// passes, the verdict and the texts it copies and shares.
class ZoneRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ratingBands_data();
    void ratingBands();
    void addresses();
    void passesTakeTheBestServer_data();
    void passesTakeTheBestServer();
    void refusalAndStopEndTheZoneAtOnce();
    void verdict_data();
    void verdict();
    void sheetAndPost();
};
