#pragma once

class QComboBox;

// A pick-only list whose picks can't be undone must not pick by accident:
// while it is closed, arrow keys, Page Up/Down, Home, End, typed letters
// and the mouse wheel do nothing (a closed list would otherwise pick the
// next item at once). Space, F4 or Alt+Down opens it; in the open list
// Enter picks and Escape closes it with nothing picked.
void pickOnlyWhenOpen(QComboBox *list);
