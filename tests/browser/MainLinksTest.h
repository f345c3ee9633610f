#pragma once

#include <QObject>

class MainLinksTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void sheetLinkCopiesThenSharesAfterTheMessage();
    void feedbackAndShareLinksPostTheirTexts();
    void updateLinkShowsTheAuthorPageAndMinimises();
    void readmeOpensAsUtf8OrTellsItIsMissing();
    void linksDrawTheirTextsAsLabelsDo();
};
