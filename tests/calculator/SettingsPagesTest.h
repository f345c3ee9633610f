#pragma once

#include <QObject>

// The settings pages on screen: a whole build picked through the real combos.
class SettingsPagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void completeBuildThroughTheCombos();
    void pageLinksAndHover();
    void hiddenPagesFollowTheFirstPaint();
};
