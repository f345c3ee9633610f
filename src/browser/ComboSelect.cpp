#include "ComboSelect.h"

#include <QComboBox>

bool selectIndex(QComboBox *combo, int index)
{
    if (!combo || index < 0 || index >= combo->count())
        return false;
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
    return true;
}

bool selectEntry(QComboBox *combo, const QString &text)
{
    return selectIndex(combo, combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}
