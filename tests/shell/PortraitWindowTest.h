#pragma once

#include <QObject>
#include <QTemporaryDir>

class PortraitWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void hoverShowsTheLinksUntilTimer1Fires();
    void pointerOnGuanBiKeepsTheLinks();
    void guanBiHidesTheWindowAndTellsTheMainWindow();
    void dkljSharesAPostAboutTheCharacter();
    void pictureIsDrawnOrTheNoticeIsShown();
    void barsAndValuesFollowTheCalculator();
    void placedLeftOfTheMainWindow();
    void negativeValueDrawsItsBarLeftOfX1();
    void linkOpensBesideItsOpenerOnTheScreen();

private:
    QTemporaryDir m_dir;
};
