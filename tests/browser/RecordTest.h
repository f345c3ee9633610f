#pragma once

#include <QObject>

// Choosing a character: the record, the deviation markers, the position
// box, the tip and the portrait's picture.
class RecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void guardShowsItsRecordAndMarkers();
    void portraitMirrorsTheAbilities();
    void markersFollowTheClassRow_data();
    void markersFollowTheClassRow();
    void emptyRecommendationAsksForAPosition();
    void portraitShowsOwnPicture();
    void portraitFallsBackToOrdinaryPicture();
    void portraitPrintsNoticeWithoutPictures();
    void minimisedPortraitIsLeftAlone();
};
