#pragma once

#include <QObject>

// Builds as pictures: the radar chart's geometry and window, the card's
// layout, the card from the main window's menu and from zrc-cli card.
class PictureTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void radarDrawsSlotsWithANumberToRunWith();
    void radarAxesEndAtARoundMaximum_data();
    void radarAxesEndAtARoundMaximum();
    void radarPointsLieOnTheirAxes();
    void radarWindowFollowsItsSlotsAndSavesPng();
    void cardShowsTheBuildInsideItsEdges();
    void cardBarsFollowThePortraitProportions();
    void cardPicksForTheFullestAndAnUnfinishedBuild();
    void cardPickLinesAreCutToFitAtEveryScale();
    void cardFromTheMainWindowMenu();
    void cliCardIsTwiceAsLargeAtScale2();
    void cliStaysDisplayFreeExceptForCard();
};
