#pragma once

#include <QObject>

// The cascade of the calculator: character choice, first page, outfit rows,
// page links, and the edge cases of padding, height and decimals.
class EngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void characterChoiceOffersPositionsAndMarksDeviations();
    void unknownClassOffersNoPosition();
    void tipNamesRecommendedPosition();
    void samePositionTwiceGivesSameValues();
    void positionChoiceHidesAbilitiesAndFocusesLevel();
    void flexibleCharacterPositions();
    void padsSingleDigitsOnly();
    void fixedHeightPadsBeforeLevelBonus();
    void selectableHeightPadsAfterLevelBonus();
    void fixedHeightTexts();
    void specialHeightAdjustments();
    void specialWithoutAdjustmentsIsLikeMedium();
    void trainingAndVipRaiseTotal();
    void centreAtFiftyGetsItsOwnRow();
    void vipOpensOutfitPageWithLevelLists();
    void setWithShoes();
    void setWithoutShoes();
    void topInTwoSteps();
    void shoesSecondListAndDecorationPage();
    void bottomInTwoStepsMarksBoth();
    void enhancementPackHasNoNoneInSecondPart();
    void nothingChosenAnywhereChangesNothing();
    void cascadeOrderOnEveryBranch_data();
    void cascadeOrderOnEveryBranch();
    void emptyTextHandlersDoNothing();
    void closedListsRefusePicks();
    void pageLinksOnlyChangePage();
    void teamLabelAndNewCharacterReset();
    void redMarksTagsAndSerials();
    void portraitBars();
};
