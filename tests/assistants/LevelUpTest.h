#pragma once

#include <QObject>

class LevelUpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbersKeepTheirPatterns_data();
    void numbersKeepTheirPatterns();
    void tableTotalsAddUpStepByStep();
    void clickingATotalShowsDistanceAndDays();
    void levelFiftyAndBeyondFillTheBar();
    void firstOpeningShowsTheDefaultSpeedStatus();
    void savedEmptyExperienceKeepsTheInitialText();
    void emptiedSpeedBoxShows2000Again();
    void lettersCannotBeTypedButEditingWorks();
    void altGrIsTypingAndShortcutsStillWork();
    void pastedTextIsReadByItsLeadingNumber();
    void inputsAreSavedOnCloseAndLoadedOnOpen();
    void shareLinkPostsTheStatusAndChangesLooks();
    void commandLinePrintsWhatTheWindowShows();
};
