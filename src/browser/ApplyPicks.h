#pragma once

#include "BuildEngine.h"

#include <QList>
#include <QString>

class Main;

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
};

// Makes a build on Main as a player would: selects 【查看所有角色】 (showing
// the team box again if a character is chosen), then the character, then
// each pick in its list, through the window's own handlers, so every
// message, blink and render happens as it does for a player. Returns how
// many picks were taken; it stops at the first pick its list does not offer
// at that point, and returns -1 when the character is not in the list (the
// build is then as it was, the team box aside).
int applyPicks(Main &main, const PickSequence &sequence);
