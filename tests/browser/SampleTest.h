#pragma once

#include <QObject>

// The window on the bundled sample data.
class SampleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnTheSampleAndShowsACharacter();
};
