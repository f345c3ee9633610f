#pragma once

#include <QObject>

// Fades, closing, the tip strip, blinking and the version caption.
class MotionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fadeInTakes49Ticks();
    void closingFadesOutIn49TicksThenExits();
    void closingDuringFadeInKeepsLevelInRange();
    void stripReentersFromTheRight();
    void blinkEndsWithLabelsShownAndUntagged();
    void captionAlternatesVersions();
    void portraitLinkReopensPortrait();
    void stripHoldsStillUnderThePointer();
    void announcementLinkOpensTheAnnouncement();
};
