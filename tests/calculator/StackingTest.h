#pragma once

#include <QObject>

// The no-stacking rule across the six horn and dragon-head slots.
class StackingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameAbilityInTwoSlots_data();
    void sameAbilityInTwoSlots();
    void differentAbilitiesAreAccepted();
    void plusItemsAreNeverCompared();
    void refusedDragonHeadKeepsItsKey();
};
