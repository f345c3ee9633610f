#pragma once

#include <QObject>

// The best-build search: exact against a cut-down enumeration on the engine,
// its answers replayed on the engine, the objectives it accepts, zrc-cli best.
class BestBuildTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesEnumeration();
    void answersReplayToTheirValues();
    void constraintsAreKept();
    void objectives_data();
    void objectives();
    void cliAnswerReplaysThroughBuild();
    void cliRefusals_data();
    void cliRefusals();
    void windowSearchesOffTheGuiThread();
};
