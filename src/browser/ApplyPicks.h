#pragma once

#include "PickSequence.h"

class Main;

// Makes a build on Main as a player would: selects 【查看所有角色】 (showing
// the team box again if a character is chosen), then the character, then
// each pick in its list, through the window's own handlers, so every
// message, blink and render happens as it does for a player. Returns how
// many picks were taken; it stops at the first pick its list does not offer
// at that point, and returns -1 when the character is not in the list (the
// build is then as it was, the team box aside).
int applyPicks(Main &main, const PickSequence &sequence);
