#pragma once

#include <QObject>

class SheetLoaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void generatedBuildsTravel();
    void chatDamageLoadsTheSameBuild_data();
    void chatDamageLoadsTheSameBuild();
    void unfinishedSheetsLoadUpToTheirEnd();
    void refusalsNameTheLineAndTheOffer_data();
    void refusalsNameTheLineAndTheOffer();
};
