#pragma once

#include <QObject>

// The window's size, the fades with the portrait, the portrait showing
// only its picture at 3000 twips, database text shown as written, and the
// program font.
class MendsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowKeepsItsDesignSize();
    void fadesLastAsDesignedAndTakeThePortrait();
    void portraitShowsOnlyThePictureAt3000Twips();
    void databaseTextShownAsWritten();
    void programFontIsTheFirstListedTheSystemHas();
};
