#pragma once

#include <QObject>

// The window's size, the fades with the portrait, and the portrait showing
// only its picture at 3000 twips.
class MendsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowKeepsItsDesignSize();
    void fadesLastAsDesignedAndTakeThePortrait();
    void portraitShowsOnlyThePictureAt3000Twips();
};
