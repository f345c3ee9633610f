#pragma once

#include "BuildEngine.h"

#include <QList>
#include <QString>

// One pick of a build: an item of one of the 25 option lists.
struct Pick {
    ListId list;
    QString item;
    bool operator==(const Pick &) const = default;
};

// A build as the picks that make it, in answering order.
struct PickSequence {
    QString character;
    QList<Pick> picks;
    bool operator==(const PickSequence &) const = default;
};
