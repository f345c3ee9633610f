#pragma once

#include <QObject>

class LibraryWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void actionsThroughTheWindow();
    void followsTheFolderLive();
    void aFolderTheConfigurationCannotHoldIsKeptForThisRun();
    void savingIntoTheLibraryOffersToOpenIt();
};
