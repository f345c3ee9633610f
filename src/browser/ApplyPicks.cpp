#include "ApplyPicks.h"

#include "BrowserTexts.h"
#include "ComboSelect.h"
#include "Main.h"
#include "SettingsPages.h"

#include <QComboBox>

int applyPicks(Main &main, const PickSequence &sequence)
{
    if (main.Qiudui->isHidden())
        main.Qiudui2_Click();
    if (!selectEntry(main.Qiudui, BrowserTexts::AllCharacters))
        return -1;
    if (!selectEntry(main.Xingming, sequence.character))
        return -1;
    int taken = 0;
    for (const Pick &pick : sequence.picks) {
        QComboBox *combo = main.Settings->combo(pick.list);
        if (!combo->isEnabled() || combo->isHidden() || !selectEntry(combo, pick.item))
            break;
        ++taken;
    }
    return taken;
}
