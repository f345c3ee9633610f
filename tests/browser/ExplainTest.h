#pragma once

#include <QObject>

// The ability panel's explanations and hover, the tip line's mouse
// answers, and the caption that pages through the settings.
class ExplainTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captionsExplainWithNoCharacterChosen();
    void hoverKeepsRowsBoldUntilThePanel();
    void toolLinksLookAsTheirFramesSay();
    void tipToolTipHoldsTheWholeText();
    void leftClickListsTheRecommendedCharacters();
    void leftClickKeepsTheTextBoldUntilTheMessageCloses();
    void rightClickCopiesTheTextWithTheVersion();
    void otherButtonsBoldOnlyWhileDown();
    void doubleClickOnThePageCaptionShowsTheNextPage();
};
