#pragma once

#include <QString>

class QComboBox;

// Pick-only lists: setting a box to one of its entries selects it and runs
// the box's selection handler as if the user had picked it (the box emits
// activated). Any other text, or an index outside the list, is ignored.
// Both return whether an entry was selected.
bool selectEntry(QComboBox *combo, const QString &text);
bool selectIndex(QComboBox *combo, int index);
