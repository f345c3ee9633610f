#pragma once

#include <QObject>

class LibraryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyRowSaysWhatTheLoaderSays();
    void badOptionsAndFoldersExitTwo();
    void sortsAndFilters_data();
    void sortsAndFilters();
};
