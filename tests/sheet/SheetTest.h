#pragma once

#include <QObject>

class SheetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plainBuildHasNoBracketsAndFortyTwoLines();
    void markersAndRecommendationJoinTheirLines();
    void postTextCarriesTheBuildOnOneLine();
    void wholeSheetAndPostByteForByte();
    void versionIsPlainInTheSheetAndOneDecimalInThePost();
    void hiddenOutfitLabelsFromAnEarlierBuildStayOut();
};
