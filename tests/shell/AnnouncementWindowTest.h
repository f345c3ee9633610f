#pragma once

#include <QObject>
#include <QTemporaryDir>

class AnnouncementWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void openingMinimisesMainAndShowsBothPages();
    void pagesComeFromTheEndpointsFile();
    void quedingClosesAndRestoresMain();
    void linesFrameQuedingOnlyUnderThePointer();
    void draggingTheSurfaceMovesTheWindow();

private:
    QTemporaryDir m_dir;
};
